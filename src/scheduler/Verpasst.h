#pragma once

#include "platform/Dialoge.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

#include <optional>

namespace bewahrix {

class SettingsStore;
class Uhr;

namespace verpasst {

// Start: the search of the start sequence. Menue: "nach versäumten Aufgaben
// suchen", which also answers when nothing was missed.
enum class Modus { Start = 0, Menue = 1 };

// A task that missed its schedule, and the last time it did.
struct Versaeumt {
  int index = 0;
  QDateTime zuletzt;
  bool operator==(const Versaeumt&) const = default;
};

// What the window does with a search: write every line to the logbook
// (category SonstigeMeldung), then show the box if there is one.
struct Ergebnis {
  QStringList logZeilen;
  std::optional<Meldung> meldung;
  QList<Versaeumt> aufgaben;  // in index order
};

// Looks for schedules that fell into the time between the end of the last
// run and the start of this one (the "Tool" records). meldungAn is the check
// state of the menu item "Meldung bei versäumten Aufgaben". Reports only: no
// run is started, no schedule changed.
Ergebnis suche(const SettingsStore& store, const Uhr& uhr, Modus modus, bool meldungAn);

// The same search, as at start, over the minutes after von and before the
// minute of bis: the timer of the running program did not look at them (the
// computer slept, the clock jumped).
Ergebnis sucheLuecke(const SettingsStore& store, const QDateTime& von, const QDateTime& bis, bool meldungAn);

// The number of minute boundaries from ende to start; negative when start
// lies before ende.
qint64 minutengrenzen(const QDateTime& ende, const QDateTime& start);

// The minutes ende + 1 min .. ende + n min in which a schedule of this kind
// ("0" to "3"; any other text never) planned for geplant falls, in order.
// Each keeps the seconds of ende, as stepping from ende does.
QList<QDateTime> vorkommen(const QDateTime& ende, qint64 n, const QString& art, const QDateTime& geplant);

// The box shows at most this many occurrences; the logbook has them all.
inline constexpr int kHoechstensImFenster = 30;

}  // namespace verpasst
}  // namespace bewahrix
