#pragma once

#include <QString>

namespace bewahrix::hilfe {

// The help text of a code, 0 to 45; any other code has a fallback text. Some
// codes take the extra text into their sentence, the others ignore it. The
// text is meant for a plain-text label: "&" stands for itself.
QString text(int code, const QString& extra = {});

// The caption of the help line: one blank, then the text.
QString zeile(int code, const QString& extra = {});

}  // namespace bewahrix::hilfe
