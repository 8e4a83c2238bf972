#include "LaufUmgebung.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// Everything below a directory: relative path -> (kind, mode, mtime, content).
QMap<QString, QString> abbild(const QString& wurzel) {
  QMap<QString, QString> alles;
  QDirIterator it(wurzel, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString pfad = it.next();
    struct stat info {};
    lstat(QFile::encodeName(pfad).constData(), &info);
    // Directories carry the time of the run, not the source's: only the
    // files' times are the backup's business.
    alles.insert(pfad.mid(wurzel.size()),
                 QString::number(info.st_mode, 8) +
                     (S_ISREG(info.st_mode) ? u" %1.%2 "_s.arg(info.st_mtim.tv_sec).arg(info.st_mtim.tv_nsec) +
                                                  QString::fromLatin1(test::leseDatei(pfad).toHex())
                                            : QString()));
  }
  return alles;
}

}  // namespace

class RsyncVergleichTest : public test::LaufUmgebung {};

TEST_F(RsyncVergleichTest, BaumWirdKopiertWieRsyncEsTaete) {
  datei(u"quelle/Daten/a.txt"_s, "A", QDateTime(QDate(2020, 2, 29), QTime(23, 59, 59)));
  datei(u"quelle/Daten/.versteckt"_s, "", QDateTime(QDate(1999, 12, 31), QTime(0, 0)));
  datei(u"quelle/Daten/Fotos 2026/Ölgemälde.jpg"_s, QByteArray(200000, 'j'));
  datei(u"quelle/Daten/Fotos 2026/Urlaub/tief/unten.bin"_s, QByteArray(70000, '\0'));
  QDir().mkpath(pfad(u"quelle/Daten/leer/auch leer"_s));
  const QString skript = pfad(u"quelle/Daten/skript.sh"_s);
  datei(u"quelle/Daten/skript.sh"_s, "#!/bin/sh\n");
  ASSERT_EQ(chmod(QFile::encodeName(skript).constData(), 0750), 0);
  // A time with nanoseconds, as modern file systems keep it.
  test::setzeZeiten(skript, {1700000000, 123456789}, {1700000000, 123456789});

  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)});
  lauf();
  ASSERT_EQ(sicherung->zustand().fehlerGesamt, 0);

  QDir().mkpath(pfad(u"rsync"_s));
  QProcess rsync;
  rsync.start(u"rsync"_s, {u"-a"_s, pfad(u"quelle/Daten"_s), pfad(u"rsync/"_s)});
  ASSERT_TRUE(rsync.waitForFinished(60000));
  ASSERT_EQ(rsync.exitCode(), 0) << rsync.readAllStandardError().toStdString();

  EXPECT_EQ(abbild(ziel() + u"Daten"_s), abbild(pfad(u"rsync/Daten"_s)));
}
