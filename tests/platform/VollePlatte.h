#pragma once

#include "platform/Dateisystem.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>

namespace bewahrix::test {

// A disk that fills up after a given number of bytes.
struct VollePlatte final : PosixDateisystem {
  explicit VollePlatte(qint64 platz) : platz(platz) {}
  ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
    if (geschrieben >= platz) return errno = ENOSPC, -1;
    const ssize_t n = PosixDateisystem::kopiereBlock(von, nach, std::min(anzahl, static_cast<size_t>(platz - geschrieben)));
    geschrieben += std::max<ssize_t>(n, 0);
    return n;
  }
  const qint64 platz;
  qint64 geschrieben = 0;
};

}  // namespace bewahrix::test
