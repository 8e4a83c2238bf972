#include "platform/Dateisystem.h"
#include "platform/Fehlertext.h"

#include "support/TestUmgebung.h"

#include <QFile>

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

struct DateisystemTest : test::FrischeUmgebung { PosixDateisystem dateisystem; };

// Through a link at the target the link is replaced, not written through; no setuid/setgid. A kernel file is read to its end.
TEST_F(DateisystemTest, KopieBehaeltInhaltZeitenUndRechteUndErsetztDasZiel) {
  const QString quelle = pfad(u"quelle.bin"_s);
  const QByteArray inhalt("Anfang\0Mitte\r\nEnde", 18);
  schreibeDatei(quelle, inhalt);
  ASSERT_EQ(::chmod(QFile::encodeName(quelle).constData(), 06751), 0);
  schreibeDatei(pfad(u"draussen"_s), "draussen");
  verknuepfe(pfad(u"draussen"_s), pfad(u"verweis"_s));
  setzeZeiten(quelle, {1500000000, 5}, {1600000000, 123456789});
  ASSERT_TRUE(dateisystem.kopieren(quelle, pfad(u"verweis"_s)).ok());
  const struct stat info = statOhneFolgen(pfad(u"verweis"_s));  // before reading moves the access time
  EXPECT_EQ(QList<qint64>({info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_atim.tv_sec, info.st_atim.tv_nsec, info.st_mode}),
            QList<qint64>({1600000000, 123456789, 1500000000, 5, S_IFREG | 0751}));
  EXPECT_EQ(std::pair(leseDatei(pfad(u"verweis"_s)), leseDatei(pfad(u"draussen"_s))), std::pair(inhalt, "draussen"_ba));
  ASSERT_TRUE(dateisystem.kopieren(u"/proc/version"_s, pfad(u"version"_s)).ok());  // its size says 0
  EXPECT_EQ(leseDatei(pfad(u"version"_s)), leseDatei(u"/proc/version"_s));
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
  schreibeDatei(pfad(u"gross"_s), QByteArray(3 * 1024 * 1024, 'g'));
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
