#include "platform/Uhr.h"

namespace bewahrix {

QDateTime SystemUhr::jetzt() const {
  const qint64 sekunde = QDateTime::currentSecsSinceEpoch();
  if (sekunde != sekunde_) {
    sekunde_ = sekunde;
    zeit_ = QDateTime::fromSecsSinceEpoch(sekunde);
  }
  return zeit_;
}

}  // namespace bewahrix
