#pragma once

#include "platform/Dialoge.h"

#include <QLockFile>
#include <QString>

namespace bewahrix {

// One Bewahrix per user: a lock file in the user's runtime directory, held
// for the lifetime of this object. A lock left behind by a process that no
// longer runs (crash, kill -9) is taken over.
class Instanz {
 public:
  // An empty verzeichnis means the user's runtime directory.
  explicit Instanz(const QString& verzeichnis = {});
  Instanz(const Instanz&) = delete;
  Instanz& operator=(const Instanz&) = delete;

  // True when this process holds the lock. Also true when no lock file can
  // be made at all: an unusable runtime directory must not keep the user
  // from the program.
  bool erste();

  QString dateipfad() const { return dateipfad_; }
  // $XDG_RUNTIME_DIR, else what Qt finds as the runtime location.
  static QString laufzeitVerzeichnis();

 private:
  QString dateipfad_;
  QLockFile sperre_;
  bool gehalten_ = false;
};

// "Diese Anwendung ist bereits aktiv!" with the exclamation icon.
Meldung bereitsAktiv();

// The start's test: true for the first instance; otherwise the message is
// shown and the caller ends the process.
bool pruefeErsteInstanz(Instanz& instanz, Dialoge& dialoge);

}  // namespace bewahrix
