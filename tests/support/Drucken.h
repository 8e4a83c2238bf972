#pragma once

// Readable Qt values in failure messages. Every test file sees these first
// (tests/CMakeLists.txt includes this header before any other): a file
// without them would instantiate GoogleTest's printer for QString as a
// list of 2-byte objects, and the linker may keep that one for the whole
// program.

#include <QByteArray>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
// Bytes as written, with each one outside printable ASCII as \xNN, so names that differ in one byte show it.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"';
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7f)
      *os << c;
    else
      *os << "\\x" << "0123456789abcdef"[b >> 4] << "0123456789abcdef"[b & 15];
  }
  *os << '"';
}
