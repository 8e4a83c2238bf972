#pragma once

#include "scheduler/Verpasst.h"

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
  void verpasst(const QList<verpasst::Versaeumt>& aufgaben);

 signals:
  void logbuchZeigen();
  // "Jetzt nachholen": the tasks of the last missed-schedule notification.
  void nachholen(const QList<int>& aufgaben);

 private:
  Benachrichtigungen& dienst_;
  bool an_ = true;
  QList<int> versaeumt_;
};

}  // namespace bewahrix
