#include "platform/Dateisystem.h"
#include "platform/Fehlertext.h"

#include "Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

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

static void setzeRechte(const QString& pfad, mode_t rechte) {
  ASSERT_EQ(::chmod(QFile::encodeName(pfad).constData(), rechte), 0) << pfad.toStdString();
}

struct DateisystemTest : test::FrischeUmgebung { PosixDateisystem dateisystem; };

TEST_F(DateisystemTest, StatusUndVerzeichnisAnlegen) {
  schreibeDatei(pfad(u"b.txt"_s), "fünf");
  setzeZeiten(pfad(u"b.txt"_s), {1600000000, 0}, {1700000000, 999999999});
  verknuepfe(u"b.txt"_s, pfad(u"a link"_s));  // followed; the time cut to the second, never rounded up
  const auto status = dateisystem.status(pfad(u"a link"_s)).wert();
  EXPECT_EQ(std::tuple(status.groesse, status.geaendert, dateisystem.status(pfad(u"fehlt"_s)).fehler().nummer),
            std::tuple(5, 1700000000, ENOENT));
  for (const auto& [p, nummer] : {std::pair{u"neu"_s, 0}, std::pair{u"neu"_s, EEXIST}, std::pair{u"fehlt/neu"_s, ENOENT}})
    EXPECT_EQ(fehlerVon(dateisystem.verzeichnisAnlegen(pfad(p))), std::tuple(nummer, nummer ? fehlertext(nummer) : QString())) << p.toStdString();
}

TEST_F(DateisystemTest, UnlesbaresVerzeichnisMeldetFehler) {
  const QString gesperrt = pfad(u"gesperrt"_s);
  schreibeDatei(gesperrt + u"/b"_s, "b");
  setzeRechte(gesperrt, 0);
  setzeRechte(pfad(QString()), 0711);  // the other user must reach it
  const Status unlesbar = test::imKindprozess([&]() -> Status {
    const auto inhalt = PosixDateisystem().inhalt(gesperrt);
    return inhalt.fehler ? *inhalt.fehler : Fehler{0, inhalt.dateien.join(u',')};
  }, test::brauchtAnderenBenutzer());
  setzeRechte(gesperrt, 0755);
  EXPECT_EQ(fehlerVon(unlesbar), std::tuple(EACCES, fehlertext(EACCES)));
}

// Through a link at the target the link is replaced, not written through; no setuid/setgid.
TEST_F(DateisystemTest, KopieBehaeltInhaltZeitenUndRechteUndErsetztDasZiel) {
  const QString quelle = pfad(u"quelle.bin"_s);
  const QByteArray inhalt("Anfang\0Mitte\r\nEnde", 18);
  schreibeDatei(quelle, inhalt);
  setzeRechte(quelle, 06751);
  schreibeDatei(pfad(u"draussen"_s), "draussen");
  verknuepfe(pfad(u"draussen"_s), pfad(u"verweis"_s));
  setzeZeiten(quelle, {1500000000, 5}, {1600000000, 123456789});
  ASSERT_TRUE(dateisystem.kopieren(quelle, pfad(u"verweis"_s)).ok());
  const struct stat info = statOhneFolgen(pfad(u"verweis"_s));  // before reading moves the access time
  EXPECT_EQ(QList<qint64>({info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_atim.tv_sec, info.st_atim.tv_nsec, info.st_mode}),
            QList<qint64>({1600000000, 123456789, 1500000000, 5, S_IFREG | 0751}));
  EXPECT_EQ(std::pair(leseDatei(pfad(u"verweis"_s)), leseDatei(pfad(u"draussen"_s))), std::pair(inhalt, "draussen"_ba));
}

// A name filling NAME_MAX: the temporary sits hidden beside the target, cut between UTF-8 characters.
TEST_F(DateisystemTest, LangeNamenUeberEinenVerstecktenZwischenstand) {
  struct Beobachter : PosixDateisystem {
    QString ordner; QStringList waehrendDerKopie;
    ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
      if (waehrendDerKopie.isEmpty()) waehrendDerKopie = test::alleEintraege(ordner);
      return PosixDateisystem::kopiereBlock(von, nach, anzahl);
    }
  } b;
  const QString name = u'x' + QString(127, u'ä');
  b.ordner = pfad(u"ziel"_s);
  schreibeDatei(pfad(u"quelle"_s), name.toUtf8());
  QDir().mkpath(b.ordner);
  ASSERT_TRUE(b.kopieren(pfad(u"quelle"_s), b.ordner + u'/' + name).ok());
  const QString zwischen = b.waehrendDerKopie.value(0);
  EXPECT_EQ(std::tuple(zwischen.startsWith(u'.'), zwischen.contains(QChar::ReplacementCharacter)), std::tuple(true, false))
      << zwischen.toStdString();
  EXPECT_EQ(std::tuple(test::alleEintraege(b.ordner), leseDatei(b.ordner + u'/' + name)), std::tuple(QStringList{name}, name.toUtf8()));
}

// Failing copies leave the target as it was, also on a disk full part-way; a FIFO does not block.
TEST_F(DateisystemTest, FehlgeschlageneKopieHinterlaesstNichts) {
  struct VollePlatte final : PosixDateisystem {
    ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
      if (geschrieben >= platz) return errno = ENOSPC, -1;
      const ssize_t n = PosixDateisystem::kopiereBlock(von, nach, std::min<size_t>(anzahl, platz - geschrieben));
      geschrieben += std::max<ssize_t>(n, 0);
      return n;
    }
    const qint64 platz = 1536 * 1024;
    qint64 geschrieben = 0;
  } platte;
  const QString ziel = pfad(u"ziel/"_s);
  schreibeDatei(pfad(u"quelle"_s), "inhalt");
  schreibeDatei(pfad(u"gross"_s), muster(3 * 1024 * 1024));
  schreibeDatei(ziel + u"ordner/drin"_s, "drin");
  schreibeDatei(ziel + u"daten"_s, "alt");
  setzeZeiten(ziel + u"daten"_s, {1400000000, 0}, {1400000000, 42});
  ASSERT_EQ(::mkfifo(QFile::encodeName(pfad(u"fifo"_s)).constData(), 0600), 0);
  const struct { Dateisystem& mit; QString von, nach; int nummer; QString text; } faelle[] = {
      {dateisystem, pfad(u"quelle"_s), ziel + u"ordner"_s, EISDIR, fehlertext(EISDIR)},
      {dateisystem, pfad(u"quelle"_s), ziel + u"fehlt/datei"_s, ENOENT, fehlertext(ENOENT)},
      {dateisystem, pfad(u"fifo"_s), ziel + u"fifo"_s, EINVAL, u"Keine reguläre Datei: "_s + pfad(u"fifo"_s)},
      {platte, pfad(u"gross"_s), ziel + u"daten"_s, ENOSPC, fehlertext(ENOSPC)},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(fehlerVon(f.mit.kopieren(f.von, f.nach)), std::tuple(f.nummer, f.text)) << (f.von + u" -> "_s + f.nach).toStdString();
  EXPECT_EQ(platte.geschrieben, platte.platz) << "the disk must fill up part-way";
  EXPECT_EQ(std::tuple(test::alleEintraege(ziel), leseDatei(ziel + u"ordner/drin"_s), leseDatei(ziel + u"daten"_s),
                       statOhneFolgen(ziel + u"daten"_s).st_mtim.tv_nsec),
            std::tuple(QStringList{u"daten"_s, u"ordner"_s}, "drin"_ba, "alt"_ba, 42));
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
