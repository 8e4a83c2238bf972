#pragma once

#include "scheduler/Verpasst.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

namespace bewahrix {

class SettingsStore;
class Uhr;

// The logic of the window's 5-second schedule timer. Each minute is looked
// at once; the window runs the due tasks and does the logging and lamps.
class AutomatikTakt {
 public:
  AutomatikTakt(const SettingsStore& store, const Uhr& uhr);

  struct Faellig {
    int index = 0;
    bool einmalig = false;  // after its run: zeitplan::entferneEinmalig
    bool operator==(const Faellig&) const = default;
  };
  struct Ergebnis {
    bool neueMinute = false;  // AutomatikLauf is set exactly for such a tick
    QList<Faellig> faellig;   // in index order
    // Schedules of the minutes no tick looked at (the previous tick, or
    // the start, lies more than a minute back), found as at start.
    verpasst::Ergebnis versaeumt;
  };

  // One tick. All due tasks of the minute are decided before any of them
  // runs, so a long run of task 1 does not push task 2 out of its minute.
  // meldungAn: the check state of "Meldung bei versäumten Aufgaben".
  Ergebnis takt(bool meldungAn);

  // " " + the long date, the caption of the date label.
  QString datumsBeschriftung() const;

 private:
  const SettingsStore& store_;
  const Uhr& uhr_;
  // Starts empty rather than at 00:00, so a program started at 00:00:30
  // still runs a 00:00 schedule on its first tick.
  std::optional<QTime> letzteMinute_;
  QDateTime letzterTakt_;
};

}  // namespace bewahrix
