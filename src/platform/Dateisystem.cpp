#include "platform/Dateisystem.h"

#include "platform/Dateihandle.h"
#include "platform/Fehlertext.h"
#include "platform/Pfade.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

// Bytes asked of kopiereBlock per call: large enough that copy_file_range
// needs few calls, small enough that one call never keeps the window waiting
// (a device that is slow to take the data stalls a call) and that a fault
// injected by a test lands inside an ordinary file.
constexpr size_t blockGroesse = size_t{256} << 10;

// Set when copy_file_range cannot serve the copy in progress, so the rest of
// it goes straight to read/write. Per thread, because one object may copy
// on several threads at once.
thread_local bool ohneCopyFileRange = false;

// A directory opened for reading its entries; closed when it goes away.
class OffenesVerzeichnis {
 public:
  explicit OffenesVerzeichnis(const QString& pfad) {
    const int fd = ::open(pfade::bytes(pfad).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
      fehler_ = errno;
      return;
    }
    verzeichnis_ = ::fdopendir(fd);
    if (!verzeichnis_) {
      fehler_ = errno;
      ::close(fd);
    }
  }
  OffenesVerzeichnis(const OffenesVerzeichnis&) = delete;
  OffenesVerzeichnis& operator=(const OffenesVerzeichnis&) = delete;
  ~OffenesVerzeichnis() {
    if (verzeichnis_) ::closedir(verzeichnis_);
  }

  bool offen() const { return verzeichnis_ != nullptr; }
  int fd() const { return ::dirfd(verzeichnis_); }
  // The errno of a failed open or read; 0 when none failed.
  int fehler() const { return fehler_; }

  // The next entry other than "." and ".."; nullptr at the end or on a read
  // error.
  const dirent* naechster() {
    for (;;) {
      errno = 0;
      const dirent* eintrag = ::readdir(verzeichnis_);
      if (!eintrag) {
        fehler_ = errno;
        return nullptr;
      }
      const char* name = eintrag->d_name;
      if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
      return eintrag;
    }
  }

 private:
  DIR* verzeichnis_ = nullptr;
  int fehler_ = 0;
};

Fehler fehlerFuer(int nummer) { return {nummer, fehlertext(nummer)}; }

// The temporary's name: "." + the target's name + this + six characters.
constexpr char kRestMarke[] = ".bewahrix-";
constexpr qsizetype kZufallsLaenge = 6;

bool istRest(const QByteArray& name) {
  const qsizetype marke = name.size() - kZufallsLaenge - qsizetype(sizeof kRestMarke - 1);
  if (marke < 2 || name.at(0) != '.' || name.mid(marke, sizeof kRestMarke - 1) != kRestMarke)
    return false;
  for (qsizetype i = name.size() - kZufallsLaenge; i < name.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(name.at(i)))) return false;
  return true;
}

// The temporary file a copy is written to, in the target's directory open
// as verzeichnis; removed again unless it has been renamed into place. All
// goes through that descriptor, so a directory moved meanwhile keeps no
// leftover.
class TemporaereDatei {
 public:
  explicit TemporaereDatei(int verzeichnis) : verzeichnis_(verzeichnis) {}
  TemporaereDatei(const TemporaereDatei&) = delete;
  TemporaereDatei& operator=(const TemporaereDatei&) = delete;
  ~TemporaereDatei() {
    if (fd_ >= 0) ::close(fd_);
    if (!name_.isEmpty()) ::unlinkat(verzeichnis_, name_.constData(), 0);
  }

  // Creates ".<ziel>.bewahrix-XXXXXX", mode 0600.
  Status anlegen(QByteArray ziel) {
    // A name that already fills NAME_MAX is shortened so the temporary name
    // still fits; cut at a character boundary so a leftover stays readable.
    const qsizetype platz = NAME_MAX - 1 - qsizetype(sizeof kRestMarke - 1) - kZufallsLaenge;
    if (ziel.size() > platz) {
      qsizetype ende = platz;
      while (ende > 0 && (static_cast<unsigned char>(ziel.at(ende)) & 0xC0) == 0x80) --ende;
      ziel.truncate(ende);
    }
    static constexpr char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int versuch = 0; versuch < 100; ++versuch) {
      QByteArray name = '.' + ziel + kRestMarke;
      for (qsizetype i = 0; i < kZufallsLaenge; ++i)
        name.append(zeichen[QRandomGenerator::global()->bounded(int(sizeof zeichen - 1))]);
      fd_ = ::openat(verzeichnis_, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
      if (fd_ >= 0) {
        name_ = name;
        return erfolg();
      }
      if (errno != EEXIST) break;
    }
    return systemfehler();
  }

  int fd() const { return fd_; }

  // close() reports write errors some file systems only find out late.
  Status schliessen() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return systemfehler();
    return erfolg();
  }

  Status umbenennen(const QByteArray& ziel) {
    if (::renameat(verzeichnis_, name_.constData(), verzeichnis_, ziel.constData()) != 0) return systemfehler();
    name_.clear();
    return erfolg();
  }

 private:
  const int verzeichnis_;
  QByteArray name_;
  int fd_ = -1;
};

// Size, last-write or change time moved: someone wrote to the file.
bool veraendert(const struct stat& vorher, const struct stat& nachher) {
  return vorher.st_size != nachher.st_size || vorher.st_mtim.tv_sec != nachher.st_mtim.tv_sec ||
         vorher.st_mtim.tv_nsec != nachher.st_mtim.tv_nsec || vorher.st_ctim.tv_sec != nachher.st_ctim.tv_sec ||
         vorher.st_ctim.tv_nsec != nachher.st_ctim.tv_nsec;
}

}  // namespace

Verzeichnisinhalt PosixDateisystem::inhalt(const QString& verzeichnis) {
  Verzeichnisinhalt inhalt;
  OffenesVerzeichnis offen(verzeichnis);
  if (!offen.offen()) {
    // A missing directory has no files; that is for the caller to judge.
    if (offen.fehler() != ENOENT && offen.fehler() != ENOTDIR)
      inhalt.fehler = fehlerFuer(offen.fehler());
    return inhalt;
  }
  if (struct stat selbst {}; ::fstat(offen.fd(), &selbst) == 0) inhalt.kennung = Dateikennung{selbst.st_dev, selbst.st_ino};
  while (const dirent* eintrag = offen.naechster()) {
    bool datei = eintrag->d_type == DT_REG;
    bool unterverzeichnis = eintrag->d_type == DT_DIR;
    // Only links and entries of unknown type need a look at the inode. A
    // file may be reached through a link; a subdirectory never is, so a
    // walk cannot run in circles.
    if (eintrag->d_type == DT_LNK || eintrag->d_type == DT_UNKNOWN) {
      struct stat info {};
      datei = ::fstatat(offen.fd(), eintrag->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
      unterverzeichnis = eintrag->d_type == DT_UNKNOWN &&
                         ::fstatat(offen.fd(), eintrag->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                         S_ISDIR(info.st_mode);
    }
    if (datei) inhalt.dateien.append(pfade::ausBytes(eintrag->d_name));
    if (unterverzeichnis) inhalt.unterverzeichnisse.append(pfade::ausBytes(eintrag->d_name));
  }
  if (offen.fehler() != 0) inhalt.fehler = fehlerFuer(offen.fehler());
  inhalt.dateien.sort();
  inhalt.unterverzeichnisse.sort();
  return inhalt;
}

Ergebnis<Dateistatus> PosixDateisystem::status(const QString& pfad) {
  struct stat info {};
  if (::stat(pfade::bytes(pfad).constData(), &info) != 0) return systemfehler();
  return Dateistatus{static_cast<qint64>(info.st_size), static_cast<qint64>(info.st_mtim.tv_sec),
                     S_ISREG(info.st_mode), {info.st_dev, info.st_ino}};
}

Status PosixDateisystem::verzeichnisAnlegen(const QString& pfad) {
  if (::mkdir(pfade::bytes(pfad).constData(), 0777) != 0) return systemfehler();
  return erfolg();
}

Status Dateisystem::verzeichnisseAnlegen(const QString& pfad) {
  Status angelegt = verzeichnisAnlegen(pfad);
  if (angelegt || angelegt.fehler().nummer != ENOENT) return angelegt;
  QString ohneTrenner = pfad;
  while (ohneTrenner.size() > 1 && pfade::endetMitTrenner(ohneTrenner)) ohneTrenner.chop(1);
  const QString eltern = pfade::verzeichnisteil(ohneTrenner);
  if (eltern.size() <= 1 || eltern.size() >= pfad.size()) return angelegt;
  if (Status oben = verzeichnisseAnlegen(eltern); !oben && oben.fehler().nummer != EEXIST) return oben;
  return verzeichnisAnlegen(pfad);
}

Ergebnis<QStringList> alleEintraege(const QString& verzeichnis) {
  OffenesVerzeichnis offen(verzeichnis);
  if (!offen.offen()) return fehlerFuer(offen.fehler());
  QStringList namen;
  while (const dirent* eintrag = offen.naechster()) namen.append(pfade::ausBytes(eintrag->d_name));
  if (offen.fehler() != 0) return fehlerFuer(offen.fehler());
  return namen;
}

QStringList PosixDateisystem::resteEntfernen(const QString& verzeichnis) {
  QStringList entfernt;
  OffenesVerzeichnis offen(verzeichnis);
  if (!offen.offen()) return entfernt;
  while (const dirent* eintrag = offen.naechster()) {
    const QByteArray name(eintrag->d_name);
    if (eintrag->d_type != DT_REG && eintrag->d_type != DT_UNKNOWN) continue;
    if (!istRest(name)) continue;
    struct stat info {};
    if (::fstatat(offen.fd(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
      continue;
    if (::unlinkat(offen.fd(), name.constData(), 0) == 0) entfernt.append(pfade::ausBytes(name.constData()));
  }
  return entfernt;
}

Status PosixDateisystem::aufPlatteBringen(const QString& verzeichnis) {
  auto offen = Dateihandle::oeffnen(verzeichnis, O_RDONLY | O_DIRECTORY);
  if (!offen) return offen.fehler();
  if (::syncfs(offen.wert().fd()) != 0) return systemfehler();
  return erfolg();
}

Status PosixDateisystem::kopieren(const QString& quelle, const QString& ziel, const Fortschritt& fortschritt) {
  // Opening a device can have effects of its own (a tape rewinds): only a
  // regular file is opened at all.
  struct stat vorab {};
  if (::stat(pfade::bytes(quelle).constData(), &vorab) != 0) return systemfehler();
  if (!S_ISREG(vorab.st_mode)) return Fehler{EINVAL, u"Keine reguläre Datei: "_s + quelle};
  // O_NONBLOCK keeps the open from waiting for a writer when the source was
  // swapped for a FIFO meanwhile.
  auto quellDatei = Dateihandle::oeffnen(quelle, O_RDONLY | O_NONBLOCK);
  if (!quellDatei) return quellDatei.fehler();
  const int von = quellDatei.wert().fd();
  struct stat vorher {};
  if (::fstat(von, &vorher) != 0) return systemfehler();
  if (!S_ISREG(vorher.st_mode)) return Fehler{EINVAL, u"Keine reguläre Datei: "_s + quelle};
  const int flags = ::fcntl(von, F_GETFL);
  if (flags < 0 || ::fcntl(von, F_SETFL, flags & ~O_NONBLOCK) != 0) return systemfehler();

  const QString ort = pfade::verzeichnisteil(ziel);
  auto verzeichnis = Dateihandle::oeffnen(ort.isEmpty() ? u"."_s : ort, O_PATH | O_DIRECTORY);
  if (!verzeichnis) return verzeichnis.fehler();
  const QByteArray name = pfade::bytes(pfade::namensteil(ziel));

  // A log file written to all day must not hold up the run: one more try.
  for (int versuch = 1;; ++versuch) {
    TemporaereDatei temporaer(verzeichnis.wert().fd());
    if (auto angelegt = temporaer.anlegen(name); !angelegt) return angelegt;

    ohneCopyFileRange = false;
    // Only what was there at the start: a file that keeps growing would
    // otherwise be copied for as long as its writer goes on. A size of 0
    // says nothing (the kernel's pseudo files): such a file is read to its end.
    const bool bisZumEnde = vorher.st_size == 0;
    for (qint64 kopiert = 0; bisZumEnde || kopiert < vorher.st_size;) {
      const qint64 rest = bisZumEnde ? qint64{blockGroesse} : vorher.st_size - kopiert;
      const auto anzahl = static_cast<size_t>(std::min<qint64>(blockGroesse, rest));
      const ssize_t bewegt = kopiereBlock(von, temporaer.fd(), anzahl);
      if (bewegt < 0 && errno == EINTR) continue;
      if (bewegt < 0) return systemfehler();
      if (bewegt == 0) break;  // it shrank: the check below says so
      kopiert += bewegt;
      if (fortschritt && !fortschritt(kopiert, vorher.st_size)) return fehlerFuer(ECANCELED);
    }
    struct stat nachher {};
    if (::fstat(von, &nachher) != 0) return systemfehler();
    if (veraendert(vorher, nachher)) {
      if (versuch > 1) return Fehler{0, u"Datei wurde während des Kopierens verändert"_s};
      vorher = nachher;
      if (::lseek(von, 0, SEEK_SET) != 0) return systemfehler();
      continue;
    }

    // Setuid and setgid bits are not carried over: the copy belongs to
    // whoever runs the backup.
    if (::fchmod(temporaer.fd(), vorher.st_mode & 01777) != 0) return systemfehler();
    const timespec zeiten[2] = {vorher.st_atim, vorher.st_mtim};
    if (::futimens(temporaer.fd(), zeiten) != 0) return systemfehler();
    if (auto geschlossen = temporaer.schliessen(); !geschlossen) return geschlossen;
    // rename replaces a link at ziel instead of writing through it, and fails
    // on a directory.
    return temporaer.umbenennen(name);
  }
}

ssize_t PosixDateisystem::kopiereBlock(int von, int nach, size_t anzahl) {
  if (!ohneCopyFileRange) {
    ssize_t bewegt;
    do {
      bewegt = ::copy_file_range(von, nullptr, nach, nullptr, anzahl, 0);
    } while (bewegt < 0 && errno == EINTR);
    if (bewegt > 0) return bewegt;
    // Some kernels report 0 for files they cannot copy this way (across file
    // systems, pseudo files); read() below tells the real end.
    if (bewegt < 0 && errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL)
      return -1;
    ohneCopyFileRange = true;
  }

  std::array<char, 64 * 1024> puffer;
  ssize_t gelesen;
  do {
    gelesen = ::read(von, puffer.data(), std::min(anzahl, puffer.size()));
  } while (gelesen < 0 && errno == EINTR);
  if (gelesen <= 0) return gelesen;
  ssize_t geschrieben = 0;
  while (geschrieben < gelesen) {
    const ssize_t n = ::write(nach, puffer.data() + geschrieben,
                              static_cast<size_t>(gelesen - geschrieben));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    geschrieben += n;
  }
  return gelesen;
}

}  // namespace bewahrix
