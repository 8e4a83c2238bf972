#include "platform/Dateisystem.h"
#include "platform/Fehlertext.h"

#include "Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;

static struct stat statOhneFolgen(const QString& pfad) {
  struct stat info {};
  EXPECT_EQ(::lstat(QFile::encodeName(pfad).constData(), &info), 0) << pfad.toStdString();
  return info;
}

static std::tuple<int, QString> fehlerVon(const Status& s) {
  return s.ok() ? std::tuple(0, QString()) : std::tuple(s.fehler().nummer, s.fehler().text);
}

// Bytes that differ from block to block, so a repeated or dropped block shows.
static QByteArray muster(qsizetype groesse) {
  QByteArray daten(groesse, Qt::Uninitialized);
  for (qsizetype i = 0; i < groesse; ++i) daten[i] = static_cast<char>((i * 7 + i / 4093) % 251);
  return daten;
}

struct VollePlatte final : PosixDateisystem {
  explicit VollePlatte(qint64 platz) : platz(platz) {}
  ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
    if (geschrieben >= platz) return errno = ENOSPC, -1;
    const ssize_t n = PosixDateisystem::kopiereBlock(von, nach, std::min(anzahl, static_cast<size_t>(platz - geschrieben)));
    geschrieben += std::max<ssize_t>(n, 0);
    return n;
  }
  const qint64 platz;
  qint64 geschrieben = 0;
};

struct DateisystemTest : test::FrischeUmgebung { PosixDateisystem dateisystem; };

TEST_F(DateisystemTest, StatusUndVerzeichnisAnlegen) {
  schreibeDatei(pfad(u"b.txt"_s), "fünf");
  setzeZeiten(pfad(u"b.txt"_s), {1600000000, 0}, {1700000000, 999999999});
  verknuepfe(u"b.txt"_s, pfad(u"a link"_s));
  for (const QString& angabe : {pfad(u"b.txt"_s), pfad(u"a link"_s)})  // time cut to the second, never rounded up
    EXPECT_EQ(std::tuple(dateisystem.status(angabe).wert().groesse, dateisystem.status(angabe).wert().geaendert),
              std::tuple(5, 1700000000));
  EXPECT_EQ(dateisystem.status(pfad(u"fehlt"_s)).fehler().nummer, ENOENT);
  for (const auto& [p, nummer] : {std::pair{u"neu"_s, 0}, std::pair{u"neu"_s, EEXIST}, std::pair{u"fehlt/neu"_s, ENOENT}}) {
    const Status s = dateisystem.verzeichnisAnlegen(pfad(p));
    SCOPED_TRACE(p.toStdString());
    EXPECT_EQ(fehlerVon(s), std::tuple(nummer, nummer ? fehlertext(nummer) : QString()));
  }
}

TEST_F(DateisystemTest, UnlesbaresVerzeichnisMeldetFehler) {
  const QString gesperrt = pfad(u"gesperrt"_s);
  schreibeDatei(gesperrt + u"/b"_s, "b");
  ASSERT_EQ(::chmod(QFile::encodeName(gesperrt).constData(), 0), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(pfad(QString())).constData(), 0711), 0);  // the other user must reach it
  const Status unlesbar = test::imKindprozess([&]() -> Status {
    const auto inhalt = PosixDateisystem().inhalt(gesperrt);
    return inhalt.fehler ? *inhalt.fehler : Fehler{0, inhalt.dateien.join(u',')};
  }, test::brauchtAnderenBenutzer());
  ::chmod(QFile::encodeName(gesperrt).constData(), 0755);
  EXPECT_EQ(fehlerVon(unlesbar), std::tuple(EACCES, fehlertext(EACCES)));
}

TEST_F(DateisystemTest, KopieBehaeltInhaltZeitenUndRechteUndErsetztDasZiel) {
  const QString quelle = pfad(u"quelle.bin"_s);
  const QByteArray inhalt("Anfang\0Mitte\r\nEnde", 18);
  schreibeDatei(quelle, inhalt);
  ASSERT_EQ(::chmod(QFile::encodeName(quelle).constData(), 06751), 0);
  const QString ziel = pfad(u"ziel.bin"_s);
  schreibeDatei(ziel, "alter, längerer Inhalt");
  ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0600), 0);
  schreibeDatei(pfad(u"draussen"_s), "draussen");
  verknuepfe(pfad(u"draussen"_s), pfad(u"verweis"_s));

  for (const QString& nach : {ziel, pfad(u"verweis"_s)}) {
    setzeZeiten(quelle, {1500000000, 5}, {1600000000, 123456789});
    const Status status = dateisystem.kopieren(quelle, nach);
    ASSERT_TRUE(status.ok()) << status.fehler().text.toStdString();
    const struct stat info = statOhneFolgen(nach);  // before reading moves the access time; no setuid/setgid
    EXPECT_EQ(QList<qint64>({info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_atim.tv_sec, info.st_atim.tv_nsec, info.st_mode}),
              QList<qint64>({1600000000, 123456789, 1500000000, 5, S_IFREG | 0751}));
    EXPECT_EQ(leseDatei(nach), inhalt);
  }
  EXPECT_EQ(leseDatei(pfad(u"draussen"_s)), "draussen");
}

// A name filling NAME_MAX: the temporary sits hidden beside the target, cut between UTF-8 characters.
TEST_F(DateisystemTest, LangeNamenUeberEinenVerstecktenZwischenstand) {
  struct Beobachter : PosixDateisystem {
    QString ziel; QStringList waehrendDerKopie;
    ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
      if (waehrendDerKopie.isEmpty()) waehrendDerKopie = test::alleEintraege(QFileInfo(ziel).path());
      return PosixDateisystem::kopiereBlock(von, nach, anzahl);
    }
  };
  const QString name = u'x' + QString(127, u'ä');
  Beobachter b;
  b.ziel = pfad(u"ziel/"_s) + name;
  schreibeDatei(pfad(u"quelle"_s), name.toUtf8());
  QDir().mkpath(pfad(u"ziel"_s));
  ASSERT_TRUE(b.kopieren(pfad(u"quelle"_s), b.ziel).ok());
  const QString zwischen = b.waehrendDerKopie.value(0);
  EXPECT_EQ(std::tuple(zwischen.startsWith(u'.'), zwischen.contains(QChar::ReplacementCharacter)), std::tuple(true, false))
      << zwischen.toStdString();
  EXPECT_EQ(std::tuple(test::alleEintraege(pfad(u"ziel"_s)), leseDatei(b.ziel)), std::tuple(QStringList{name}, name.toUtf8()));
}

// Failing copies leave the target as it was, also on a disk full part-way; a FIFO does not block.
TEST_F(DateisystemTest, FehlgeschlageneKopieHinterlaesstNichts) {
  const QString quelle = pfad(u"quelle"_s);
  schreibeDatei(quelle, "inhalt");
  schreibeDatei(pfad(u"gross"_s), muster(3 * 1024 * 1024));
  const QString ziel = pfad(u"ziel/"_s);
  schreibeDatei(ziel + u"ordner/drin"_s, "drin");
  schreibeDatei(ziel + u"daten"_s, "alt");
  setzeZeiten(ziel + u"daten"_s, {1400000000, 0}, {1400000000, 42});
  ASSERT_EQ(::mkfifo(QFile::encodeName(pfad(u"fifo"_s)).constData(), 0600), 0);
  VollePlatte platte(1536 * 1024);
  const struct { Dateisystem& mit; QString von, nach; int nummer; QString text; } faelle[] = {
      {dateisystem, quelle, ziel + u"ordner"_s, EISDIR, fehlertext(EISDIR)},
      {dateisystem, quelle, ziel + u"fehlt/datei"_s, ENOENT, fehlertext(ENOENT)},
      {dateisystem, pfad(u"fehlt"_s), ziel + u"datei"_s, ENOENT, fehlertext(ENOENT)},
      {dateisystem, ziel + u"ordner"_s, ziel + u"datei"_s, EINVAL, u"Keine reguläre Datei: "_s + ziel + u"ordner"_s},
      {dateisystem, pfad(u"fifo"_s), ziel + u"fifo"_s, EINVAL, u"Keine reguläre Datei: "_s + pfad(u"fifo"_s)},
      {platte, pfad(u"gross"_s), ziel + u"daten"_s, ENOSPC, fehlertext(ENOSPC)},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE((f.von + u" -> "_s + f.nach).toStdString());
    const Status status = f.mit.kopieren(f.von, f.nach);
    EXPECT_EQ(fehlerVon(status), std::tuple(f.nummer, f.text));
  }
  EXPECT_EQ(platte.geschrieben, 1536 * 1024) << "the disk must fill up part-way";
  EXPECT_EQ(test::alleEintraege(ziel), (QStringList{u"daten"_s, u"ordner"_s}));
  EXPECT_EQ(std::tuple(leseDatei(ziel + u"ordner/drin"_s), leseDatei(ziel + u"daten"_s), statOhneFolgen(ziel + u"daten"_s).st_mtim.tv_nsec),
            std::tuple("drin"_ba, "alt"_ba, 42));
}

// Also across file systems, and a kernel file whose size says 0.
TEST_F(DateisystemTest, GrosseLeereUndPseudodateienWerdenGenauKopiert) {
  QTemporaryDir anderswo(u"/dev/shm/bewahrix-test-XXXXXX"_s);
  for (const QString& quelle : {pfad(u"quelle"_s), anderswo.isValid() ? anderswo.filePath(u"quelle"_s) : pfad(u"q2"_s)})
    for (const qsizetype groesse : {qsizetype{3 * 1024 * 1024 + 123}, qsizetype{0}}) {
      schreibeDatei(quelle, muster(groesse));
      ASSERT_TRUE(dateisystem.kopieren(quelle, pfad(u"kopie"_s)).ok()) << quelle.toStdString();
      EXPECT_EQ(leseDatei(pfad(u"kopie"_s)), muster(groesse));
    }
  ASSERT_TRUE(dateisystem.kopieren(u"/proc/version"_s, pfad(u"version"_s)).ok());
  EXPECT_EQ(leseDatei(pfad(u"version"_s)), leseDatei(u"/proc/version"_s));
}
