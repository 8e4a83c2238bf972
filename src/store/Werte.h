#pragma once

#include <QString>

#include <optional>

// How values are spelled in the settings store. A reader returns nullopt when
// the stored text cannot be converted; the caller then keeps what it had.
namespace bewahrix::werte {

QString booleanText(bool wert);  // "True" / "False"
// "True"/"False" in any letter case, or a number (0 is false).
std::optional<bool> alsBoolean(const QString& text);

QString zahlText(qint64 wert);
// A decimal number with "." or "," as the decimal separator.
std::optional<double> alsZahl(const QString& text);
// A whole number; a decimal one is rounded half to even.
std::optional<int> alsGanzzahl(const QString& text);

}  // namespace bewahrix::werte
