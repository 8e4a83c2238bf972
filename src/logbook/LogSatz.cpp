#include "logbook/LogSatz.h"

#include "logbook/Cp1252.h"
#include "store/Formate.h"

#include <QVarLengthArray>
#include <QtEndian>

#include <cmath>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::logsatz {

namespace {

const QDate kOleNull(1899, 12, 30);
constexpr double kSekundenProTag = 86400.0;
constexpr double kLetzterOleTag = 2958465.0;  // 31.12.9999
constexpr double kErsterOleTag = -657434.0;   // 01.01.0100

void setzeDouble(char* ziel, double wert) {
  quint64 bits;
  std::memcpy(&bits, &wert, sizeof bits);
  qToLittleEndian(bits, ziel);
}

std::optional<double> holeDouble(const QByteArray& bytes, qsizetype offset) {
  if (bytes.size() < offset + 8) return std::nullopt;
  const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + offset);
  double wert;
  std::memcpy(&wert, &bits, sizeof wert);
  if (!std::isfinite(wert)) return std::nullopt;
  return wert;
}

}  // namespace

qint64 anzahlSaetze(qint64 dateilaenge) {
  return dateilaenge <= 0 ? 0 : (dateilaenge + kSlotGroesse - 1) / kSlotGroesse;
}

namespace {

// Writes the 100 text bytes to ziel.
void fuelleTextFeld(char* ziel, const QString& text) {
  QVarLengthArray<char, 512> bytes(text.size());  // no allocation for a usual line
  const qsizetype n = cp1252::kodieren(text, bytes.data());
  if (n <= kTextLaenge) {
    std::memcpy(ziel, bytes.constData(), static_cast<size_t>(n));
    std::memset(ziel + n, ' ', static_cast<size_t>(kTextLaenge - n));
    return;
  }
  std::memcpy(ziel, bytes.constData(), 48);
  std::memcpy(ziel + 48, "..#..", 5);
  std::memcpy(ziel + 53, bytes.constData() + n - 47, 47);
}

}  // namespace

double oleDatum(const QDate& datum) { return static_cast<double>(kOleNull.daysTo(datum)); }

double tagesAnteil(const QTime& zeit) { return zeit.msecsSinceStartOfDay() / 1000 / kSekundenProTag; }

QByteArray zeitKopf(const QDateTime& zeitpunkt) {
  QByteArray kopf(16, Qt::Uninitialized);
  setzeDouble(kopf.data(), oleDatum(zeitpunkt.date()));
  setzeDouble(kopf.data() + 8, tagesAnteil(zeitpunkt.time()));
  return kopf;
}

void anhaengen(QByteArray& puffer, const QByteArray& kopf, const QString& text) {
  const qsizetype anfang = puffer.size();
  puffer.resize(anfang + kSlotGroesse);
  char* slot = puffer.data() + anfang;
  std::memcpy(slot, kopf.constData(), 16);
  fuelleTextFeld(slot + 16, text);
  std::memset(slot + 16 + kTextLaenge, 0, kSlotGroesse - kDatenGroesse);
}

QByteArray slot(const QDateTime& zeitpunkt, const QString& text) {
  QByteArray bytes;
  anhaengen(bytes, zeitKopf(zeitpunkt), text);
  return bytes;
}

Satz lesen(const QByteArray& bytes) {
  Satz satz;
  if (const auto tage = holeDouble(bytes, 0); tage && *tage >= kErsterOleTag && *tage <= kLetzterOleTag)
    satz.datum = kOleNull.addDays(static_cast<qint64>(std::floor(*tage)));
  if (const auto anteil = holeDouble(bytes, 8); anteil && *anteil >= 0.0 && *anteil < 1.0) {
    const int sekunden = std::min(static_cast<int>(std::lround(*anteil * kSekundenProTag)), 86399);
    satz.zeit = QTime(0, 0).addSecs(sekunden);
  }
  QByteArray text = bytes.mid(16, kTextLaenge);
  // A record cut short may end inside its text; zero bytes come from a gap.
  while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\0')) text.chop(1);
  satz.text = cp1252::dekodieren(text);
  return satz;
}

QString angezeigt(const Satz& satz) {
  const QString datum = satz.datum ? formate::kurzDatum(*satz.datum) : u"--.--.----"_s;
  const QString zeit = satz.zeit ? formate::langeZeit(*satz.zeit) : u"--:--:--"_s;
  return datum + u" um "_s + zeit + u": "_s + satz.text;
}

}  // namespace bewahrix::logsatz
