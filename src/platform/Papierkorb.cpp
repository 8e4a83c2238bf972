#include "platform/Papierkorb.h"

#include "platform/Fehlertext.h"

#include "platform/Dateihandle.h"

#include <QByteArray>
#include "platform/Pfade.h"

#include <cerrno>
#include <optional>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace bewahrix {

namespace {

// The errno closest to a GIO error, so callers can tell a vanished item from
// other failures; 0 where none fits.
int fehlernummerFuer(const GError* fehler) {
  if (fehler->domain != G_IO_ERROR) return 0;
  switch (fehler->code) {
    case G_IO_ERROR_NOT_FOUND: return ENOENT;
    case G_IO_ERROR_PERMISSION_DENIED: return EACCES;
    case G_IO_ERROR_NOT_SUPPORTED: return ENOTSUP;
    case G_IO_ERROR_NO_SPACE: return ENOSPC;
    case G_IO_ERROR_READ_ONLY: return EROFS;
    case G_IO_ERROR_NOT_DIRECTORY: return ENOTDIR;
    case G_IO_ERROR_IS_DIRECTORY: return EISDIR;
    case G_IO_ERROR_FILENAME_TOO_LONG: return ENAMETOOLONG;
    default: return 0;
  }
}

void merke(std::optional<Fehler>& ersterFehler) {
  if (!ersterFehler) ersterFehler = systemfehler();
}

// Removes everything in the directory open as fd, depth first, and closes
// fd. Entries are opened relative to their parent with O_NOFOLLOW, so no
// symbolic link is ever followed, even one swapped in meanwhile; a file
// system mounted below (a stick, a share) is not entered.
void leeren(int fd, std::optional<Fehler>& ersterFehler) {
  struct stat selbst {};
  if (::fstat(fd, &selbst) != 0) {
    merke(ersterFehler);
    ::close(fd);
    return;
  }
  DIR* verzeichnis = ::fdopendir(fd);
  if (!verzeichnis) {
    merke(ersterFehler);
    ::close(fd);
    return;
  }
  struct Eintrag {
    QByteArray name;
    bool verzeichnis;
  };
  // All names first: removing while reading may skip entries on some file
  // systems.
  std::vector<Eintrag> eintraege;
  for (;;) {
    errno = 0;
    const dirent* eintrag = ::readdir(verzeichnis);
    if (!eintrag) {
      if (errno != 0) merke(ersterFehler);
      break;
    }
    const QByteArray name(eintrag->d_name);
    if (name == "." || name == "..") continue;
    bool unterverzeichnis = eintrag->d_type == DT_DIR;
    if (eintrag->d_type == DT_UNKNOWN) {
      struct stat info {};
      unterverzeichnis = ::fstatat(::dirfd(verzeichnis), eintrag->d_name, &info,
                                   AT_SYMLINK_NOFOLLOW) == 0 &&
                         S_ISDIR(info.st_mode);
    }
    eintraege.push_back({name, unterverzeichnis});
  }

  const int eltern = ::dirfd(verzeichnis);
  for (const Eintrag& eintrag : eintraege) {
    if (eintrag.verzeichnis) {
      const int kind = ::openat(eltern, eintrag.name.constData(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      struct stat info {};
      if (kind < 0) {
        merke(ersterFehler);
      } else if (::fstat(kind, &info) != 0) {
        merke(ersterFehler);
        ::close(kind);
      } else if (info.st_dev != selbst.st_dev) {
        if (!ersterFehler) ersterFehler = Fehler{EXDEV, fehlertext(EXDEV)};
        ::close(kind);
        continue;
      } else {
        leeren(kind, ersterFehler);
      }
    }
    if (::unlinkat(eltern, eintrag.name.constData(), eintrag.verzeichnis ? AT_REMOVEDIR : 0) != 0)
      merke(ersterFehler);
  }
  ::closedir(verzeichnis);
}

}  // namespace

Status SystemEntferner::inDenPapierkorb(const QString& pfad) {
  g_autoptr(GFile) datei = g_file_new_for_path(pfade::bytes(pfad).constData());
  g_autoptr(GError) fehler = nullptr;
  if (!g_file_trash(datei, nullptr, &fehler))
    return Fehler{fehlernummerFuer(fehler), QString::fromUtf8(fehler->message)};
  return erfolg();
}

Status SystemEntferner::endgueltigLoeschen(const QString& pfad) {
  QByteArray name = pfade::bytes(pfad);
  // With a trailing separator a link to a directory would be resolved; the
  // link itself is meant.
  while (name.size() > 1 && name.endsWith('/')) name.chop(1);
  struct stat info {};
  if (::lstat(name.constData(), &info) != 0) return systemfehler();
  if (!S_ISDIR(info.st_mode)) {
    if (::unlink(name.constData()) != 0) return systemfehler();
    return erfolg();
  }

  std::optional<Fehler> ersterFehler;
  const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0)
    merke(ersterFehler);
  else
    leeren(fd, ersterFehler);
  if (::rmdir(name.constData()) != 0) merke(ersterFehler);
  if (ersterFehler) return *ersterFehler;
  return erfolg();
}

}  // namespace bewahrix
