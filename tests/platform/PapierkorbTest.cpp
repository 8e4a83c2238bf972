#include "platform/Papierkorb.h"

#include "Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;

class PapierkorbTest : public test::FrischeUmgebung {};

// What lands in the Trash, with its original path: LeerenTest.
TEST_F(PapierkorbTest, FehlendeDateiOderUnbrauchbarerPapierkorbMeldenFehler) {
  // In a child: GLib keeps the HOME and XDG_DATA_HOME of its first use in a process.
  const auto inDenPapierkorb = [](const QString& pfad) { return imKindprozess([&] { return SystemEntferner().inDenPapierkorb(pfad); }); };
  const QString datei = home() + u"Brief an Jürgen.txt"_s;
  EXPECT_EQ(inDenPapierkorb(datei).fehler().nummer, ENOENT);
  schreibeDatei(datei, "Hallo");
  ASSERT_TRUE(inDenPapierkorb(datei).ok());
  // Then a file where the trash directory belongs: GIO cannot create it.
  const QString papierkorb = QFile::decodeName(qgetenv("XDG_DATA_HOME")) + u"/Trash"_s;
  QDir(papierkorb).removeRecursively();
  schreibeDatei(papierkorb, "kein Verzeichnis");
  schreibeDatei(datei, "bleibt");
  const Status ohne = inDenPapierkorb(datei);
  EXPECT_EQ(std::pair(ohne.ok() || ohne.fehler().text.isEmpty(), leseDatei(datei)), std::pair(false, "bleibt"_ba));
}

TEST_F(PapierkorbTest, EndgueltigLoeschenMeldetErstenFehlerUndLoeschtDenRest) {
  const QString baum = pfad(u"eltern/baum"_s), gesperrt = baum + u"/gesperrt"_s;
  for (const QString& d : {u"/a"_s, u"/unter/b"_s, u"/gesperrt/bleibt"_s, u"/z"_s}) schreibeDatei(baum + d, "x");
  const bool anderer = brauchtAnderenBenutzer();
  if (anderer) {
    if (!::getpwnam("nobody")) GTEST_SKIP() << "no user nobody to drop root for";
    ASSERT_EQ(::chmod(QFile::encodeName(pfad(QString())).constData(), 0711), 0);
    ASSERT_EQ(QProcess::execute(u"chown"_s, {u"-R"_s, u"nobody:"_s, pfad(u"eltern"_s)}), 0);
  }
  ASSERT_EQ(::chmod(QFile::encodeName(gesperrt).constData(), 0555), 0);
  const Status status = imKindprozess([&] { return SystemEntferner().endgueltigLoeschen(baum); }, anderer);
  ::chmod(QFile::encodeName(gesperrt).constData(), 0755);
  EXPECT_EQ(std::tuple(status.ok() ? 0 : status.fehler().nummer, alleEintraege(baum), alleEintraege(gesperrt)),
            std::tuple(EACCES, QStringList{u"gesperrt"_s}, QStringList{u"bleibt"_s}));
}
