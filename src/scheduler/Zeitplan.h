#pragma once

#include "logbook/Logbuch.h"
#include "store/Schluessel.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

namespace bewahrix {

class SettingsStore;
class Uhr;

namespace zeitplan {

// The schedule of one task as the store holds it. The kinds stay texts: the
// timer compares them as texts, so "03" or "3.0" is no kind at all.
struct Gespeichert {
  QString art;                  // "DayArt" + i, "4" when absent
  std::optional<QString> tag;   // "SollDay" + i
  std::optional<QString> zeit;  // "SollTime" + i
};

Gespeichert lese(const SettingsStore& store, int i);

// Is the schedule due in the minute of zeitpunkt? Only hours and minutes of
// the time count. A missing or unreadable time is never due: the program
// always writes kind, date and time together, so only a hand-edited store
// lacks it, and "every minute" would be the worst reading of that.
bool faellig(const Gespeichert& plan, const QDateTime& zeitpunkt);

// A one-time schedule that ran loses its keys, so its task reads as switched
// off ("Zusatz" + i stays).
void entferneEinmalig(SettingsStore& store, int i);

// The log lines around every automatic run, with their categories.
struct LogZeile {
  QString text;
  LogKategorie kategorie;
  bool operator==(const LogZeile&) const = default;
};
LogZeile anfangZeile();
LogZeile endeZeile();
LogZeile einmaligBeendetZeile(int i);

// The description line of a task's schedule and its colours as 0xRRGGBB.
struct Beschreibung {
  QString text;
  quint32 hintergrund = 0;
  quint32 schrift = 0;
  bool operator==(const Beschreibung&) const = default;
};
inline constexpr quint32 kHellrot = 0xFF8080;
inline constexpr quint32 kHellgelb = 0xFFFFC0;
inline constexpr quint32 kWeiss = 0xFFFFFF;
inline constexpr quint32 kSchwarz = 0x000000;

Beschreibung beschreibung(const SettingsStore& store, int i, const Uhr& uhr);
std::array<Beschreibung, schluessel::kAnzahlAufgaben> beschreibungen(const SettingsStore& store,
                                                                     const Uhr& uhr);

}  // namespace zeitplan
}  // namespace bewahrix
