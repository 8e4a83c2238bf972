#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of the logbook's text field.
namespace bewahrix::cp1252 {

// One byte per character into ziel, which must hold text.size() bytes; a
// character the code page cannot hold becomes "?". Returns the count.
qsizetype kodieren(const QString& text, char* ziel);
// Bytes the code page leaves undefined become U+FFFD.
QString dekodieren(const QByteArray& bytes);

}  // namespace bewahrix::cp1252
