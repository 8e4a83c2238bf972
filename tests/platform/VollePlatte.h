#pragma once

#include "platform/Dateisystem.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>

namespace bewahrix::test {

// A disk that fills up after a given number of bytes.
class VollePlatte final : public PosixDateisystem {
 public:
  explicit VollePlatte(qint64 platz) : platz_(platz) {}
  qint64 geschrieben = 0;

 protected:
  ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
    const qint64 rest = platz_ - geschrieben;
    if (rest <= 0) {
      errno = ENOSPC;
      return -1;
    }
    const ssize_t n =
        PosixDateisystem::kopiereBlock(von, nach, std::min(anzahl, static_cast<size_t>(rest)));
    if (n > 0) geschrieben += n;
    return n;
  }

 private:
  qint64 platz_;
};

}  // namespace bewahrix::test
