#include "platform/Papierkorb.h"

#include "Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QProcess>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;

namespace {

// GLib remembers HOME and XDG_DATA_HOME at its first use in a process, so
// each trash call runs in a child that sees this test's fresh environment.
Status inDenPapierkorb(const QString& pfad) {
  return test::imKindprozess([&] { return SystemEntferner().inDenPapierkorb(pfad); });
}

QString papierkorb() { return QFile::decodeName(qgetenv("XDG_DATA_HOME")) + u"/Trash/"_s; }

// The original path recorded for an item of the trash.
QString ursprungspfad(const QString& name) {
  const QByteArray info = leseDatei(papierkorb() + u"info/"_s + name + u".trashinfo"_s);
  const qsizetype ab = info.indexOf("\nPath=") + 6;
  return QFile::decodeName(QByteArray::fromPercentEncoding(info.mid(ab, info.indexOf('\n', ab) - ab)));
}

}  // namespace

class PapierkorbTest : public test::FrischeUmgebung {};

TEST_F(PapierkorbTest, DateiUndVerzeichnisLandenMitUrsprungspfadImPapierkorb) {
  const QString datei = home() + u"Brief an Jürgen.txt"_s, ordner = home() + u"Alte Entwürfe"_s;
  schreibeDatei(datei, "Hallo");
  schreibeDatei(ordner + u"/innen/Übersicht.txt"_s, "innen");
  for (const QString& pfad : {datei, ordner}) ASSERT_TRUE(inDenPapierkorb(pfad).ok() && !QFileInfo::exists(pfad)) << pfad.toStdString();
  EXPECT_EQ(leseDatei(papierkorb() + u"files/Brief an Jürgen.txt"_s), "Hallo");
  EXPECT_EQ(leseDatei(papierkorb() + u"files/Alte Entwürfe/innen/Übersicht.txt"_s), "innen");
  EXPECT_EQ(QStringList({ursprungspfad(u"Brief an Jürgen.txt"_s), ursprungspfad(u"Alte Entwürfe"_s)}),
            QStringList({datei, ordner}));

  EXPECT_EQ(inDenPapierkorb(home() + u"fehlt.txt"_s).fehler().nummer, ENOENT);
  // A file where the trash directory belongs: GIO cannot create it.
  QDir(papierkorb()).removeRecursively();
  schreibeDatei(papierkorb().chopped(1), "kein Verzeichnis");
  schreibeDatei(datei, "bleibt");
  const Status ohne = inDenPapierkorb(datei);
  EXPECT_FALSE(ohne.ok() || ohne.fehler().text.isEmpty());
  EXPECT_EQ(leseDatei(datei), "bleibt");
}

TEST_F(PapierkorbTest, EndgueltigLoeschenMeldetErstenFehlerUndLoeschtDenRest) {
  const QString eltern = pfad(u"eltern"_s);
  const QString baum = eltern + u"/baum"_s;
  for (const QString& d : {u"/a"_s, u"/unter/b"_s, u"/gesperrt/bleibt"_s, u"/z"_s}) schreibeDatei(baum + d, "x");
  const bool anderer = test::brauchtAnderenBenutzer();
  if (anderer) {
    // The tree belongs to the other user; only gesperrt refuses removal.
    if (!::getpwnam("nobody")) GTEST_SKIP() << "no user nobody to drop root for";
    ASSERT_EQ(::chmod(QFile::encodeName(pfad(QString())).constData(), 0711), 0);
    ASSERT_EQ(QProcess::execute(u"chown"_s, {u"-R"_s, u"nobody:"_s, eltern}), 0);
  }
  ASSERT_EQ(::chmod(QFile::encodeName(baum + u"/gesperrt"_s).constData(), 0555), 0);
  const Status status = test::imKindprozess([&] { return SystemEntferner().endgueltigLoeschen(baum); }, anderer);
  ::chmod(QFile::encodeName(baum + u"/gesperrt"_s).constData(), 0755);
  EXPECT_EQ(status.fehler().nummer, EACCES);
  EXPECT_EQ(test::alleEintraege(baum), QStringList{u"gesperrt"_s});
  EXPECT_EQ(test::alleEintraege(baum + u"/gesperrt"_s), QStringList{u"bleibt"_s});
}
