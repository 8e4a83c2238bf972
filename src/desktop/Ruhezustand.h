#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

namespace bewahrix {

// Keeps the computer from going to sleep while a run works, through a
// logind inhibitor lock ("sleep:idle", mode "block") on the system bus: the
// lock lasts as long as the descriptor logind hands out is open. Also tells
// when the computer woke up. Without a system bus or logind neither
// happens and nothing is said.
class Ruhezustand : public QObject {
  Q_OBJECT

 public:
  explicit Ruhezustand(QObject* eltern = nullptr);

  // warum is shown by the desktop while it does not go to sleep.
  void sperren(const QString& warum);
  void freigeben();

 signals:
  void aufgewacht();

 private slots:
  void schlaf(bool beginnt);

 private:
  QDBusUnixFileDescriptor sperre_;
  // Counts the requests: an answer that comes after a release is dropped.
  quint64 anfrage_ = 0;
};

}  // namespace bewahrix
