#pragma once

#include "platform/Ergebnis.h"

#include <QByteArray>
#include <QString>

#include <fcntl.h>

namespace bewahrix {

// An open POSIX file descriptor, closed when the handle goes away.
class Dateihandle {
 public:
  static Ergebnis<Dateihandle> oeffnen(const QString& pfad, int flags, mode_t modus = 0644);

  Dateihandle(Dateihandle&& anderer) noexcept;
  Dateihandle& operator=(Dateihandle&& anderer) noexcept;
  Dateihandle(const Dateihandle&) = delete;
  Dateihandle& operator=(const Dateihandle&) = delete;
  ~Dateihandle();

  int fd() const { return fd_; }
  Ergebnis<qint64> groesse() const;
  // Up to anzahl bytes from offset; fewer at the end of the file.
  Ergebnis<QByteArray> lesen(qint64 offset, qint64 anzahl) const;
  // All of daten at offset, or an error.
  Status schreiben(qint64 offset, const QByteArray& daten);
  void schliessen();

 private:
  explicit Dateihandle(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// The Fehler for the errno value left by a failed system call.
Fehler systemfehler();

}  // namespace bewahrix
