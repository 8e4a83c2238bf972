#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"

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

// A target not saved yet is asked about first: No leaves all as it was, Yes runs.
TEST_F(LaufTest, VonHandNachDerFrageMitAllenZeilen) {
  aufgabe(0, {datei(u"quelle/Brief.txt"_s, QByteArray(102399, 'b'))});  // the most that is still counted in KByte
  host.aufgaben.at(0).zielUngesichert = true;
  const Meldung frageZiel = frage(u"Das neue Zielverzeichnis wurde noch nicht gesichert, wollen Sie trotzdem fortfahren?"_s, u"Frage"_s);
  dialoge.erwarte(frageZiel, Antwort::Nein);
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(std::tuple(logbuch->zeilen, test::alleEintraege(ziel()), host.beendet), std::tuple(test::Zeilen(), QStringList(), 1));
  dialoge.erwarte(frageZiel, Antwort::Ja);
  dialoge.erwarte(zusammenfassung(u"99,999 KByte"_s, 1));
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(logbuch->zeilen.mid(0, 2) + logbuch->zeilen.mid(7), (test::Zeilen{  // the file's own lines: KopierTest
      {5, u"<Anfang, Manueller Start => Kopieren der Dateien aus Aufgabe 1"_s},
      {1, u"===> Zielverzeichnis: "_s + ziel()},
      {6, u"    Gesamtdatenvolumen: 100,00 KByte , kopiertes Datenvolumen 99,999 KByte"_s},
      {6, u"... von 1 Datei(en) wurden 1 Datei(en) Fehlerfrei verarbeitet"_s},
      {6, u"<<< Aufgabe 1 fertig verarbeitet"_s}, {6, u"<Ende, Manueller Start>"_s}}));
  EXPECT_EQ(status(0), QStringList({u"0"_s, u"Aufgabe wurde zuletzt am 05.Dezember 2026 um 14:03:27 ohne Fehler verarbeitet"_s}));
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"LaufBegonnen0"_s)) << "a finished run is not shown as cut off at the next start";
}

TEST_F(LaufTest, VolumenAb100KByteInMByte) {
  lauf({datei(u"quelle/d"_s, QByteArray(102400, 'k'))});
  EXPECT_TRUE(hat(6, u"    Gesamtdatenvolumen: 0,10 MByte , kopiertes Datenvolumen 0,098 MByte"_s));
}

// A missing source fails its file; an old copy of it (modes 2 to 4 look at it) stays.
TEST_F(LaufTest, FehlgeschlageneDateiFaerbtDieAufgabeRot) {
  const QString fehlt = pfad(u"quelle/fehlt.txt"_s);
  datei(u"ziel/fehlt.txt"_s, "alte Sicherung");
  aufgabe(3, {fehlt, datei(u"quelle/da.txt"_s)}, NurAelteres);
  schalter.setzeKategorie(Dateiname, false);
  dialoge.erwarte(zusammenfassung(u"0,006 KByte"_s, 2, 1));
  sicherung->aufgabeKopieren(3);
  EXPECT_EQ(fehlerZeilen(), (QStringList{u"    => Error, "_s + fehlertext(ENOENT), u"    => ... bei "_s + fehlt}));
  const QString text = u"letzte Fehler: am 05.Dezember 2026 um 14:03:27, "_s + fehlertext(ENOENT);
  EXPECT_EQ(std::tuple(host.lampen, status(3), sicherung->zustand().aufgabenStatusText.at(3)),
            std::tuple(QList<test::Lampe>{{3, false}}, QStringList{u"1"_s, text}, text));
  aufgabe(1, {pfad(u"quelle/"_s)});  // an entry without a file name: no file failed, the task did
  dialoge.erwarte(information(zusammenfassung(u"0,000 KByte"_s, 0).text + u"\nweitere Fehler: 1 (siehe Logbuch)"_s));
  sicherung->aufgabeKopieren(1);
  // The counter stops at the largest value the window can show.
  sicherung->zustand().fehlerGesamt = 32766;
  lauf({fehlt, fehlt}, NurKleineres);
  EXPECT_EQ(std::tuple(sicherung->zustand().fehlerGesamt, test::leseDatei(ziel() + u"fehlt.txt"_s)), std::tuple(32767, "alte Sicherung"_ba));
}

// Tasks without sources end normally: no clearing, no stored status.
TEST_F(LaufTest, SammellaufAllerOderMarkierterAufgaben) {
  dialoge.erwarte(kFrageAlle, Antwort::Nein);
  sicherung->cmd_AutoSave_Click(1);  // the script fails on any box after No

  aufgabe(1, {});
  host.aufgaben.at(1).zielLeeren = true;
  test::schreibeDatei(ziel() + u"bleibt.txt"_s, "x");
  aufgabe(2, {pfad(u"quelle/fehlt"_s)});
  dialoge.erwarte(kFrageAlle, Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet, gefundene Fehler 1"_s});
  sicherung->cmd_AutoSave_Click(1);
  const auto& zeilen = logbuch->zeilen;
  EXPECT_EQ(std::tuple(zeilen.first(), zeilen.last(), zeilen.count({2, u"    => keine Datei vorhanden"_s})),
            std::tuple(test::Zeile{5, u"<Anfang, manueller Start aller Aufträge>"_s}, test::Zeile{6, u"<Ende, manueller Start>"_s}, 4));
  EXPECT_EQ(std::tuple(host.begonnen, host.lampen.at(1), test::alleEintraege(ziel()), status(1)),
            std::tuple(QList<int>{0, 1, 2, 3, 4}, test::Lampe{1, true}, QStringList{u"bleibt.txt"_s}, QStringList{u"-"_s, u"-"_s}));
  EXPECT_FALSE(sicherung->zustand().sammelLauf);

  host.begonnen.clear();
  host.aufgaben.at(1).markiert = host.aufgaben.at(4).markiert = true;
  dialoge.erwarte(kFrageAlle, Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  sicherung->cmd_AutoSave_Click(0);
  EXPECT_EQ(host.begonnen, (QList<int>{1, 4}));
}

TEST_F(LaufTest, KeinZweiterLaufWaehrendDesNachgebens) {
  QByteArray imLogbuch;  // what the user sees there as the run first yields
  host.beimNachgeben = [&] {
    if (host.nachgegeben == 1) imLogbuch = test::leseDatei(logbuch->dateipfad());
    sicherung->aufgabeKopieren(1);
    sicherung->cmd_AutoSave_Click(1);
  };
  lauf({datei(u"quelle/a.txt"_s)});
  EXPECT_EQ(std::tuple(host.begonnen, imLogbuch.contains(">>> Kopieren der Dateien aus Aufgabe 1")), std::tuple(QList<int>{0}, true));
}
