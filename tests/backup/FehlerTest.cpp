#include "LaufUmgebung.h"
#include "platform/VollePlatte.h"

#include "platform/Fehlertext.h"
#include "store/Datensaetze.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <set>
#include <sys/stat.h>

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
  Status kopieren(const QString& quelle, const QString& ziel) override {
    if (dateien.count(quelle)) return Fehler{EACCES, fehlertext(EACCES)};
    return PosixDateisystem::kopieren(quelle, ziel);
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

TEST_F(FehlerTest, UngewoehnlicheNamenUndTiefeBaeume) {
  const QStringList namen = {u"mit Leerzeichen.txt"_s, u"Ärger über Öl.doc"_s, u"zeilen\numbruch"_s,
                             u"-fängt mit Strich an"_s, QString(251, u'n') + u".txt"_s};
  for (const QString& name : namen) datei(u"quelle/Daten/"_s + name, name.toUtf8());
  QString tief = u"quelle/Daten/"_s;
  for (int ebene = 0; ebene < 110; ++ebene) tief += u"e/"_s;
  datei(tief + u"unten.txt"_s, "ganz unten");
  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben);
  lauf();

  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 0);
  for (const QString& name : namen)
    EXPECT_EQ(test::leseDatei(ziel() + u"Daten/"_s + name), name.toUtf8()) << name.toStdString();
  EXPECT_EQ(test::leseDatei(ziel() + tief.mid(7) + u"unten.txt"_s), "ganz unten");
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
