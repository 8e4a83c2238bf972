#include "lifecycle/Instanz.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

QString sperrdatei(const QString& verzeichnis) {
  const QString ordner = verzeichnis.isEmpty() ? Instanz::laufzeitVerzeichnis() : verzeichnis;
  return QDir(ordner).filePath(u"bewahrix.lock"_s);
}

}  // namespace

Instanz::Instanz(const QString& verzeichnis)
    : dateipfad_(sperrdatei(verzeichnis)), sperre_(dateipfad_) {
  // Only a dead owner makes a lock stale: a long-running Bewahrix keeps its
  // lock however old the file is.
  sperre_.setStaleLockTime(0);
}

QString Instanz::laufzeitVerzeichnis() {
  const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!xdg.isEmpty() && QFileInfo(xdg).isDir()) return xdg;
  const QString qt = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return qt.isEmpty() ? QDir::tempPath() : qt;
}

bool Instanz::erste() {
  if (gehalten_) return true;
  gehalten_ = sperre_.tryLock(0);
  if (gehalten_) return true;
  if (sperre_.error() == QLockFile::LockFailedError) return false;
  qWarning() << "Bewahrix: Sperrdatei nicht anlegbar, Test auf laufendes Programm entfällt:"
             << dateipfad_;
  return true;
}

Meldung bereitsAktiv() {
  return {u"Diese Anwendung ist bereits aktiv!"_s, u"Bewahrix"_s, Symbol::Ausrufezeichen, Knoepfe::Ok,
          Antwort::Ok};
}

bool pruefeErsteInstanz(Instanz& instanz, Dialoge& dialoge) {
  if (instanz.erste()) return true;
  dialoge.zeige(bereitsAktiv());
  return false;
}

}  // namespace bewahrix
