#pragma once

#include "scheduler/Zeitplan.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

namespace bewahrix {

class SettingsStore;

namespace zeitplan {

// How the date picker shows the date of a kind: the one-time date with a
// drop-down calendar, the day of month and the weekday with spin buttons.
// Daily and switched-off schedules have no date to show.
struct DatumsForm {
  bool sichtbar = false;
  QString format;
  bool kalender = false;
  bool operator==(const DatumsForm&) const = default;
};
DatumsForm datumsForm(int art);

// What the schedule panel holds when it is saved.
struct Feld {
  QDate datum;
  QTime zeit;
  bool zusatz = false;
  std::optional<int> art;  // none when no kind is chosen
};

// Writes the panel into the schedule of task j. Without a chosen kind the
// stored kind stays.
void speichere(SettingsStore& store, int j, const Feld& feld);

// The log lines of a save; beschreibung is the task's description line as
// it reads after the save.
QList<LogZeile> speicherZeilen(int j, const Feld& feld, const QString& beschreibung);

}  // namespace zeitplan
}  // namespace bewahrix
