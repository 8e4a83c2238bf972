#include "platform/Fehlertext.h"

#include <cstring>

namespace bewahrix {

QString fehlertext(int fehlernummer) {
  char puffer[256] = {};
  // GNU strerror_r may return a static text instead of filling the buffer.
  const char* text = strerror_r(fehlernummer, puffer, sizeof puffer);
  return QString::fromLocal8Bit(text);
}

}  // namespace bewahrix
