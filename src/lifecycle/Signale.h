#pragma once

#include <QObject>

class QSocketNotifier;

namespace bewahrix {

// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C, a closed
// terminal) into a Qt signal on the event loop. The handler itself only
// writes a byte into a pipe: nothing else is safe inside it.
class Signalwaechter : public QObject {
  Q_OBJECT

 public:
  explicit Signalwaechter(QObject* eltern = nullptr);
  ~Signalwaechter() override;

 signals:
  void beenden();

 private:
  QSocketNotifier* melder_ = nullptr;
};

}  // namespace bewahrix
