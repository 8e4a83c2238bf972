#include "logbook/Cp1252.h"


#include <array>

namespace bewahrix::cp1252 {

namespace {

constexpr char16_t kUndefiniert = 0xFFFD;

// 0x80 to 0x9F; everything else is the same as Latin-1.
constexpr std::array<char16_t, 32> kOberesFeld = {
    0x20AC, kUndefiniert, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kUndefiniert, 0x017D, kUndefiniert,
    kUndefiniert, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kUndefiniert, 0x017E, 0x0178};

char kodiere(char16_t zeichen) {
  // A line break or tab from a file name would cut the line in every view of the logbook.
  if (zeichen < 0x20 || zeichen == 0x7F) return '?';
  if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
  for (std::size_t i = 0; i < kOberesFeld.size(); ++i)
    if (kOberesFeld[i] != kUndefiniert && kOberesFeld[i] == zeichen)
      return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

qsizetype kodieren(const QString& text, char* ziel) {
  qsizetype n = 0;
  const QChar* zeichen = text.constData();
  const qsizetype laenge = text.size();
  for (qsizetype i = 0; i < laenge; ++i) {
    const char16_t c = zeichen[i].unicode();
    // A pair of surrogates is one character outside the code page.
    if (QChar::isHighSurrogate(c) && i + 1 < laenge && zeichen[i + 1].isLowSurrogate()) ++i;
    ziel[n++] = kodiere(c);
  }
  return n;
}

QString dekodieren(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    text.append(QChar(b >= 0x80 && b < 0xA0 ? kOberesFeld.at(b - 0x80) : char16_t{b}));
  }
  return text;
}

}  // namespace bewahrix::cp1252
