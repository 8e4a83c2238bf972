#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The logbook's record: a 216-byte slot whose first 116 bytes hold the day
// and time as little-endian doubles and 100 bytes of Windows-1252 text.
namespace bewahrix::logsatz {

inline constexpr qint64 kSlotGroesse = 216;
inline constexpr qint64 kDatenGroesse = 116;
inline constexpr int kTextLaenge = 100;

// Slots in a file of this length; a last record cut short still counts.
qint64 anzahlSaetze(qint64 dateilaenge);

// The whole slot for a message written at this instant (filler zeroed). The
// message is stored shortened to 48 + "..#.." + 47 characters when it is
// longer than 100, blank-padded to 100 bytes.
QByteArray slot(const QDateTime& zeitpunkt, const QString& text);
// The same slot appended to puffer; kopf is the 16 bytes of date and time
// (zeitKopf), which a writer may keep for entries of the same second.
void anhaengen(QByteArray& puffer, const QByteArray& kopf, const QString& text);
QByteArray zeitKopf(const QDateTime& zeitpunkt);

double oleDatum(const QDate& datum);
double tagesAnteil(const QTime& zeit);

struct Satz {
  std::optional<QDate> datum;  // empty when the bytes are missing or no date
  std::optional<QTime> zeit;
  QString text;                // trailing blanks removed
};

// Whatever can be read from the bytes of one record, complete or not.
Satz lesen(const QByteArray& bytes);

// "05.12.2026 um 14:03:27: Programm beendet"
QString angezeigt(const Satz& satz);

}  // namespace bewahrix::logsatz
