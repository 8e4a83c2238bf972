#include "platform/Dateihandle.h"

#include "platform/Fehlertext.h"

#include "platform/Pfade.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace bewahrix {

Fehler systemfehler() {
  const int nummer = errno;
  return {nummer, fehlertext(nummer)};
}

Ergebnis<Dateihandle> Dateihandle::oeffnen(const QString& pfad, int flags, mode_t modus) {
  const QByteArray name = pfade::bytes(pfad);
  int fd;
  do {
    fd = ::open(name.constData(), flags | O_CLOEXEC, modus);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return systemfehler();
  return Dateihandle(fd);
}

Dateihandle::Dateihandle(Dateihandle&& anderer) noexcept : fd_(anderer.fd_) { anderer.fd_ = -1; }

Dateihandle& Dateihandle::operator=(Dateihandle&& anderer) noexcept {
  if (this != &anderer) {
    schliessen();
    fd_ = anderer.fd_;
    anderer.fd_ = -1;
  }
  return *this;
}

Dateihandle::~Dateihandle() { schliessen(); }

void Dateihandle::schliessen() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Ergebnis<qint64> Dateihandle::groesse() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) return systemfehler();
  return static_cast<qint64>(info.st_size);
}

Ergebnis<QByteArray> Dateihandle::lesen(qint64 offset, qint64 anzahl) const {
  QByteArray puffer(anzahl, Qt::Uninitialized);
  qint64 gelesen = 0;
  while (gelesen < anzahl) {
    const ssize_t n = ::pread(fd_, puffer.data() + gelesen, static_cast<size_t>(anzahl - gelesen),
                              offset + gelesen);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return systemfehler();
    if (n == 0) break;
    gelesen += n;
  }
  puffer.truncate(gelesen);
  return puffer;
}

Status Dateihandle::schreiben(qint64 offset, const QByteArray& daten) {
  qint64 geschrieben = 0;
  while (geschrieben < daten.size()) {
    const ssize_t n = ::pwrite(fd_, daten.constData() + geschrieben,
                               static_cast<size_t>(daten.size() - geschrieben), offset + geschrieben);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return systemfehler();
    geschrieben += n;
  }
  return erfolg();
}

}  // namespace bewahrix
