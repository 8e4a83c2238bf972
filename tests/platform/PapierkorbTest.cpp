#include "platform/Papierkorb.h"

#include "Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QProcess>
#include <QFile>

#include <cerrno>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;

namespace {

// In a child: GLib keeps the HOME and XDG_DATA_HOME of its first use in a process.
Status inDenPapierkorb(const QString& pfad) {
  return test::imKindprozess([&] { return SystemEntferner().inDenPapierkorb(pfad); });
}

QString papierkorb() { return QFile::decodeName(qgetenv("XDG_DATA_HOME")) + u"/Trash/"_s; }

}  // namespace

class PapierkorbTest : public test::FrischeUmgebung {};

// What lands in the Trash, with its original path: LeerenTest.
TEST_F(PapierkorbTest, FehlendeDateiOderUnbrauchbarerPapierkorbMeldenFehler) {
  EXPECT_EQ(inDenPapierkorb(home() + u"fehlt.txt"_s).fehler().nummer, ENOENT);
  const QString datei = home() + u"Brief an Jürgen.txt"_s;
  schreibeDatei(datei, "Hallo");
  ASSERT_TRUE(inDenPapierkorb(datei).ok());
  // Then a file where the trash directory belongs: GIO cannot create it.
  QDir(papierkorb()).removeRecursively();
  schreibeDatei(papierkorb().chopped(1), "kein Verzeichnis");
  schreibeDatei(datei, "bleibt");
  const Status ohne = inDenPapierkorb(datei);
  ASSERT_FALSE(ohne.ok());
  EXPECT_FALSE(ohne.fehler().text.isEmpty());
  EXPECT_EQ(leseDatei(datei), "bleibt");
}

TEST_F(PapierkorbTest, EndgueltigLoeschenMeldetErstenFehlerUndLoeschtDenRest) {
  const QString eltern = pfad(u"eltern"_s);
  const QString baum = eltern + u"/baum"_s;
  for (const QString& d : {u"/a"_s, u"/unter/b"_s, u"/gesperrt/bleibt"_s, u"/z"_s}) schreibeDatei(baum + d, "x");
  const bool anderer = test::brauchtAnderenBenutzer();
  if (anderer) {
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
