#include "LaufUmgebung.h"
#include "platform/VollePlatte.h"

#include "backup/DateienLoeschen.h"
#include "platform/Fehlertext.h"
#include "platform/Pfade.h"
#include "store/Datensaetze.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <set>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// The real file system, with chosen directories and files that cannot be
// read: as root, permission bits would not stop the run.
class Unlesbar final : public PosixDateisystem {
 public:
  std::set<QString> verzeichnisse;
  std::set<QString> dateien;

  Verzeichnisinhalt inhalt(const QString& verzeichnis) override {
    if (verzeichnisse.count(QDir::cleanPath(verzeichnis)) == 0)
      return PosixDateisystem::inhalt(verzeichnis);
    return {{}, {}, Fehler{EACCES, fehlertext(EACCES)}};
  }
  using PosixDateisystem::kopieren;
  Status kopieren(const QString& quelle, const QString& ziel, const Fortschritt& fortschritt) override {
    if (dateien.count(quelle)) return Fehler{EACCES, fehlertext(EACCES)};
    return PosixDateisystem::kopieren(quelle, ziel, fortschritt);
  }
};


// The real file system, slow enough that a run yields inside a copy, and
// with a flush that can be made to fail.
class Langsam final : public PosixDateisystem {
 public:
  int flushes = 0;
  bool flushScheitert = false;
  Status aufPlatteBringen(const QString& verzeichnis) override {
    ++flushes;
    if (flushScheitert) return Fehler{EIO, fehlertext(EIO)};
    return PosixDateisystem::aufPlatteBringen(verzeichnis);
  }

 protected:
  ssize_t kopiereBlock(int von, int nach, size_t anzahl) override {
    ::usleep(15000);
    return PosixDateisystem::kopiereBlock(von, nach, std::min<size_t>(anzahl, 256 * 1024));
  }
};

}  // namespace

class FehlerTest : public test::LaufUmgebung {
 protected:
  void lauf() {
    sicherung->zustand().automatikLauf = true;
    sicherung->aufgabeKopieren(0);
  }
};

TEST_F(FehlerTest, SonderdateienUndVerweiseImBaum) {
  const QString q = pfad(u"quelle/Daten/"_s);
  datei(u"quelle/Daten/normal.txt"_s, "normal");
  datei(u"extern/ziel.txt"_s, "über einen Verweis");
  QDir().mkpath(pfad(u"extern/ordner"_s));
  datei(u"extern/ordner/nicht.txt"_s);
  ASSERT_EQ(mkfifo(QFile::encodeName(q + u"rohr"_s).constData(), 0644), 0);
  test::verknuepfe(u"../../extern/ziel.txt"_s, q + u"verweis.txt"_s);
  test::verknuepfe(u"../../extern/ordner"_s, q + u"ordnerverweis"_s);
  test::verknuepfe(u".."_s, q + u"schleife"_s);
  test::verknuepfe(u"gibt-es-nicht"_s, q + u"kaputt"_s);
  test::legeSocketAn(q + u"sockel"_s);

  aufgabe(0, {q + u"*.***"_s, q + u"*.*"_s}, ImmerUeberschreiben);
  lauf();

  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 0);
  EXPECT_EQ(test::alleEintraege(ziel() + u"Daten"_s), (QStringList{u"normal.txt"_s, u"verweis.txt"_s}));
  const QFileInfo kopie(ziel() + u"Daten/verweis.txt"_s);
  EXPECT_FALSE(kopie.isSymLink());
  EXPECT_EQ(test::leseDatei(kopie.filePath()), "über einen Verweis");
}

// Every regular file below verzeichnis as raw byte paths, relative to it.
QList<QByteArray> dateienAlsBytes(const QByteArray& verzeichnis, const QByteArray& relativ = {}) {
  QList<QByteArray> dateien;
  DIR* dir = ::opendir((verzeichnis + relativ).constData());
  if (!dir) return dateien;
  while (const dirent* e = ::readdir(dir)) {
    const QByteArray name(e->d_name);
    if (name == "." || name == "..") continue;
    if (e->d_type == DT_DIR)
      dateien += dateienAlsBytes(verzeichnis, relativ + name + '/');
    else
      dateien.append(relativ + name);
  }
  ::closedir(dir);
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

// A file whose name is given as bytes, its content that name.
void schreibeRoh(const QByteArray& wurzel, const QByteArray& name) {
  QByteArray teil = wurzel;
  for (const QByteArray& ebene : name.split('/').mid(0, name.count('/'))) {
    teil += ebene + '/';
    ::mkdir(teil.constData(), 0755);
  }
  const int fd = ::open((wurzel + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, name.constData(), static_cast<size_t>(name.size())), name.size());
  ::close(fd);
}

TEST_F(FehlerTest, NamenAlsBytesInEinNeuesTiefesZiel) {
  const QByteArray q = pfad(u"quelle/Daten/"_s).toUtf8();
  QDir().mkpath(QString::fromUtf8(q));
  QList<QByteArray> namen = {"Fotos Sommer \xe9t\xe9/Bild \xe9.jpg", "zeilen\numbruch",
                             "-f\xc3\xa4ngt mit Strich an", QByteArray(251, 'n') + ".txt",
                             "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac.txt", "nur-ignoriert/unten/x.txt",
                             QByteArray("e/").repeated(110) + "unten.txt"};
  for (const QByteArray& name : namen) schreibeRoh(q, name);
  schreibeRoh(q, "nur-ignoriert/desktop.ini");
  store->write(schluessel::ignorierListe(0), u"desktop.ini"_s, u"01. Jan. 2026"_s);
  std::sort(namen.begin(), namen.end());

  for (const bool papierkorb : {false, true}) {
    const QString tief = pfad(u"neu/a/b/"_s);
    aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben);
    store->write(u"SaveZiel"_s, u"Ziel 0"_s, tief);
    lauf();

    EXPECT_EQ(sicherung->zustand().fehlerGesamt, 0);
    EXPECT_EQ(host.lampen.last(), (QPair<int, bool>{0, true}));
    EXPECT_TRUE(logbuch->zeilen.contains(
        test::Zeile{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s}));
    const QByteArray kopien = tief.toUtf8() + "Daten/";
    EXPECT_EQ(dateienAlsBytes(kopien), namen);
    for (const QByteArray& name : namen) {
      QByteArray inhalt(512, '\0');
      const int fd = ::open((kopien + name).constData(), O_RDONLY);
      inhalt.truncate(fd < 0 ? 0 : ::read(fd, inhalt.data(), 512));
      if (fd >= 0) ::close(fd);
      EXPECT_EQ(inhalt, name);
    }
    // Shown with a stand-in for each byte that is no UTF-8.
    EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{
        2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + QString::fromUtf8(q) + u"Fotos Sommer \xdce9t\xdce9"_s}));
    EXPECT_EQ(pfade::anzeige(u"Sommer \xdce9t\xdce9"_s), u"Sommer ?t?"_s);

    EXPECT_TRUE(dateienLoeschen(*entferner, {tief + u"*.*"_s}, papierkorb));
    EXPECT_TRUE(bewahrix::alleEintraege(tief).wert().isEmpty());
    QDir(pfad(u"neu"_s)).removeRecursively();
  }
}

TEST_F(FehlerTest, ZuLangerPfadIstEinGezaehlterFehler) {
  // Twenty levels of 250 bytes: deeper than a path may be.
  const QByteArray wurzel = pfad(u"quelle/Daten"_s).toUtf8();
  QDir().mkpath(QString::fromUtf8(wurzel));
  int fd = ::open(wurzel.constData(), O_RDONLY | O_DIRECTORY);
  for (int ebene = 0; ebene < 20 && fd >= 0; ++ebene) {
    const QByteArray name(250, static_cast<char>('a' + ebene));
    ::mkdirat(fd, name.constData(), 0755);
    const int unten = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    fd = unten;
  }
  const int datei = ::openat(fd, "tief.txt", O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(datei, 0);
  ::close(datei);
  ::close(fd);
  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben);
  lauf();
  EXPECT_GE(sicherung->zustand().fehlerGesamt, 1);
  EXPECT_EQ(host.lampen.last(), (QPair<int, bool>{0, false}));
  EXPECT_TRUE(std::any_of(logbuch->zeilen.begin(), logbuch->zeilen.end(), [](const test::Zeile& z) {
    return z.first == 0 && z.second.endsWith(fehlertext(ENAMETOOLONG));
  }));
}

TEST_F(FehlerTest, AbgebrocheneKopieLaesstDasAlteZielUnberuehrt) {
  const QString quelle = datei(u"quelle/gross.bin"_s, QByteArray(3 * 1024 * 1024, 'n'));
  datei(u"ziel/gross.bin"_s, "die alte Sicherung");
  dateisystem = std::make_unique<test::VollePlatte>(4096);  // full after the first block
  sicherungAnlegen();
  aufgabe(0, {quelle}, ImmerUeberschreiben);
  lauf();

  EXPECT_EQ(test::leseDatei(ziel() + u"gross.bin"_s), "die alte Sicherung");
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"gross.bin"_s});
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{0, u"    => Error, "_s + fehlertext(ENOSPC)}));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 1);
}

TEST_F(FehlerTest, AbbruchInDerKopieUndResteEinesAbsturzes) {
  auto langsam = std::make_unique<Langsam>();
  Langsam& fs = *langsam;
  dateisystem = std::move(langsam);
  sicherungAnlegen();
  const QString gross = datei(u"quelle/gross.bin"_s, QByteArray(2 * 1024 * 1024, 'n'));
  const QString danach = datei(u"quelle/danach.txt"_s);
  datei(u"ziel/gross.bin"_s, "die alte Sicherung");
  aufgabe(0, {gross, danach}, ImmerUeberschreiben);
  host.beimNachgeben = [&] {
    if (host.nachgegeben == 3) sicherung->abbrechen();
  };
  lauf();

  EXPECT_EQ(test::leseDatei(ziel() + u"gross.bin"_s), "die alte Sicherung");
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"gross.bin"_s});  // no temporary, nothing after
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{0, u"    => Error, Kopiervorgang abgebrochen"_s}));
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{6, u"<<< Aufgabe 1 fertig verarbeitet"_s}));
  EXPECT_EQ(host.lampen.last(), (QPair<int, bool>{0, false}));
  EXPECT_EQ(store->read(u"StatusIn"_s, u"Color0"_s, QString()), u"1"_s);
  ASSERT_FALSE(host.prozente.isEmpty());  // the window heard of the file's progress
  EXPECT_LT(host.prozente.last(), 100);

  // A crash left its temporary beside the old copy; links and other names stay.
  datei(u"ziel/.gross.bin.bewahrix-aB3xY9"_s, "halb");
  test::verknuepfe(gross, ziel() + u".x.bewahrix-Zz99zz"_s);
  datei(u"ziel/.gross.bin.bewahrix-12345"_s, "fremd");
  sicherung->abbruchAufheben();
  host.beimNachgeben = nullptr;
  zeilenVergessen();
  lauf();
  EXPECT_EQ(test::alleEintraege(ziel()),
            (QStringList{u".gross.bin.bewahrix-12345"_s, u".x.bewahrix-Zz99zz"_s, u"danach.txt"_s, u"gross.bin"_s}));
  EXPECT_EQ(test::leseDatei(ziel() + u"gross.bin"_s), QByteArray(2 * 1024 * 1024, 'n'));
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{
      8, u"    => Rest eines abgebrochenen Kopiervorgangs entfernt: "_s + ziel() + u".gross.bin.bewahrix-aB3xY9"_s}));
  EXPECT_EQ(fs.flushes, 1);  // once for the task that wrote, not per file
}

TEST_F(FehlerTest, ScheiterndesAufPlatteBringenIstEinFehler) {
  auto langsam = std::make_unique<Langsam>();
  langsam->flushScheitert = true;
  dateisystem = std::move(langsam);
  sicherungAnlegen();
  aufgabe(0, {datei(u"quelle/a.txt"_s)}, ImmerUeberschreiben);
  lauf();
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{
      0, u"    => Error, Zielverzeichnis "_s + ziel() + u" nicht auf den Datenträger geschrieben: "_s +
             fehlertext(EIO)}));
  EXPECT_EQ(host.lampen.last(), (QPair<int, bool>{0, false}));
}

TEST_F(FehlerTest, UnlesbaresVerzeichnisUndUnlesbareDateiWerdenGemeldet) {
  auto unlesbar = std::make_unique<Unlesbar>();
  unlesbar->verzeichnisse.insert(pfad(u"quelle/Daten/geheim"_s));
  unlesbar->dateien.insert(pfad(u"quelle/Daten/gesperrt.txt"_s));
  dateisystem = std::move(unlesbar);
  sicherungAnlegen();
  datei(u"quelle/Daten/geheim/x.txt"_s);
  datei(u"quelle/Daten/gesperrt.txt"_s);
  datei(u"quelle/Daten/offen.txt"_s);
  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben);
  lauf();

  const QString verweigert = fehlertext(EACCES);
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{
      0, u"    => Error, Verzeichnis "_s + pfad(u"quelle/Daten/geheim"_s) + u" nicht lesbar: "_s + verweigert}));
  // Not reported as empty as well, and no empty copy of it made.
  EXPECT_FALSE(logbuch->zeilen.contains(test::Zeile{2, u"    => keine Datei gefunden"_s}));
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"Daten/geheim"_s));
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{0, u"    => Error, "_s + verweigert}));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"Daten/offen.txt"_s));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 2);
  EXPECT_EQ(host.lampen.last(), (QPair<int, bool>{0, false}));
  EXPECT_TRUE(store->read(u"StatusIn"_s, u"Msgbox0"_s, QString()).startsWith(u"letzte Fehler: am "_s));
}

TEST_F(FehlerTest, NichtBeschreibbaresZiel) {
  const QString quelle = datei(u"quelle/a.txt"_s);
  datei(u"sperre"_s, "eine Datei, kein Verzeichnis");
  aufgabe(0, {quelle, pfad(u"quelle/*.*"_s)}, ImmerUeberschreiben);
  store->write(u"SaveZiel"_s, u"Ziel 0"_s, pfad(u"sperre/"_s));
  lauf();
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 2);
  const int fehlerzeilen = static_cast<int>(std::count_if(
      logbuch->zeilen.begin(), logbuch->zeilen.end(),
      [](const test::Zeile& z) { return z.first == 0 && z.second.startsWith(u"    => Error, "_s); }));
  EXPECT_EQ(fehlerzeilen, 2);
  // With file names recorded, the failing file is named there already.
  EXPECT_FALSE(std::any_of(logbuch->zeilen.begin(), logbuch->zeilen.end(),
                           [](const test::Zeile& z) { return z.second.startsWith(u"    => ... bei "_s); }));
  EXPECT_EQ(test::leseDatei(pfad(u"sperre"_s)), "eine Datei, kein Verzeichnis");
}
