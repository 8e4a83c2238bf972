#include "LaufUmgebung.h"

#include "store/Datensaetze.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

const QString kModus0 = u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s;

// The lines of one copied file of a directory or tree entry.
test::Zeilen kopiert(const QString& quelle, const QString& nach, const QString& groesse,
                     const test::Zeilen& nachDemVorgang = {}) {
  test::Zeilen z = {{2, u"  ==> Kopiere "_s + quelle}, {1, u"  ==> ...nach "_s + nach}, {4, kModus0}};
  z += nachDemVorgang;
  z += test::Zeilen{{4, u"    => Datei kopiert"_s},
                    {4, u"    => Okay, Fehlerfrei verarbeitet"_s},
                    {3, u"    => (Dateigröße "_s + groesse + u" KByte)"_s}};
  return z;
}

}  // namespace

class EintragTest : public test::LaufUmgebung {
 protected:
  void lauf(int index = 0) {
    sicherung->zustand().automatikLauf = true;  // no summary box
    sicherung->aufgabeKopieren(index);
  }
};

TEST(EintragsArt, AmEndeErkannt) {
  EXPECT_EQ(eintragsArt(u"/daten/*.*"_s), EintragsArt::Verzeichnis);
  EXPECT_EQ(eintragsArt(u"/daten/*.***"_s), EintragsArt::Baum);
  EXPECT_EQ(eintragsArt(u"/daten/Briefe"_s), EintragsArt::Datei);
  EXPECT_EQ(eintragsArt(u"/daten/a*.*"_s), EintragsArt::Datei);
  EXPECT_EQ(eintragsArt(u"*.*"_s), EintragsArt::Datei);
}

TEST_F(EintragTest, VerzeichnisOhneUnterverzeichnisse) {
  const QString q = pfad(u"quelle/Briefe"_s);
  datei(u"quelle/Briefe/a.txt"_s, QByteArray(1024, 'a'));
  datei(u"quelle/Briefe/.versteckt"_s, QByteArray(512, 'v'));
  datei(u"quelle/Briefe/unter/nicht.txt"_s);
  aufgabe(0, {q + u"/*.*"_s}, ImmerUeberschreiben);
  lauf();

  test::Zeilen erwartet = {
      {2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + q + u" (ohne Unterverzeichnisse)"_s}};
  erwartet += kopiert(q + u"/.versteckt"_s, ziel() + u"Briefe"_s, u"0,50"_s,
                      {{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu  erstellt"_s}});
  erwartet += kopiert(q + u"/a.txt"_s, ziel() + u"Briefe"_s, u"1,00"_s);
  EXPECT_EQ(dateiZeilen(), erwartet);
  EXPECT_EQ(QDir(ziel() + u"Briefe"_s).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{u".versteckt"_s, u"a.txt"_s}));
}

TEST_F(EintragTest, LeeresOderFehlendesVerzeichnis) {
  QDir().mkpath(pfad(u"quelle/leer"_s));
  aufgabe(0, {pfad(u"quelle/leer/*.*"_s), pfad(u"quelle/fehlt/*.*"_s)}, ImmerUeberschreiben);
  lauf();
  const test::Zeile leer{2, u"    => keine Datei gefunden, Verzeichnis ist leer"_s};
  EXPECT_EQ(dateiZeilen(),
            (test::Zeilen{
                {2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + pfad(u"quelle/leer"_s) +
                        u" (ohne Unterverzeichnisse)"_s},
                leer,
                {2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + pfad(u"quelle/fehlt"_s) +
                        u" (ohne Unterverzeichnisse)"_s},
                leer}));
  EXPECT_EQ(sicherung->anzahlGefunden(), 0);
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 0);
}

TEST_F(EintragTest, BaumMitLeeremUnterverzeichnis) {
  const QString q = pfad(u"quelle/Daten"_s);
  datei(u"quelle/Daten/a.txt"_s, QByteArray(2048, 'a'));
  datei(u"quelle/Daten/Briefe/2024/b.txt"_s, QByteArray(1024, 'b'));
  QDir().mkpath(q + u"/Leer"_s);
  aufgabe(0, {q + u"/*.***"_s}, ImmerUeberschreiben);
  lauf();

  const auto aus = [&](const QString& rel) {
    return test::Zeile{2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + q + rel};
  };
  const test::Zeile nichts{2, u"    => keine Datei gefunden"_s};
  test::Zeilen erwartet = {
      {9, u"    => kopieren aller Dateien und Unterverzeichnisse aus Verzeichnis "_s + q + u"/*.***"_s},
      aus(QString())};
  erwartet += kopiert(q + u"/a.txt"_s, ziel() + u"Daten/"_s, u"2,00"_s);
  erwartet += test::Zeilen{aus(u"/Briefe"_s), nichts,
                           {1, u"  ==> Verzeichniss "_s + ziel() + u"Daten/Briefe/ erstellt"_s},
                           aus(u"/Briefe/2024"_s)};
  erwartet += kopiert(q + u"/Briefe/2024/b.txt"_s, ziel() + u"Daten/Briefe/2024/"_s, u"1,00"_s);
  erwartet += test::Zeilen{aus(u"/Leer"_s), nichts,
                           {1, u"  ==> Verzeichniss "_s + ziel() + u"Daten/Leer/ erstellt"_s}};
  EXPECT_EQ(dateiZeilen(), erwartet);
  EXPECT_TRUE(QFileInfo(ziel() + u"Daten/Leer"_s).isDir());
  EXPECT_EQ(test::leseDatei(ziel() + u"Daten/Briefe/2024/b.txt"_s), QByteArray(1024, 'b'));
}

TEST_F(EintragTest, ZusatzNurAufDerOberstenEbeneUndAnDateien) {
  datei(u"quelle/Daten/Briefe/a.txt"_s);
  datei(u"quelle/Einzeln/b.txt"_s);
  datei(u"quelle/x/c.txt"_s);
  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s), pfad(u"quelle/Einzeln/*.*"_s), pfad(u"quelle/x/c.txt"_s)},
          ImmerUeberschreiben);
  store->write(u"Timer"_s, u"Zusatz0"_s, u"1"_s);
  lauf();
  const QString p = u"Sicherheitskopie von "_s;
  EXPECT_TRUE(QFileInfo::exists(ziel() + p + u"Daten/Briefe/"_s + p + u"a.txt"_s));
  EXPECT_TRUE(QFileInfo::exists(ziel() + p + u"Einzeln/"_s + p + u"b.txt"_s));
  EXPECT_TRUE(QFileInfo::exists(ziel() + p + u"c.txt"_s));
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"c.txt"_s));
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{4, u"===> Kopien erhalten den Anhang <Sicherheitskopie von >"_s}));
}

TEST_F(EintragTest, FehlendeBaumwurzelLegtLeeresZielverzeichnisAn) {
  aufgabe(0, {pfad(u"quelle/Weg/*.***"_s)}, ImmerUeberschreiben);
  lauf();
  const test::Zeilen z = dateiZeilen();
  ASSERT_EQ(z.size(), 4);
  EXPECT_EQ(z.at(2), (test::Zeile{2, u"    => keine Datei gefunden"_s}));
  EXPECT_EQ(z.at(3), (test::Zeile{1, u"  ==> Verzeichniss "_s + ziel() + u"Weg/ erstellt"_s}));
  EXPECT_TRUE(QFileInfo(ziel() + u"Weg"_s).isDir());
}

TEST_F(EintragTest, EintragOhneDateinamenIstEinLesefehler) {
  aufgabe(0, {pfad(u"quelle/Daten/"_s)}, ImmerUeberschreiben);
  lauf();
  EXPECT_EQ(dateiZeilen(),
            (test::Zeilen{{0, u" ==> Lesefehler, Datei wurde nicht angegeben, "_s + pfad(u"quelle/Daten/"_s)}}));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 1);
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"... von 0 Datei(en) wurden 0 Datei(en) Fehlerfrei verarbeitet"_s}));
  EXPECT_EQ(host.lampen.last().second, true);  // the entry does not touch the task's status
}

TEST_F(EintragTest, EintragOhneTrennerIstRelativZumArbeitsverzeichnis) {
  datei(u"quelle/Brief.txt"_s, "relativ");
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(pfad(u"quelle"_s)));
  aufgabe(0, {u"Brief.txt"_s}, ImmerUeberschreiben);
  lauf();
  QDir::setCurrent(vorher);
  EXPECT_EQ(test::leseDatei(ziel() + u"Brief.txt"_s), "relativ");
}

TEST_F(EintragTest, VerzeichnisOhneMusterIstEineDatei) {
  datei(u"quelle/Briefe/a.txt"_s);
  aufgabe(0, {pfad(u"quelle/Briefe"_s)}, ImmerUeberschreiben);
  lauf();
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 1);
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{2, u"  ==> Kopiere "_s + pfad(u"quelle/Briefe"_s)}));
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"Briefe"_s));
}

TEST_F(EintragTest, EinzelneDateiLegtEinNeuesZielverzeichnisGanzAn) {
  datei(u"quelle/Brief.txt"_s, QByteArray(1024, 'b'));
  aufgabe(0, {pfad(u"quelle/Brief.txt"_s)}, ImmerUeberschreiben);
  store->write(u"SaveZiel"_s, u"Ziel 0"_s, pfad(u"fehlt/tief/"_s));
  lauf(0);
  EXPECT_EQ(test::leseDatei(pfad(u"fehlt/tief/Brief.txt"_s)), QByteArray(1024, 'b'));
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s}));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 0);
}
