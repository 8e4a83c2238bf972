#include "platform/Uhr.h"

namespace bewahrix {

QDateTime SystemUhr::jetzt() const {
  QDateTime t = QDateTime::currentDateTime();
  const QTime zeit = t.time();
  t.setTime(QTime(zeit.hour(), zeit.minute(), zeit.second()));
  return t;
}

}  // namespace bewahrix
