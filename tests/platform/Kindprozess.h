#pragma once

#include "platform/Ergebnis.h"

#include <QString>

#include <cerrno>
#include <cstring>
#include <functional>
#include <new>
#include <grp.h>
#include <pwd.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bewahrix::test {

// Root ignores permission bits: a refused access is tried as "nobody" then.
inline bool brauchtAnderenBenutzer() { return ::geteuid() == 0; }

// Runs arbeit in a forked child (GLib remembers HOME and XDG directories), maybe as another user.
inline Status imKindprozess(const std::function<Status()>& arbeit, bool alsNobody = false) {
  using namespace Qt::Literals::StringLiterals;
  struct Antwort { bool ok; int nummer; char text[4096]; };
  void* speicher = ::mmap(nullptr, sizeof(Antwort), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (speicher == MAP_FAILED) return Fehler{errno, u"mmap"_s};
  auto* antwort = new (speicher) Antwort{false, -1, "Kindprozess nicht regulär beendet"};
  const passwd* nobody = alsNobody ? ::getpwnam("nobody") : nullptr;
  const pid_t kind = ::fork();
  if (kind == 0) {
    if (alsNobody && (!nobody || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                      ::setuid(nobody->pw_uid) != 0))
      ::_exit(1);
    const Status status = arbeit();
    antwort->ok = status.ok();
    if (!status.ok()) {
      antwort->nummer = status.fehler().nummer;
      std::strncpy(antwort->text, status.fehler().text.toUtf8().constData(), sizeof antwort->text - 1);
    }
    ::_exit(0);
  }
  while (kind > 0 && ::waitpid(kind, nullptr, 0) < 0 && errno == EINTR) continue;
  const Status status = antwort->ok ? erfolg() : Status(Fehler{antwort->nummer, QString::fromUtf8(antwort->text)});
  ::munmap(speicher, sizeof(Antwort));
  return status;
}

}  // namespace bewahrix::test
