#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The German text forms of dates, times and numbers. What is written here is
// read back by the parsers below.
namespace bewahrix::formate {

QString kurzDatum(const QDate& datum);        // 05.12.2026
QString langeZeit(const QTime& zeit);         // 14:03:27
QString stundeMinute(const QTime& zeit);      // 14:03
QString langesDatum(const QDate& datum);      // Samstag, 5. Dezember 2026
QString eintragsDatum(const QDate& datum);    // 05. Dez. 2026
// The program's month abbreviations, 1 to 12: Jan Feb Mrz Apr Mai Jun Jul Aug
// Sep Okt Nov Dez (Qt's German ones say "März" and carry dots).
QString monatKurz(int monat);
QString statusDatum(const QDate& datum);      // 05.Dezember 2026
QString datumZeit(const QDateTime& zeitpunkt);  // 05.12.2026 14:03:27, date alone at midnight
// A number with a decimal comma, no grouping, at least one integer digit
// ("###0.00" is festkomma(x, 2)).
QString festkomma(double wert, int nachkommastellen);

std::optional<QDate> leseKurzDatum(const QString& text);
// A time "H:mm:ss" or "H:mm", also after a date and a blank.
std::optional<QTime> leseZeit(const QString& text);
// A date, optionally followed by a blank and a time.
std::optional<QDateTime> leseDatumZeit(const QString& text);

}  // namespace bewahrix::formate
