#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// The real file system with chosen faults (permission bits would not stop root).
struct Gestoert final : PosixDateisystem {
  std::set<QString> unlesbar;
  bool langsam = false, flushScheitert = false;
  int flushes = 0;
  QString veraenderlich;  // rewritten, each time longer, as each of the next copies begins
  int aenderungen = 0, laenge = 100;
  Verzeichnisinhalt inhalt(const QString& v) override {
    return unlesbar.count(QDir::cleanPath(v)) ? Verzeichnisinhalt{{}, {}, Fehler{EACCES, fehlertext(EACCES)}, {}} : PosixDateisystem::inhalt(v);
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

// Odd names, special files, links, unreadable parts and a too deep path, into a new target.
TEST_F(FehlerTest, UngewoehnlicherBaumInEinNeuesTiefesZiel) {
  const QString q = pfad(u"quelle/Daten/"_s);
  const QByteArray qb = QFile::encodeName(q);
  QDir().mkpath(q);
  QList<QByteArray> namen = {".versteckt", "Fotos Sommer \xe9t\xe9/Bild \xe9.jpg", "zeilen\numbruch", "-f\xc3\xa4ngt mit Strich an",
                             QByteArray(251, 'n') + ".txt", "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac.txt",
                             "nur-ignoriert/unten/x.txt", QByteArray("e/").repeated(110) + "unten.txt",
                             "a\xe9", "a\xe8"};  // one byte apart: neither may overwrite the other
  for (const QByteArray& name : namen) schreibeRoh(qb, name);
  for (const char* name : {"nur-ignoriert/desktop.ini", "zz geheim \xe9/x.txt"}) schreibeRoh(qb, name);
  store->write(schluessel::ignorierListe(0), u"desktop.ini"_s, u"01. Jan. 2026"_s);
  datei(u"extern/ziel.txt"_s, "über einen Verweis");
  datei(u"extern/ordner/nicht.txt"_s);
  ASSERT_EQ(::mkfifo((qb + "rohr").constData(), 0644), 0);
  test::verknuepfe(u"../../extern/ziel.txt"_s, q + u"verweis.txt"_s);
  test::verknuepfe(u"../../extern/ordner"_s, q + u"ordnerverweis"_s);
  test::verknuepfe(u".."_s, q + u"schleife"_s);
  test::verknuepfe(u"gibt-es-nicht"_s, q + u"kaputt"_s);
  test::legeSocketAn(q + u"sockel"_s);
  // Twenty levels of 250 bytes: deeper than a path may be.
  const QString vorher = QDir::currentPath();
  ASSERT_EQ(::chdir(qb.constData()), 0);
  for (char c = 'a'; c < 'a' + 20; ++c)
    ASSERT_TRUE(::mkdir(QByteArray(250, c).constData(), 0755) == 0 && ::chdir(QByteArray(250, c).constData()) == 0);
  ::close(::creat("tief.txt", 0644));
  QDir::setCurrent(vorher);
  auto* fs = new Gestoert;
  nimm(std::unique_ptr<Dateisystem>(fs));
  const QString geheim = q + u"zz geheim "_s + QChar(0xdce9);
  fs->unlesbar = {geheim};

  const QString tief = pfad(u"neu/a/b/"_s);
  aufgabe(0, {q + u"*.***"_s}, ImmerUeberschreiben, tief);
  lauf();

  const QString verweigert = fehlertext(EACCES);
  const QStringList fehler = fehlerZeilen();
  ASSERT_EQ(fehler.size(), 2) << fehler.join(u'\n').toStdString();
  EXPECT_TRUE(fehler.at(0).endsWith(u" nicht lesbar: "_s + fehlertext(ENAMETOOLONG)));
  EXPECT_EQ(fehler.at(1), u"    => Error, Verzeichnis "_s + geheim + u" nicht lesbar: "_s + verweigert);
  EXPECT_TRUE(hat(2, u"  ==> Kopiere "_s + q + u"zeilen\numbruch"_s));  // the logbook's code page makes it "?"
  // An unreadable directory is not reported as empty as well, nor copied empty.
  const qsizetype danach = logbuch->zeilen.indexOf(test::Zeile{0, fehler.at(1)}) + 1;
  EXPECT_NE(logbuch->zeilen.value(danach).second, u"    => keine Datei gefunden"_s);
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 2);

  // Each copy under its name byte for byte, and as long as that name, which is its content.
  QByteArrayList erwartet = {"verweis.txt " + QByteArray::number(QByteArray("über einen Verweis").size())};
  for (const QByteArray& name : namen) erwartet.append(name + ' ' + QByteArray::number(name.size()));
  std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(findeRoh(tief + u"Daten"_s, {u"-type"_s, u"f"_s, u"-printf"_s, u"%P %s\\0"_s}), erwartet);
  EXPECT_NE(::access(QFile::encodeName(tief + u"Daten/zz geheim"_s).append(" \xe9").constData(), F_OK), 0);
  // The temporary folder's own clean-up cannot reach below PATH_MAX.
  EXPECT_TRUE(entferner->endgueltigLoeschen(q + QString(250, u'a')).ok());
}

TEST_F(FehlerTest, AbbruchMittenInDerKopieLaesstDieAlteSicherung) {
  auto* fs = new Gestoert;
  nimm(std::unique_ptr<Dateisystem>(fs));
  fs->langsam = true;
  datei(u"ziel/gross.bin"_s, "die alte Sicherung");
  aufgabe(0, {datei(u"quelle/gross.bin"_s, QByteArray(2 * 1024 * 1024, 'n')), datei(u"quelle/danach.txt"_s)});
  const QString verschoben = pfad(u"verschoben/"_s);  // where the target folder goes as the run is cancelled
  host.beimNachgeben = [&] {
    if (host.nachgegeben != 3) return;
    sicherung->abbrechen();
    QDir().rename(ziel(), verschoben);
  };
  lauf();
  // The old copy untouched: no temporary, nothing after.
  EXPECT_EQ(std::tuple(test::leseDatei(verschoben + u"gross.bin"_s), test::alleEintraege(verschoben)),
            std::tuple("die alte Sicherung"_ba, QStringList{u"gross.bin"_s}));
  EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Kopiervorgang abgebrochen"_s});
  EXPECT_TRUE(hat(6, u"... bis zum Abbruch von 0 Datei(en) wurden 0 Datei(en) Fehlerfrei verarbeitet"_s));
  EXPECT_TRUE(hat(6, u"<<< Aufgabe 1 abgebrochen"_s));
  EXPECT_EQ(host.lampen.last(), (test::Lampe{0, false}));
  EXPECT_LT(host.prozente.value(host.prozente.size() - 1, 100), 100);  // the window heard of the file's progress
}

// A crash's temporary goes, links and other names stay; one failing flush per task fails it.
TEST_F(FehlerTest, ResteEinesAbsturzesUndScheiterndesAufPlatteBringen) {
  auto* fs = new Gestoert;
  nimm(std::unique_ptr<Dateisystem>(fs));
  fs->flushScheitert = true;
  const QString quelle = datei(u"quelle/gross.bin"_s, "neu");
  datei(u"ziel/gross.bin"_s, "die alte Sicherung");
  datei(u"ziel/.gross.bin.bewahrix-aB3xY9"_s, "halb");
  test::verknuepfe(quelle, ziel() + u".x.bewahrix-Zz99zz"_s);
  datei(u"ziel/.gross.bin.bewahrix-12345"_s, "fremd");
  aufgabe(0, {quelle, datei(u"quelle/danach.txt"_s)});
  lauf();
  EXPECT_EQ(std::tuple(test::alleEintraege(ziel()), test::leseDatei(ziel() + u"gross.bin"_s)),
            std::tuple(QStringList{u".gross.bin.bewahrix-12345"_s, u".x.bewahrix-Zz99zz"_s, u"danach.txt"_s, u"gross.bin"_s},
                       "neu"_ba));
  EXPECT_TRUE(hat(8, u"    => Rest eines abgebrochenen Kopiervorgangs entfernt: "_s + ziel() + u".gross.bin.bewahrix-aB3xY9"_s));
  EXPECT_EQ(fs->flushes, 1);  // once for the task that wrote, not per file
  EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Zielverzeichnis "_s + ziel() +
                                      u" nicht auf den Datenträger geschrieben: "_s + fehlertext(EIO)});
}

// A source changed while copied is copied once more; changed again, the old copy stays.
TEST_F(FehlerTest, QuelleAendertSichWaehrendDerKopie) {
  auto* fs = new Gestoert;
  nimm(std::unique_ptr<Dateisystem>(fs));
  fs->veraenderlich = datei(u"quelle/log.txt"_s, "alt");
  datei(u"ziel/log.txt"_s, "die alte Sicherung");
  aufgabe(0, {fs->veraenderlich});
  const struct { int aenderungen; QStringList fehler; QByteArray ziel; } faelle[] = {
      {2, {u"    => Error, Datei wurde während des Kopierens verändert"_s}, "die alte Sicherung"}, {1, {}, QByteArray(103, 'x')}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.aenderungen << " Änderungen");
    fs->aenderungen = f.aenderungen;
    lauf();
    EXPECT_EQ(std::tuple(fehlerZeilen(), test::leseDatei(ziel() + u"log.txt"_s), test::alleEintraege(ziel())),
              std::tuple(f.fehler, f.ziel, QStringList{u"log.txt"_s}));
  }
}
