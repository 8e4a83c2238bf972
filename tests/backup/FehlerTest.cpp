#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// The real file system with chosen faults (permission bits would not stop root).
struct Gestoert final : PosixDateisystem {
  QString unlesbar;
  bool langsam = false, flushScheitert = false;
  int flushes = 0;
  QString veraenderlich;  // rewritten, each time longer, as each of the next copies begins
  int aenderungen = 0, laenge = 100;
  Verzeichnisinhalt inhalt(const QString& v) override {
    return QDir::cleanPath(v) == unlesbar ? Verzeichnisinhalt{{}, {}, Fehler{EACCES, fehlertext(EACCES)}, {}} : PosixDateisystem::inhalt(v);
  }
  Status aufPlatteBringen(const QString& v) override {
    return ++flushes, flushScheitert ? Status(Fehler{EIO, fehlertext(EIO)}) : PosixDateisystem::aufPlatteBringen(v);
  }
  ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
    if (aenderungen > 0 && ::lseek(von, 0, SEEK_CUR) == 0) --aenderungen, test::schreibeDatei(veraenderlich, QByteArray(++laenge, 'x'));
    if (langsam) ::usleep(15000);
    return PosixDateisystem::kopiereBlock(von, nach, langsam ? std::min<size_t>(anzahl, 256 * 1024) : anzahl);
  }
};

// A file whose name is given as bytes, its content that name.
void schreibeRoh(const QByteArray& wurzel, const QByteArray& name) {
  for (qsizetype i = name.indexOf('/'); i >= 0; i = name.indexOf('/', i + 1))
    ::mkdir((wurzel + name.left(i)).constData(), 0755);
  const int fd = ::open((wurzel + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_EQ(::write(fd, name.constData(), static_cast<size_t>(name.size())), name.size());
  ::close(fd);
}

}  // namespace

class FehlerTest : public test::LaufUmgebung {};

// Odd names, special files, links and an unreadable part, into a new target several levels deep.
TEST_F(FehlerTest, UngewoehnlicherBaumInEinNeuesTiefesZiel) {
  const QString q = pfad(u"quelle/Daten/"_s);
  const QByteArray qb = QFile::encodeName(q);
  QDir().mkpath(q);
  QList<QByteArray> namen = {".versteckt", "Fotos Sommer \xe9t\xe9/Bild \xe9.jpg", "zeilen\numbruch", "-f\xc3\xa4ngt mit Strich an",
                             QByteArray(251, 'n') + ".txt", "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac.txt",
                             "unten/x.txt", QByteArray("e/").repeated(110) + "unten.txt",
                             "a\xe9", "a\xe8"};  // one byte apart: neither may overwrite the other
  for (const QByteArray& name : namen) schreibeRoh(qb, name);
  schreibeRoh(qb, "zz geheim \xe9/x.txt");
  datei(u"extern/ziel.txt"_s, "über einen Verweis");
  ASSERT_EQ(::mkfifo((qb + "rohr").constData(), 0644), 0);
  test::verknuepfe(u"../../extern/ziel.txt"_s, q + u"verweis.txt"_s);
  test::verknuepfe(u"../../extern"_s, q + u"ordnerverweis"_s);  // not followed: a walk never runs in circles
  test::verknuepfe(u"gibt-es-nicht"_s, q + u"kaputt"_s);
  const QString geheim = q + u"zz geheim "_s + QChar(0xdce9);
  nimm<Gestoert>().unlesbar = geheim;
  const QString tief = pfad(u"neu/a/b/"_s);
  lauf({q + u"*.***"_s}, ImmerUeberschreiben, tief);

  EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Verzeichnis "_s + geheim + u" nicht lesbar: "_s + fehlertext(EACCES)});
  // Each copy under its name byte for byte, and as long as that name, which is its content.
  QByteArrayList erwartet = {"verweis.txt " + QByteArray::number(QByteArray("über einen Verweis").size())};
  for (const QByteArray& name : namen) erwartet.append(name + ' ' + QByteArray::number(name.size()));
  std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(finde(tief + u"Daten"_s, {u"-type"_s, u"f"_s, u"-printf"_s, u"%P %s\\0"_s}), erwartet);
  // The unreadable directory is not copied as an empty one.
  EXPECT_NE(::access(QFile::encodeName(tief + u"Daten/zz geheim"_s).append(" \xe9").constData(), F_OK), 0);
}

// Changed once while copied: copied again; changed again: the old copy stays and the run says so.
TEST_F(FehlerTest, QuelleAendertSichWaehrendDerKopie) {
  Gestoert& fs = nimm<Gestoert>();
  fs.veraenderlich = datei(u"quelle/log.txt"_s, "alt");
  datei(u"ziel/log.txt"_s, "die alte Sicherung");
  for (const auto& [aenderungen, fehler, inhalt] : {std::tuple(2, QStringList{u"    => Error, Datei wurde während des Kopierens verändert"_s}, "die alte Sicherung"_ba),
                                                   std::tuple(1, QStringList{}, QByteArray(101, 'x'))}) {
    SCOPED_TRACE(testing::Message() << aenderungen << " Änderungen");
    fs.aenderungen = aenderungen, fs.laenge = 100;
    lauf({fs.veraenderlich});
    EXPECT_EQ(std::tuple(fehlerZeilen(), test::leseDatei(ziel() + u"log.txt"_s), test::alleEintraege(ziel())),
              std::tuple(fehler, inhalt, QStringList{u"log.txt"_s}));
  }
}

TEST_F(FehlerTest, AbbruchMittenInDerKopieLaesstDieAlteSicherung) {
  nimm<Gestoert>().langsam = true;
  datei(u"ziel/gross.bin"_s, "die alte Sicherung");
  aufgabe(0, {datei(u"quelle/gross.bin"_s, QByteArray(2 * 1024 * 1024, 'n')), datei(u"quelle/danach.txt"_s)});
  host.beimNachgeben = [&] { if (host.nachgegeben == 3) sicherung->abbrechen(); };
  lauf();
  // The old copy untouched: no temporary, nothing after.
  EXPECT_EQ(std::tuple(test::leseDatei(ziel() + u"gross.bin"_s), test::alleEintraege(ziel())),
            std::tuple("die alte Sicherung"_ba, QStringList{u"gross.bin"_s}));
  EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Kopiervorgang abgebrochen"_s});
  EXPECT_TRUE(hat(6, u"... bis zum Abbruch von 0 Datei(en) wurden 0 Datei(en) Fehlerfrei verarbeitet"_s));
}

// A crash's temporary goes, links and other names stay; one failing flush per task fails it.
TEST_F(FehlerTest, ResteEinesAbsturzesUndScheiterndesAufPlatteBringen) {
  Gestoert& fs = nimm<Gestoert>();
  fs.flushScheitert = true;
  const QString quelle = datei(u"quelle/gross.bin"_s, "neu");
  datei(u"ziel/.gross.bin.bewahrix-aB3xY9"_s, "halb");
  test::verknuepfe(quelle, ziel() + u".x.bewahrix-Zz99zz"_s);
  datei(u"ziel/.gross.bin.bewahrix-12345"_s, "fremd");
  lauf({quelle, datei(u"quelle/danach.txt"_s)});
  EXPECT_EQ(test::alleEintraege(ziel()),
            (QStringList{u".gross.bin.bewahrix-12345"_s, u".x.bewahrix-Zz99zz"_s, u"danach.txt"_s, u"gross.bin"_s}));
  EXPECT_TRUE(hat(8, u"    => Rest eines abgebrochenen Kopiervorgangs entfernt: "_s + ziel() + u".gross.bin.bewahrix-aB3xY9"_s));
  const QString fehler = u"    => Error, Zielverzeichnis "_s + ziel() + u" nicht auf den Datenträger geschrieben: "_s + fehlertext(EIO);
  EXPECT_EQ(std::tuple(fs.flushes, fehlerZeilen()), std::tuple(1, QStringList{fehler}));  // one flush for the task that wrote
}
