#pragma once

#include "platform/Ergebnis.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include <sys/types.h>

namespace bewahrix {

// Which file or directory a path leads to: device and inode.
struct Dateikennung {
  quint64 geraet = 0;
  quint64 knoten = 0;
  bool operator==(const Dateikennung&) const = default;
};

// What a listing of one directory found.
struct Verzeichnisinhalt {
  // Names of regular files and of symbolic links to regular files, sorted.
  // Directories, links to directories, broken links, FIFOs, sockets and
  // device files are left out.
  QStringList dateien;
  // Names of the subdirectories, sorted; symbolic links are not followed,
  // so a link loop cannot make a walk endless.
  QStringList unterverzeichnisse;
  // Set when the directory exists but could not be read completely
  // (no permission, I/O error). A missing directory is not an error.
  std::optional<Fehler> fehler;
  // The directory itself, when it could be opened.
  std::optional<Dateikennung> kennung;
};

// Size and last-write time of a file.
struct Dateistatus {
  qint64 groesse = 0;
  qint64 geaendert = 0;  // seconds since the epoch, cut to the second
  bool regulaer = true;  // false for a directory, FIFO or device
  Dateikennung kennung;
};

// Told during a copy how many of the source's bytes are copied; the copy
// stops with ECANCELED, leaving the target as it was, when it returns false.
using Fortschritt = std::function<bool(qint64 kopiert, qint64 gesamt)>;

// The file operations of a backup run. The run goes through this seam only,
// so tests can make single operations fail (a full disk, a vanished source).
class Dateisystem {
 public:
  virtual ~Dateisystem() = default;

  // The files and subdirectories directly in verzeichnis (with or without
  // trailing separator), read in one pass.
  virtual Verzeichnisinhalt inhalt(const QString& verzeichnis) = 0;
  // Size and last-write time of a file (following links), with one call.
  virtual Ergebnis<Dateistatus> status(const QString& pfad) = 0;
  // Creates exactly one directory level; fails with EEXIST when it exists.
  virtual Status verzeichnisAnlegen(const QString& pfad) = 0;
  // Creates pfad with every missing level above it: ok when pfad itself was
  // created, EEXIST when it was there already.
  Status verzeichnisseAnlegen(const QString& pfad);
  // Copies quelle over ziel, fail-safe: the content goes into a temporary
  // file beside ziel, which replaces ziel only when complete. On failure the
  // previous ziel is untouched and no temporary file remains, also when the
  // target's directory was moved meanwhile. The copy keeps the source's
  // last-write time (to the nanosecond) and permission bits. It reads no more
  // than the size the source had when it began (a source of size 0 to its
  // end, as the kernel's pseudo files need); a source whose size,
  // last-write or change time differ afterwards is copied once more, and
  // when it changed again the copy fails, saying so. A source that is
  // not a regular file (FIFO, device, directory) fails without blocking.
  // fortschritt, when set, is asked after every block.
  virtual Status kopieren(const QString& quelle, const QString& ziel,
                          const Fortschritt& fortschritt) = 0;
  Status kopieren(const QString& quelle, const QString& ziel) { return kopieren(quelle, ziel, {}); }
  // Removes what copies cut off by a crash left in verzeichnis: regular
  // files named like the copy's temporary, never through a link. Returns
  // the removed names.
  virtual QStringList resteEntfernen(const QString& verzeichnis) = 0;
  // Writes what the system still holds in memory for the file system of
  // verzeichnis to its device. May be called from another thread.
  virtual Status aufPlatteBringen(const QString& verzeichnis) = 0;
};

// Every entry of a directory (dot-files included), unsorted, or why it could
// not be read.
Ergebnis<QStringList> alleEintraege(const QString& verzeichnis);

// The real file system through POSIX calls.
class PosixDateisystem : public Dateisystem {
 public:
  Verzeichnisinhalt inhalt(const QString& verzeichnis) override;
  Ergebnis<Dateistatus> status(const QString& pfad) override;
  Status verzeichnisAnlegen(const QString& pfad) override;
  using Dateisystem::kopieren;
  Status kopieren(const QString& quelle, const QString& ziel, const Fortschritt& fortschritt) override;
  QStringList resteEntfernen(const QString& verzeichnis) override;
  Status aufPlatteBringen(const QString& verzeichnis) override;

 protected:
  // Moves up to anzahl bytes from the source descriptor to the temporary
  // file; returns the bytes moved, 0 at the end of the source, or -1 with
  // errno set. Tests override it to fail part-way.
  virtual ssize_t kopiereBlock(int von, int nach, size_t anzahl);
};

}  // namespace bewahrix
