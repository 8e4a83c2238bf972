#include "platform/Dateisystem.h"
#include "platform/Fehlertext.h"

#include "Kindprozess.h"
#include "VollePlatte.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using bewahrix::Fehler;
using bewahrix::PosixDateisystem;
using bewahrix::Status;
using bewahrix::test::leseDatei;
using bewahrix::test::legeSocketAn;
using bewahrix::test::schreibeDatei;
using bewahrix::test::setzeZeiten;
using bewahrix::test::verknuepfe;
using bewahrix::test::VollePlatte;

namespace {

struct stat statOhneFolgen(const QString& pfad) {
  struct stat info {};
  EXPECT_EQ(::lstat(QFile::encodeName(pfad).constData(), &info), 0) << pfad.toStdString();
  return info;
}

// Everything in a directory, hidden entries included: a leftover temporary
// file shows up here.
QStringList alles(const QString& verzeichnis) {
  return QDir(verzeichnis).entryList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Bytes that differ from block to block, so a repeated or dropped block shows.
QByteArray muster(qsizetype groesse) {
  QByteArray daten(groesse, Qt::Uninitialized);
  quint32 wert = 2166136261u;
  for (qsizetype i = 0; i < groesse; ++i) {
    wert = (wert ^ static_cast<quint32>(i)) * 16777619u;
    daten[i] = static_cast<char>(wert >> 24);
  }
  return daten;
}

}  // namespace

class DateisystemTest : public bewahrix::test::FrischeUmgebung {
 protected:
  PosixDateisystem dateisystem;
};

TEST_F(DateisystemTest, DateienInListetNurDateienUndVerknuepfungenAufDateien) {
  const QString ordner = pfad(u"quelle"_s);
  schreibeDatei(ordner + u"/b.txt"_s, "b");
  schreibeDatei(ordner + u"/c"_s, "c");
  schreibeDatei(ordner + u"/.versteckt"_s, "v");
  schreibeDatei(ordner + u"/unter/tief.txt"_s, "t");
  verknuepfe(u"b.txt"_s, ordner + u"/a link"_s);
  verknuepfe(u"fehlt"_s, ordner + u"/kaputt"_s);
  verknuepfe(u"unter"_s, ordner + u"/zum Ordner"_s);
  verknuepfe(u"/dev/null"_s, ordner + u"/geraet"_s);
  ASSERT_EQ(::mkfifo(QFile::encodeName(ordner + u"/fifo"_s).constData(), 0600), 0);
  legeSocketAn(ordner + u"/sock"_s);

  const QStringList erwartet{u".versteckt"_s, u"a link"_s, u"b.txt"_s, u"c"_s};
  for (const QString& angabe : {ordner, ordner + u'/'}) {
    const auto inhalt = dateisystem.inhalt(angabe);
    EXPECT_EQ(inhalt.dateien, erwartet) << angabe.toStdString();
    EXPECT_FALSE(inhalt.fehler.has_value());
  }
}

TEST_F(DateisystemTest, DateienInFehlendesVerzeichnisIstLeerOhneFehler) {
  schreibeDatei(pfad(u"datei"_s), "x");
  for (const QString& angabe : {pfad(u"fehlt"_s), pfad(u"fehlt/tiefer/"_s), pfad(u"datei"_s)}) {
    const auto inhalt = dateisystem.inhalt(angabe);
    EXPECT_TRUE(inhalt.dateien.isEmpty()) << angabe.toStdString();
    EXPECT_FALSE(inhalt.fehler.has_value()) << angabe.toStdString();
  }
}

TEST_F(DateisystemTest, DateienInUnlesbaresVerzeichnisMeldetFehler) {
  const QString offen = pfad(u"offen"_s);
  const QString gesperrt = pfad(u"gesperrt"_s);
  schreibeDatei(offen + u"/a"_s, "a");
  schreibeDatei(gesperrt + u"/b"_s, "b");
  ASSERT_EQ(::chmod(QFile::encodeName(gesperrt).constData(), 0), 0);
  // The other user must be able to reach both directories.
  ASSERT_EQ(::chmod(QFile::encodeName(pfad(QString())).constData(), 0711), 0);

  const bool anderer = bewahrix::test::brauchtAnderenBenutzer();
  const Status lesbar = bewahrix::test::imKindprozess(
      [&]() -> Status {
        const auto inhalt = PosixDateisystem().inhalt(offen);
        if (inhalt.fehler) return *inhalt.fehler;
        if (inhalt.dateien != QStringList{u"a"_s}) return Fehler{-1, inhalt.dateien.join(u',')};
        return bewahrix::erfolg();
      },
      anderer);
  const Status unlesbar = bewahrix::test::imKindprozess(
      [&]() -> Status {
        const auto inhalt = PosixDateisystem().inhalt(gesperrt);
        if (inhalt.fehler) return *inhalt.fehler;
        return Fehler{0, u"kein Fehler, %1 Dateien"_s.arg(inhalt.dateien.size())};
      },
      anderer);
  ::chmod(QFile::encodeName(gesperrt).constData(), 0755);

  EXPECT_TRUE(lesbar.ok()) << lesbar.fehler().text.toStdString();
  ASSERT_FALSE(unlesbar.ok());
  EXPECT_EQ(unlesbar.fehler().nummer, EACCES) << unlesbar.fehler().text.toStdString();
  EXPECT_EQ(unlesbar.fehler().text, bewahrix::fehlertext(EACCES));
}

TEST_F(DateisystemTest, UnterverzeichnisseFolgenKeinerVerknuepfung) {
  const QString baum = pfad(u"baum"_s);
  schreibeDatei(baum + u"/b/x"_s, "x");
  schreibeDatei(baum + u"/.versteckt/y"_s, "y");
  schreibeDatei(baum + u"/datei"_s, "d");
  ASSERT_TRUE(QDir().mkpath(baum + u"/a"_s));
  verknuepfe(u".."_s, baum + u"/a/zurueck"_s);
  verknuepfe(u"b"_s, baum + u"/link"_s);

  EXPECT_EQ(dateisystem.inhalt(baum).unterverzeichnisse,
            (QStringList{u".versteckt"_s, u"a"_s, u"b"_s}));
  EXPECT_EQ(dateisystem.inhalt(baum).dateien, QStringList{u"datei"_s});
  EXPECT_TRUE(dateisystem.inhalt(baum + u"/a/"_s).unterverzeichnisse.isEmpty());
  EXPECT_TRUE(dateisystem.inhalt(baum + u"/a"_s).dateien.isEmpty());
  EXPECT_TRUE(dateisystem.inhalt(pfad(u"fehlt"_s)).unterverzeichnisse.isEmpty());

  // A walk along unterverzeichnisse ends despite the loop a/zurueck -> ..
  QStringList offen{baum};
  int besucht = 0;
  while (!offen.isEmpty() && besucht < 100) {
    const QString ordner = offen.takeFirst();
    ++besucht;
    for (const QString& name : dateisystem.inhalt(ordner).unterverzeichnisse)
      offen.append(ordner + u'/' + name);
  }
  EXPECT_EQ(besucht, 4);
}

TEST_F(DateisystemTest, GroesseUndAenderungszeitFolgenVerknuepfungen) {
  const QString datei = pfad(u"datei"_s);
  schreibeDatei(datei, "fünf");
  setzeZeiten(datei, {1600000000, 0}, {1700000000, 999999999});
  verknuepfe(datei, pfad(u"verweis"_s));

  for (const QString& angabe : {datei, pfad(u"verweis"_s)}) {
    const auto status = dateisystem.status(angabe);
    ASSERT_TRUE(status.ok());
    EXPECT_EQ(status.wert().groesse, 5);
    EXPECT_EQ(status.wert().geaendert, 1700000000);  // cut to the second, never rounded up
  }
  EXPECT_EQ(dateisystem.status(pfad(u"fehlt"_s)).fehler().nummer, ENOENT);
}

TEST_F(DateisystemTest, VerzeichnisAnlegenLegtGenauEineEbeneAn) {
  const QString neu = pfad(u"neu"_s);
  EXPECT_TRUE(dateisystem.verzeichnisAnlegen(neu).ok());
  EXPECT_TRUE(QFileInfo(neu).isDir());
  const Status nochmal = dateisystem.verzeichnisAnlegen(neu);
  ASSERT_FALSE(nochmal.ok());
  EXPECT_EQ(nochmal.fehler().nummer, EEXIST);
  EXPECT_EQ(nochmal.fehler().text, bewahrix::fehlertext(EEXIST));
  EXPECT_EQ(dateisystem.verzeichnisAnlegen(pfad(u"fehlt/neu"_s)).fehler().nummer, ENOENT);
  EXPECT_FALSE(QFileInfo::exists(pfad(u"fehlt"_s)));
}

TEST_F(DateisystemTest, KopieBehaeltInhaltZeitenUndRechte) {
  const QString quelle = pfad(u"quelle.bin"_s);
  const QByteArray inhalt("Anfang\0Mitte\r\nEnde", 18);
  schreibeDatei(quelle, inhalt);
  setzeZeiten(quelle, {1500000000, 5}, {1600000000, 123456789});
  ASSERT_EQ(::chmod(QFile::encodeName(quelle).constData(), 06751), 0);

  const QString ziel = pfad(u"ziel.bin"_s);
  const Status status = dateisystem.kopieren(quelle, ziel);
  ASSERT_TRUE(status.ok()) << status.fehler().text.toStdString();

  // Look before reading: the read itself may move the access time.
  const struct stat info = statOhneFolgen(ziel);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mtim.tv_sec, 1600000000);
  EXPECT_EQ(info.st_mtim.tv_nsec, 123456789);
  EXPECT_EQ(info.st_atim.tv_sec, 1500000000);
  EXPECT_EQ(info.st_atim.tv_nsec, 5);
  // Setuid and setgid do not travel with the copy.
  EXPECT_EQ(info.st_mode & 07777, 0751u);
  EXPECT_EQ(leseDatei(ziel), inhalt);
}

TEST_F(DateisystemTest, KopiertUngewoehnlicheNamen) {
  const QStringList namen{
      u"mit Leerzeichen .txt"_s,
      u"Übergrößenträger.doc"_s,
      u"Zeilen\numbruch"_s,
      u"-beginnt-mit-minus"_s,
      QString(255, u'x'),
      // 255 bytes in UTF-8; the temporary name must be cut between characters.
      u'x' + QString(127, u'ä'),
  };
  for (const QString& name : namen) {
    ASSERT_LE(QFile::encodeName(name).size(), 255);
    schreibeDatei(pfad(u"quelle/"_s) + name, name.toUtf8());
  }
  ASSERT_TRUE(QDir().mkpath(pfad(u"ziel"_s)));

  // Looks at the target directory while the copy is under way.
  class Beobachter : public PosixDateisystem {
   public:
    QString verzeichnis;
    QStringList waehrendDerKopie;

   protected:
    ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
      if (waehrendDerKopie.isEmpty()) waehrendDerKopie = alles(verzeichnis);
      return PosixDateisystem::kopiereBlock(von, nach, anzahl);
    }
  };

  for (const QString& name : namen) {
    Beobachter beobachter;
    beobachter.verzeichnis = pfad(u"ziel"_s);
    const Status status = beobachter.kopieren(pfad(u"quelle/"_s) + name, pfad(u"ziel/"_s) + name);
    ASSERT_TRUE(status.ok()) << name.toStdString() << ": " << status.fehler().text.toStdString();
    EXPECT_EQ(leseDatei(pfad(u"ziel/"_s) + name), name.toUtf8());

    // The temporary file sits hidden beside the target, within NAME_MAX, and
    // its name is still valid UTF-8.
    const QStringList neu = [&] {
      QStringList l = beobachter.waehrendDerKopie;
      l.removeIf([&](const QString& n) { return QFileInfo::exists(pfad(u"ziel/"_s) + n); });
      return l;
    }();
    ASSERT_EQ(neu.size(), 1) << name.toStdString();
    EXPECT_TRUE(neu.first().startsWith(u'.'));
    EXPECT_LE(QFile::encodeName(neu.first()).size(), 255);
    EXPECT_FALSE(neu.first().contains(QChar::ReplacementCharacter));
  }

  QStringList sortiert = namen;
  sortiert.sort();
  EXPECT_EQ(dateisystem.inhalt(pfad(u"ziel"_s)).dateien, sortiert);
  EXPECT_EQ(alles(pfad(u"ziel"_s)).size(), namen.size());
}

TEST_F(DateisystemTest, KopieErsetztZielUndVerknuepfungAmZiel) {
  const QString quelle = pfad(u"quelle"_s);
  schreibeDatei(quelle, "neu");
  const QString ziel = pfad(u"ziel"_s);
  schreibeDatei(ziel, "alter, längerer Inhalt");
  ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0600), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(quelle).constData(), 0644), 0);

  ASSERT_TRUE(dateisystem.kopieren(quelle, ziel).ok());
  EXPECT_EQ(leseDatei(ziel), "neu");
  EXPECT_EQ(statOhneFolgen(ziel).st_mode & 07777, 0644u);

  // A link at the target is replaced, what it points to stays as it was.
  const QString draussen = pfad(u"draussen"_s);
  schreibeDatei(draussen, "draussen");
  const QString verweis = pfad(u"verweis"_s);
  verknuepfe(draussen, verweis);
  ASSERT_TRUE(dateisystem.kopieren(quelle, verweis).ok());
  EXPECT_TRUE(S_ISREG(statOhneFolgen(verweis).st_mode));
  EXPECT_EQ(leseDatei(verweis), "neu");
  EXPECT_EQ(leseDatei(draussen), "draussen");
}

TEST_F(DateisystemTest, FehlgeschlageneKopieHinterlaesstNichts) {
  const QString quelle = pfad(u"quelle"_s);
  schreibeDatei(quelle, "inhalt");
  const QString ziel = pfad(u"ziel"_s);
  schreibeDatei(ziel + u"/ordner/drin"_s, "drin");
  const QStringList vorher = alles(ziel);

  const Status aufOrdner = dateisystem.kopieren(quelle, ziel + u"/ordner"_s);
  ASSERT_FALSE(aufOrdner.ok());
  EXPECT_EQ(aufOrdner.fehler().nummer, EISDIR);
  EXPECT_EQ(leseDatei(ziel + u"/ordner/drin"_s), "drin");

  const Status ohneVerzeichnis = dateisystem.kopieren(quelle, ziel + u"/fehlt/datei"_s);
  ASSERT_FALSE(ohneVerzeichnis.ok());
  EXPECT_EQ(ohneVerzeichnis.fehler().nummer, ENOENT);
  EXPECT_EQ(ohneVerzeichnis.fehler().text, bewahrix::fehlertext(ENOENT));

  const Status ohneQuelle = dateisystem.kopieren(pfad(u"fehlt"_s), ziel + u"/datei"_s);
  ASSERT_FALSE(ohneQuelle.ok());
  EXPECT_EQ(ohneQuelle.fehler().nummer, ENOENT);

  const Status ordnerAlsQuelle = dateisystem.kopieren(ziel + u"/ordner"_s, ziel + u"/datei"_s);
  ASSERT_FALSE(ordnerAlsQuelle.ok());
  EXPECT_TRUE(ordnerAlsQuelle.fehler().text.contains(u"Keine reguläre Datei"_s));

  EXPECT_EQ(alles(ziel), vorher);
}

TEST_F(DateisystemTest, FifoAlsQuelleScheitertSofort) {
  const QString fifo = pfad(u"fifo"_s);
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QDir().mkpath(pfad(u"ziel"_s)));

  auto kopie = std::async(std::launch::async,
                          [&] { return dateisystem.kopieren(fifo, pfad(u"ziel/fifo"_s)); });
  if (kopie.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
    // Give the waiting reader a writer so the test can end.
    const int schreiber = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_CLOEXEC);
    if (schreiber >= 0) ::close(schreiber);
    kopie.wait();
    FAIL() << "kopieren waits for a writer on the FIFO";
  }
  const Status status = kopie.get();
  ASSERT_FALSE(status.ok());
  EXPECT_TRUE(status.fehler().text.contains(fifo));
  EXPECT_TRUE(alles(pfad(u"ziel"_s)).isEmpty());
}

TEST_F(DateisystemTest, VollePlatteLaesstAltesZielUnberuehrt) {
  const QString quelle = pfad(u"quelle/daten"_s);
  schreibeDatei(quelle, muster(3 * 1024 * 1024));
  const QString ordner = pfad(u"ziel"_s);
  const QString ziel = ordner + u"/daten"_s;
  const QByteArray alt = muster(1000).toHex();
  schreibeDatei(ziel, alt);
  setzeZeiten(ziel, {1400000000, 0}, {1400000000, 42});

  VollePlatte platte(1536 * 1024);
  const Status status = platte.kopieren(quelle, ziel);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.fehler().nummer, ENOSPC);
  EXPECT_EQ(status.fehler().text, bewahrix::fehlertext(ENOSPC));
  EXPECT_EQ(platte.geschrieben, 1536 * 1024) << "the disk must fill up part-way";

  EXPECT_EQ(leseDatei(ziel), alt);
  EXPECT_EQ(statOhneFolgen(ziel).st_mtim.tv_nsec, 42);
  EXPECT_EQ(alles(ordner), QStringList{u"daten"_s});
}

// Large and empty files, also from another file system.
TEST_F(DateisystemTest, GrosseUndLeereDateiWerdenGenauKopiert) {
  const auto kopiereGenau = [&](const QString& quelle) {
    for (const qsizetype groesse : {qsizetype{3 * 1024 * 1024 + 123}, qsizetype{0}}) {
      const QByteArray daten = muster(groesse);
      schreibeDatei(quelle, daten);
      setzeZeiten(quelle, {1600000000, 1}, {1600000000, 2});
      const Status status = dateisystem.kopieren(quelle, pfad(u"kopie"_s));
      ASSERT_TRUE(status.ok()) << quelle.toStdString() << ": " << status.fehler().text.toStdString();
      EXPECT_EQ(leseDatei(pfad(u"kopie"_s)), daten);
      EXPECT_EQ(statOhneFolgen(pfad(u"kopie"_s)).st_mtim.tv_nsec, 2);
    }
  };
  kopiereGenau(pfad(u"quelle"_s));

  QTemporaryDir anderswo(u"/dev/shm/bewahrix-test-XXXXXX"_s);
  struct stat hier {}, dort {};
  if (!anderswo.isValid() || ::stat(QFile::encodeName(pfad(QString())).constData(), &hier) != 0 ||
      ::stat(QFile::encodeName(anderswo.path()).constData(), &dort) != 0 ||
      hier.st_dev == dort.st_dev)
    GTEST_SKIP() << "/dev/shm is missing or on the same file system";
  kopiereGenau(anderswo.filePath(u"quelle"_s));
}

// A file the kernel fills while it is read: its size says 0 and
// copy_file_range refuses it, so the read/write path must copy it whole.
TEST_F(DateisystemTest, PseudodateiWirdUeberLesenUndSchreibenKopiert) {
  const QByteArray erwartet = leseDatei(u"/proc/version"_s);
  ASSERT_FALSE(erwartet.isEmpty());
  const Status status = dateisystem.kopieren(u"/proc/version"_s, pfad(u"version"_s));
  ASSERT_TRUE(status.ok()) << status.fehler().text.toStdString();
  EXPECT_EQ(leseDatei(pfad(u"version"_s)), erwartet);
}
