#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of the logbook's text field.
namespace bewahrix::cp1252 {

// One byte per character; a character the code page cannot hold becomes "?".
QByteArray kodieren(const QString& text);
// The same into ziel, which must hold text.size() bytes; returns the count.
qsizetype kodieren(const QString& text, char* ziel);
// Bytes the code page leaves undefined become U+FFFD.
QString dekodieren(const QByteArray& bytes);

}  // namespace bewahrix::cp1252
