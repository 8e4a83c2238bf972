#pragma once

#include <QString>

namespace bewahrix {

// The system's description of an errno value, in the language of the
// system's messages (German where the system provides German texts).
QString fehlertext(int fehlernummer);

}  // namespace bewahrix
