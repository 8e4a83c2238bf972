#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"

#include <QFileInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

static Meldung zusammenfassung(const QString& volumen, int dateien, int fehlerhaft = 0) {
  return information(u"Augabe beendet.\n\nGesamtdatenvolumen: %1 , kopiertes Datenvolumen %1\n"
                     u"%2 Datei(en) wurden verarbeitet; davon Fehlerhaft %3 Datei(en)"_s.arg(volumen).arg(dateien).arg(fehlerhaft));
}
const Meldung kFrageAlle = frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s);

struct LaufTest : test::LaufUmgebung {
  QStringList status(int i) {  // colour code and text
    return {store->read(u"StatusIn"_s, u"Color%1"_s.arg(i), u"-"_s), store->read(u"StatusIn"_s, u"Msgbox%1"_s.arg(i), u"-"_s)};
  }
};

TEST_F(LaufTest, EinzelneDateiVonHandMitAllenZeilen) {
  const QString quelle = datei(u"quelle/Brief.txt"_s, QByteArray(1536, 'b'));
  aufgabe(0, {quelle});
  dialoge.erwarte(zusammenfassung(u"1,500 KByte"_s, 1));
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(logbuch->zeilen.mid(0, 2) + logbuch->zeilen.mid(7), (test::Zeilen{  // the file's own lines: KopierTest
      {5, u"<Anfang, Manueller Start => Kopieren der Dateien aus Aufgabe 1"_s},
      {1, u"===> Zielverzeichnis: "_s + ziel()},
      {6, u"    Gesamtdatenvolumen: 1,50 KByte , kopiertes Datenvolumen 1,500 KByte"_s},
      {6, u"... von 1 Datei(en) wurden 1 Datei(en) Fehlerfrei verarbeitet"_s},
      {6, u"<<< Aufgabe 1 fertig verarbeitet"_s}, {6, u"<Ende, Manueller Start>"_s}}));
  EXPECT_EQ(status(0), QStringList({u"0"_s, u"Aufgabe wurde zuletzt am 05.Dezember 2026 um 14:03:27 ohne Fehler verarbeitet"_s}));
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"LaufBegonnen0"_s)) << "a finished run is not shown as cut off at the next start";
}

// The unit changes at 100 KByte of total volume.
TEST_F(LaufTest, VolumenAb100KByteInMByte) {
  for (const auto& [groesse, volumen, zeile] :
       {std::tuple(102399, u"99,999 KByte"_s, u"100,00 KByte , kopiertes Datenvolumen 99,999 KByte"_s),
        {102400, u"0,098 MByte"_s, u"0,10 MByte , kopiertes Datenvolumen 0,098 MByte"_s}}) {
    SCOPED_TRACE(groesse);
    aufgabe(0, {datei(u"quelle/d"_s, QByteArray(groesse, 'k'))});
    dialoge.erwarte(zusammenfassung(volumen, 1));
    sicherung->aufgabeKopieren(0);
    EXPECT_TRUE(hat(6, u"    Gesamtdatenvolumen: "_s + zeile));
  }
}

TEST_F(LaufTest, FehlgeschlageneDateiFaerbtDieAufgabeRot) {
  const QString fehlt = pfad(u"quelle/fehlt.txt"_s);
  aufgabe(3, {fehlt, datei(u"quelle/da.txt"_s)});
  schalter.setzeKategorie(Dateiname, false);
  dialoge.erwarte(zusammenfassung(u"0,006 KByte"_s, 2, 1));
  sicherung->aufgabeKopieren(3);
  EXPECT_EQ(fehlerZeilen(), (QStringList{u"    => Error, "_s + fehlertext(ENOENT), u"    => ... bei "_s + fehlt}));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 1);
  const QString text = u"letzte Fehler: am 05.Dezember 2026 um 14:03:27, "_s + fehlertext(ENOENT);
  EXPECT_EQ(std::tuple(status(3), sicherung->zustand().aufgabenStatusText.at(3)), std::tuple(QStringList{u"1"_s, text}, text));
  EXPECT_EQ(host.lampen, (QList<test::Lampe>{{3, false}}));
  // The counter stops at the largest value the window can show.
  sicherung->zustand().fehlerGesamt = 32766;
  aufgabe(0, {fehlt, fehlt});
  lauf();
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 32767);
  aufgabe(1, {pfad(u"quelle/"_s)});  // an entry without a file name fails the task too
  dialoge.erwarte(information(zusammenfassung(u"0,000 KByte"_s, 0).text + u"\nweitere Fehler: 1 (siehe Logbuch)"_s));
  sicherung->zustand().automatikLauf = false;
  sicherung->aufgabeKopieren(1);
  EXPECT_EQ(host.lampen.last(), (test::Lampe{1, false}));
}

TEST_F(LaufTest, UngesichertesZielFragtZuerst) {
  aufgabe(0, {datei(u"quelle/a.txt"_s)});
  host.aufgaben.at(0).zielUngesichert = true;
  const Meldung frageZiel = frage(u"Das neue Zielverzeichnis wurde noch nicht gesichert, wollen Sie trotzdem fortfahren?"_s, u"Frage"_s);
  dialoge.erwarte(frageZiel, Antwort::Nein);
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(std::tuple(logbuch->zeilen, test::alleEintraege(ziel())), std::tuple(test::Zeilen(), QStringList()));
  EXPECT_EQ(host.beendet, 1);  // buttons, caption and timer are restored all the same
  dialoge.erwarte(frageZiel, Antwort::Ja);
  dialoge.erwarte(zusammenfassung(u"0,006 KByte"_s, 1));
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"a.txt"_s});
}

// Tasks without sources end normally: no clearing, no stored status.
TEST_F(LaufTest, SammellaufAllerOderMarkierterAufgaben) {
  dialoge.erwarte(kFrageAlle, Antwort::Nein);
  sicherung->cmd_AutoSave_Click(1);
  EXPECT_TRUE(logbuch->zeilen.isEmpty());

  aufgabe(1, {});
  host.aufgaben.at(1).zielLeeren = true;
  test::schreibeDatei(ziel() + u"bleibt.txt"_s, "x");
  aufgabe(2, {pfad(u"quelle/fehlt"_s)});
  dialoge.erwarte(kFrageAlle, Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet, gefundene Fehler 1"_s});
  sicherung->cmd_AutoSave_Click(1);
  QStringList texte;
  for (const auto& [kategorie, text] : logbuch->zeilen) texte.append(text);
  EXPECT_EQ(std::tuple(texte.first(), texte.last(), texte.count(u"    => keine Datei vorhanden"_s)),
            std::tuple(u"<Anfang, manueller Start aller Aufträge>"_s, u"<Ende, manueller Start>"_s, 4));
  EXPECT_EQ(host.begonnen, (QList<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(host.lampen.at(1), (test::Lampe{1, true}));
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"bleibt.txt"_s});
  EXPECT_EQ(status(1), QStringList({u"-"_s, u"-"_s}));
  EXPECT_FALSE(sicherung->zustand().sammelLauf);

  host.begonnen.clear();
  host.aufgaben.at(1).markiert = host.aufgaben.at(4).markiert = true;
  dialoge.erwarte(kFrageAlle, Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  sicherung->cmd_AutoSave_Click(0);
  EXPECT_EQ(host.begonnen, (QList<int>{1, 4}));
  EXPECT_TRUE(hat(5, u"<Anfang, manueller Start markierter Aufträge>"_s));
}

TEST_F(LaufTest, KeinZweiterLaufWaehrendDesNachgebens) {
  for (int i = 0; i < 5; ++i) datei(u"quelle/baum/d%1/f.txt"_s.arg(i));
  aufgabe(0, {pfad(u"quelle/baum/*.***"_s)});
  aufgabe(1, {datei(u"quelle/andere.txt"_s)});
  QByteArray logbuchBeimNachgeben;
  host.beimNachgeben = [&] {
    logbuch->eintrag(u"vom Fenster"_s, SonstigeMeldung);  // a handler of the window records and looks
    logbuchBeimNachgeben = test::leseDatei(logbuch->dateipfad());
    sicherung->aufgabeKopieren(1);
    sicherung->cmd_AutoSave_Click(1);
  };
  dialoge.erwarte(zusammenfassung(u"0,029 KByte"_s, 5));
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(host.begonnen, QList<int>{0});
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"andere.txt"_s));
  // Whatever the user looks at while the run yields is already in the file.
  EXPECT_EQ(std::tuple(logbuchBeimNachgeben.contains("<Anfang, Manueller Start"), logbuchBeimNachgeben.contains("vom Fenster")),
            std::tuple(true, true));
}
