#include "lifecycle/Signale.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace bewahrix {

namespace {

constexpr std::array kSignale = {SIGTERM, SIGINT, SIGHUP};
int rohr[2] = {-1, -1};

void melden(int) {
  const int gesichert = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing is lost.
  [[maybe_unused]] const ssize_t n = ::write(rohr[1], &byte, 1);
  errno = gesichert;
}

void setzeHandler(void (*handler)(int)) {
  struct sigaction aktion {};
  aktion.sa_handler = handler;
  sigemptyset(&aktion.sa_mask);
  aktion.sa_flags = SA_RESTART;
  for (const int signal : kSignale) ::sigaction(signal, &aktion, nullptr);
}

}  // namespace

Signalwaechter::Signalwaechter(QObject* eltern) : QObject(eltern) {
  if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
  melder_ = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
  connect(melder_, &QSocketNotifier::activated, this, [this] {
    char puffer[16];
    while (::read(rohr[0], puffer, sizeof puffer) > 0) {
    }
    emit beenden();
  });
  setzeHandler(melden);
}

Signalwaechter::~Signalwaechter() {
  if (!melder_) return;
  setzeHandler(SIG_DFL);
  delete melder_;
  ::close(rohr[0]);
  ::close(rohr[1]);
  rohr[0] = rohr[1] = -1;
}

}  // namespace bewahrix
