#include "platform/Papierkorb.h"

#include "Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using bewahrix::Status;
using bewahrix::SystemEntferner;
using bewahrix::test::imKindprozess;
using bewahrix::test::leseDatei;
using bewahrix::test::schreibeDatei;
using bewahrix::test::verknuepfe;

namespace {

bool gibtEs(const QString& pfad) {
  struct stat info {};
  return ::lstat(QFile::encodeName(pfad).constData(), &info) == 0;
}

// GLib remembers HOME and XDG_DATA_HOME at its first use in a process, so
// each trash call runs in a child that sees this test's fresh environment.
Status inDenPapierkorb(const QString& pfad) {
  return imKindprozess([&] { return SystemEntferner().inDenPapierkorb(pfad); });
}

QString papierkorb() { return QFile::decodeName(qgetenv("XDG_DATA_HOME")) + u"/Trash/"_s; }

// The original path recorded for an item of the trash, undone from its
// percent encoding.
QString ursprungspfad(const QString& name) {
  const QByteArray info = leseDatei(papierkorb() + u"info/"_s + name + u".trashinfo"_s);
  for (const QByteArray& zeile : info.split('\n'))
    if (zeile.startsWith("Path="))
      return QFile::decodeName(QByteArray::fromPercentEncoding(zeile.mid(5)));
  return {};
}

}  // namespace

class PapierkorbTest : public bewahrix::test::FrischeUmgebung {};

TEST_F(PapierkorbTest, DateiUndVerzeichnisLandenMitUrsprungspfadImPapierkorb) {
  const QString datei = home() + u"Brief an Jürgen.txt"_s;
  const QString ordner = home() + u"Alte Entwürfe"_s;
  schreibeDatei(datei, "Hallo");
  schreibeDatei(ordner + u"/innen/Übersicht.txt"_s, "innen");

  for (const QString& pfad : {datei, ordner}) {
    const Status status = inDenPapierkorb(pfad);
    ASSERT_TRUE(status.ok()) << status.fehler().text.toStdString();
    EXPECT_FALSE(gibtEs(pfad)) << pfad.toStdString();
  }

  EXPECT_EQ(leseDatei(papierkorb() + u"files/Brief an Jürgen.txt"_s), "Hallo");
  EXPECT_EQ(leseDatei(papierkorb() + u"files/Alte Entwürfe/innen/Übersicht.txt"_s), "innen");
  EXPECT_EQ(ursprungspfad(u"Brief an Jürgen.txt"_s), datei);
  EXPECT_EQ(ursprungspfad(u"Alte Entwürfe"_s), ordner);
}


TEST_F(PapierkorbTest, OhnePapierkorbBleibtDasObjekt) {
  const QString datei = home() + u"bleibt.txt"_s;
  schreibeDatei(datei, "bleibt");
  // A file where the trash directory belongs: GIO cannot create it.
  schreibeDatei(papierkorb().chopped(1), "kein Verzeichnis");

  const Status status = inDenPapierkorb(datei);
  ASSERT_FALSE(status.ok());
  EXPECT_FALSE(status.fehler().text.isEmpty());
  EXPECT_EQ(leseDatei(datei), "bleibt");

  const Status fehlt = inDenPapierkorb(home() + u"fehlt.txt"_s);
  ASSERT_FALSE(fehlt.ok());
  EXPECT_EQ(fehlt.fehler().nummer, ENOENT);
  EXPECT_FALSE(fehlt.fehler().text.isEmpty());
}

TEST_F(PapierkorbTest, EndgueltigLoeschenFolgtKeinerVerknuepfung) {
  const QString draussen = pfad(u"draussen"_s);
  schreibeDatei(draussen + u"/datei"_s, "draussen");
  schreibeDatei(draussen + u"/ordner/tief"_s, "tief");

  const QString baum = pfad(u"baum mit Ümlaut"_s);
  schreibeDatei(baum + u"/a"_s, "a");
  schreibeDatei(baum + u"/.versteckt"_s, "v");
  schreibeDatei(baum + u"/unter/tiefer/b"_s, "b");
  verknuepfe(draussen + u"/datei"_s, baum + u"/zur Datei"_s);
  verknuepfe(draussen + u"/ordner"_s, baum + u"/unter/zum Ordner"_s);
  verknuepfe(u"fehlt"_s, baum + u"/kaputt"_s);
  ASSERT_EQ(::mkfifo(QFile::encodeName(baum + u"/fifo"_s).constData(), 0600), 0);

  SystemEntferner entferner;
  const Status status = entferner.endgueltigLoeschen(baum);
  ASSERT_TRUE(status.ok()) << status.fehler().text.toStdString();
  EXPECT_FALSE(gibtEs(baum));
  EXPECT_EQ(leseDatei(draussen + u"/datei"_s), "draussen");
  EXPECT_EQ(leseDatei(draussen + u"/ordner/tief"_s), "tief");

  // A link handed over directly goes as a link, with or without separator.
  for (const QString& angabe : {pfad(u"verweis"_s), pfad(u"verweis/"_s)}) {
    verknuepfe(draussen + u"/ordner"_s, pfad(u"verweis"_s));
    const Status link = entferner.endgueltigLoeschen(angabe);
    ASSERT_TRUE(link.ok()) << angabe.toStdString() << ": " << link.fehler().text.toStdString();
    EXPECT_FALSE(gibtEs(pfad(u"verweis"_s)));
    EXPECT_EQ(leseDatei(draussen + u"/ordner/tief"_s), "tief");
  }

  ASSERT_TRUE(entferner.endgueltigLoeschen(draussen + u"/datei"_s).ok());
  EXPECT_FALSE(gibtEs(draussen + u"/datei"_s));
  EXPECT_EQ(entferner.endgueltigLoeschen(pfad(u"fehlt"_s)).fehler().nummer, ENOENT);
}

TEST_F(PapierkorbTest, EndgueltigLoeschenMeldetErstenFehlerUndLoeschtDenRest) {
  const QString eltern = pfad(u"eltern"_s);
  const QString baum = eltern + u"/baum"_s;
  schreibeDatei(baum + u"/a"_s, "a");
  schreibeDatei(baum + u"/unter/b"_s, "b");
  schreibeDatei(baum + u"/gesperrt/bleibt"_s, "bleibt");
  schreibeDatei(baum + u"/z"_s, "z");

  const bool anderer = bewahrix::test::brauchtAnderenBenutzer();
  if (anderer) {
    // The tree belongs to the other user; only gesperrt refuses removal.
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) GTEST_SKIP() << "no user nobody to drop root for";
    ASSERT_EQ(::chmod(QFile::encodeName(pfad(QString())).constData(), 0711), 0);
    QDirIterator alle(eltern, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    QStringList pfade{eltern};
    while (alle.hasNext()) pfade.append(alle.next());
    for (const QString& p : pfade)
      ASSERT_EQ(::lchown(QFile::encodeName(p).constData(), nobody->pw_uid, nobody->pw_gid), 0);
  }
  ASSERT_EQ(::chmod(QFile::encodeName(baum + u"/gesperrt"_s).constData(), 0555), 0);

  const Status status =
      imKindprozess([&] { return SystemEntferner().endgueltigLoeschen(baum); }, anderer);
  ::chmod(QFile::encodeName(baum + u"/gesperrt"_s).constData(), 0755);

  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.fehler().nummer, EACCES) << status.fehler().text.toStdString();
  EXPECT_EQ(leseDatei(baum + u"/gesperrt/bleibt"_s), "bleibt");
  EXPECT_EQ(QDir(baum).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{u"gesperrt"_s});
}
