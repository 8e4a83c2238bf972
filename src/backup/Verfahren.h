#pragma once

#include <QString>

// Texts of the copy modes 0 to 5.
namespace bewahrix::verfahren {

// The caption of the mode's option button.
QString beschriftung(int modus);
// The mode's line in the run log.
QString logZeile(int modus);

}  // namespace bewahrix::verfahren
