#include "platform/Pfade.h"

#include <QDir>

#include <cstring>

namespace bewahrix::pfade {

QChar trenner() { return QLatin1Char('/'); }

QString trennerText() { return QString(trenner()); }

QString verzeichnisEndung() { return trennerText() + QStringLiteral("*.*"); }

QString baumEndung() { return trennerText() + QStringLiteral("*.***"); }

bool endetMitTrenner(const QString& pfad) { return pfad.endsWith(trenner()); }

QString mitTrenner(const QString& pfad) {
  return endetMitTrenner(pfad) ? pfad : pfad + trenner();
}

QString namensteil(const QString& pfad) {
  return pfad.mid(pfad.lastIndexOf(trenner()) + 1);
}

QString verzeichnisteil(const QString& pfad) {
  return pfad.left(pfad.lastIndexOf(trenner()) + 1);
}

bool istAbsolut(const QString& pfad) { return pfad.startsWith(trenner()); }

QString standardWurzel() { return mitTrenner(QDir::homePath()); }

QString dateisystemWurzel() { return trennerText(); }

namespace {

constexpr char16_t kErsatzBasis = 0xDC00;

bool istErsatz(QStringView text, qsizetype i) {
  const char16_t c = text[i].unicode();
  return c >= kErsatzBasis + 0x80 && c <= kErsatzBasis + 0xFF &&
         (i == 0 || !text[i - 1].isHighSurrogate());
}

// C0, DEL and C1: a line break or tab in a name would cut a logbook or status line.
bool istSteuerzeichen(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Length of the valid UTF-8 sequence at p (at most rest bytes), 0 if none.
int folgeLaenge(const unsigned char* p, qsizetype rest) {
  const unsigned char b = p[0];
  int n;
  char32_t min;
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) { n = 2; min = 0x80; }
  else if (b >= 0xE0 && b <= 0xEF) { n = 3; min = 0x800; }
  else if (b >= 0xF0 && b <= 0xF4) { n = 4; min = 0x10000; }
  else return 0;
  if (rest < n) return 0;
  char32_t c = b & (0x7F >> n);
  for (int k = 1; k < n; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    c = (c << 6) | (p[k] & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

QString ausBytes(const char* bytes, qsizetype laenge) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  QString text;
  text.reserve(laenge);
  qsizetype gueltigAb = 0;
  for (qsizetype i = 0; i < laenge;) {
    const int n = folgeLaenge(p + i, laenge - i);
    if (n > 0) {
      i += n;
      continue;
    }
    text.append(QString::fromUtf8(bytes + gueltigAb, i - gueltigAb));
    text.append(QChar(static_cast<char16_t>(kErsatzBasis + p[i])));
    gueltigAb = ++i;
  }
  if (gueltigAb == 0) return QString::fromUtf8(bytes, laenge);
  text.append(QString::fromUtf8(bytes + gueltigAb, laenge - gueltigAb));
  return text;
}

QString ausBytes(const char* bytes) { return ausBytes(bytes, static_cast<qsizetype>(std::strlen(bytes))); }

QByteArray bytes(QStringView pfad) {
  QByteArray ergebnis;
  qsizetype gueltigAb = 0;
  for (qsizetype i = 0; i < pfad.size(); ++i) {
    if (!istErsatz(pfad, i)) continue;
    ergebnis.append(pfad.mid(gueltigAb, i - gueltigAb).toUtf8());
    ergebnis.append(static_cast<char>(pfad[i].unicode() - kErsatzBasis));
    gueltigAb = i + 1;
  }
  if (gueltigAb == 0) return pfad.toUtf8();
  ergebnis.append(pfad.mid(gueltigAb).toUtf8());
  return ergebnis;
}

QString anzeige(const QString& pfad) {
  QString text = pfad;  // shared: copied only when a character is replaced
  for (qsizetype i = 0; i < pfad.size(); ++i)
    if (istSteuerzeichen(pfad[i].unicode()) || istErsatz(pfad, i)) text[i] = QLatin1Char('?');
  return text;
}

}  // namespace bewahrix::pfade
