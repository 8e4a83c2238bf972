#include "LaufUmgebung.h"

#include "store/Datensaetze.h"

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
    QString beschreibung = QString::number(info.st_mode, 8);
    if (S_ISREG(info.st_mode))
      beschreibung += u' ' + QString::number(info.st_mtim.tv_sec) + u'.' +
                      QString::number(info.st_mtim.tv_nsec) + u' ' +
                      QString::fromLatin1(test::leseDatei(pfad).toHex());
    alles.insert(pfad.mid(wurzel.size()), beschreibung);
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

  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben);
  sicherung->zustand().automatikLauf = true;
  sicherung->aufgabeKopieren(0);
  ASSERT_EQ(sicherung->zustand().fehlerGesamt, 0);

  QDir().mkpath(pfad(u"rsync"_s));
  QProcess rsync;
  rsync.start(u"rsync"_s, {u"-a"_s, pfad(u"quelle/Daten"_s), pfad(u"rsync/"_s)});
  ASSERT_TRUE(rsync.waitForFinished(60000));
  ASSERT_EQ(rsync.exitCode(), 0) << rsync.readAllStandardError().toStdString();

  const auto erwartet = abbild(pfad(u"rsync/Daten"_s));
  const auto kopie = abbild(ziel() + u"Daten"_s);
  EXPECT_EQ(kopie.keys(), erwartet.keys());
  for (auto it = erwartet.begin(); it != erwartet.end(); ++it) {
    // Directories carry the time of the run, not the source's: only the
    // files' times are the backup's business.
    if (it.value().startsWith(u"40"_s)) continue;
    EXPECT_EQ(kopie.value(it.key()), it.value()) << it.key().toStdString();
  }
}
