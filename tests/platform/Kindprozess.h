#pragma once

#include "platform/Ergebnis.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bewahrix::test {

// Root ignores permission bits; a test of a refused access runs its work as
// "nobody" then, otherwise as the user it already is.
inline bool brauchtAnderenBenutzer() { return ::geteuid() == 0; }

// Runs arbeit in a forked child and hands back its Status. Used where the
// work must not leave traces in this process (GLib remembers HOME and the
// XDG directories at first use) or must run under another user.
inline Status imKindprozess(const std::function<Status()>& arbeit, bool alsNobody = false) {
  using namespace Qt::Literals::StringLiterals;
  const passwd* nobody = alsNobody ? ::getpwnam("nobody") : nullptr;
  if (alsNobody && !nobody) return Fehler{-1, u"Kein Benutzer nobody"_s};
  int rohr[2];
  if (::pipe2(rohr, O_CLOEXEC) != 0) return Fehler{errno, u"pipe2"_s};
  const pid_t kind = ::fork();
  if (kind < 0) return Fehler{errno, u"fork"_s};
  if (kind == 0) {
    ::close(rohr[0]);
    QByteArray antwort;
    if (nobody && (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                   ::setuid(nobody->pw_uid) != 0)) {
      antwort = "-1\nWechsel zu nobody gescheitert";
    } else {
      const Status status = arbeit();
      antwort = status.ok() ? QByteArray("ok")
                            : QByteArray::number(status.fehler().nummer) + '\n' +
                                  status.fehler().text.toUtf8();
    }
    for (qsizetype geschrieben = 0; geschrieben < antwort.size();) {
      const ssize_t n = ::write(rohr[1], antwort.constData() + geschrieben,
                                static_cast<size_t>(antwort.size() - geschrieben));
      if (n <= 0) ::_exit(1);
      geschrieben += n;
    }
    ::_exit(0);
  }
  ::close(rohr[1]);
  QByteArray antwort;
  char puffer[4096];
  ssize_t n;
  while ((n = ::read(rohr[0], puffer, sizeof puffer)) > 0 || (n < 0 && errno == EINTR))
    if (n > 0) antwort.append(puffer, n);
  ::close(rohr[0]);
  int zustand = 0;
  while (::waitpid(kind, &zustand, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(zustand) || WEXITSTATUS(zustand) != 0)
    return Fehler{-1, u"Kindprozess nicht regulär beendet"_s};
  if (antwort == "ok") return erfolg();
  const qsizetype umbruch = antwort.indexOf('\n');
  return Fehler{antwort.left(umbruch).toInt(), QString::fromUtf8(antwort.mid(umbruch + 1))};
}

}  // namespace bewahrix::test
