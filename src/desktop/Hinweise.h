#pragma once

#include "scheduler/Verpasst.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

namespace bewahrix {

class Benachrichtigungen;

// What the program tells a user who is not looking at it: an automatic run
// of a task that failed (one notification per task, replaced by the next
// and withdrawn by a run without errors) and schedules that were missed.
class Hinweise : public QObject {
  Q_OBJECT

 public:
  explicit Hinweise(Benachrichtigungen& dienst, QObject* eltern = nullptr);

  // The menu item "Benachrichtigungen bei Fehlern".
  void schalten(bool an) { an_ = an; }

  // The run of task index failed anzahl times, grund says why.
  void fehlgeschlagen(int index, int anzahl, const QString& grund);
  void fehlerfrei(int index);
  // Task index was refused because its drive is not there: at most once a
  // day per task, a stick left at home would otherwise speak at every run.
  void datentraegerFehlt(int index, const QString& grund, const QDate& heute);
  void verpasst(const QList<verpasst::Versaeumt>& aufgaben);

 signals:
  void logbuchZeigen();
  // "Jetzt nachholen": the tasks of the last missed-schedule notification.
  void nachholen(const QList<int>& aufgaben);

 private:
  Benachrichtigungen& dienst_;
  bool an_ = true;
  QList<int> versaeumt_;
  QHash<int, QDate> datentraegerGemeldet_;
};

}  // namespace bewahrix
