#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"
#include "store/Datensaetze.h"

#include <algorithm>
#include <cerrno>

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

Meldung zusammenfassung(const QString& volumen, int dateien, int fehlerhaft) {
  return information(u"Augabe beendet.\n\nGesamtdatenvolumen: "_s + volumen + u"\n"_s +
                     QString::number(dateien) + u" Datei(en) wurden verarbeitet; davon Fehlerhaft "_s +
                     QString::number(fehlerhaft) + u" Datei(en)"_s);
}

}  // namespace

class LaufTest : public test::LaufUmgebung {
 protected:
  QString status(const QString& key) { return store->read(u"StatusIn"_s, key, u"(fehlt)"_s); }
};

TEST_F(LaufTest, EinzelneDateiVonHandMitAllenZeilen) {
  const QString quelle = datei(u"quelle/Brief.txt"_s, QByteArray(1536, 'b'));
  aufgabe(0, {quelle}, ImmerUeberschreiben);
  dialoge.erwarte(zusammenfassung(u"1,500 KByte , kopiertes Datenvolumen 1,500 KByte"_s, 1, 0));
  sicherung->aufgabeKopieren(0);

  const test::Zeilen erwartet = {
      {5, u"<Anfang, Manueller Start => Kopieren der Dateien aus Aufgabe 1"_s},
      {1, u"===> Zielverzeichnis: "_s + ziel()},
      {2, u"  ==> Kopiere "_s + quelle},
      {4, u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s},
      {4, u"    => Datei kopiert"_s},
      {4, u"    => Okay, Fehlerfrei verarbeitet"_s},
      {3, u"    => (Dateigröße 1,50 KByte)"_s},
      {6, u"    Gesamtdatenvolumen: 1,50 KByte , kopiertes Datenvolumen 1,500 KByte"_s},
      {6, u"... von 1 Datei(en) wurden 1 Datei(en) Fehlerfrei verarbeitet"_s},
      {6, u"<<< Aufgabe 1 fertig verarbeitet"_s},
      {6, u"<Ende, Manueller Start>"_s},
  };
  EXPECT_EQ(logbuch->zeilen, erwartet);
  EXPECT_EQ(test::leseDatei(ziel() + u"Brief.txt"_s), QByteArray(1536, 'b'));
  EXPECT_EQ(QFileInfo(ziel() + u"Brief.txt"_s).lastModified(), QFileInfo(quelle).lastModified());
  EXPECT_EQ(status(u"Color0"_s), u"0"_s);
  EXPECT_EQ(status(u"Msgbox0"_s),
            u"Aufgabe wurde zuletzt am 05.Dezember 2026 um 14:03:27 ohne Fehler verarbeitet"_s);
  EXPECT_EQ(host.begonnen, QList<int>{0});
  EXPECT_EQ(host.beendet, 1);
  EXPECT_EQ(host.lampen, (QList<QPair<int, bool>>{{0, true}}));
  EXPECT_GE(host.angezeigt, 1);
  EXPECT_FALSE(sicherung->laeuft());
}

TEST_F(LaufTest, LeereQuelllisteEndetNormalOhneGespeichertenStatus) {
  aufgabe(1, {}, ImmerUeberschreiben);
  host.aufgaben.at(1).zielLeeren = true;
  test::schreibeDatei(ziel() + u"bleibt.txt"_s, "x");
  dialoge.erwarte(zusammenfassung(u"0,000 KByte , kopiertes Datenvolumen 0,000 KByte"_s, 0, 0));
  sicherung->aufgabeKopieren(1);
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{2, u"    => keine Datei vorhanden"_s}));
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"    Gesamtdatenvolumen: 0,00 KByte , kopiertes Datenvolumen 0,000 KByte"_s}));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"bleibt.txt"_s));  // nothing cleared
  EXPECT_EQ(status(u"Color1"_s), u"(fehlt)"_s);
  EXPECT_EQ(status(u"Msgbox1"_s), u"(fehlt)"_s);
  EXPECT_EQ(host.lampen, (QList<QPair<int, bool>>{{1, true}}));
}

TEST_F(LaufTest, EinheitWechseltBei102400Byte) {
  const QString klein = datei(u"quelle/klein"_s, QByteArray(102399, 'k'));
  aufgabe(0, {klein}, ImmerUeberschreiben);
  dialoge.erwarte(zusammenfassung(u"99,999 KByte , kopiertes Datenvolumen 99,999 KByte"_s, 1, 0));
  sicherung->aufgabeKopieren(0);
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"    Gesamtdatenvolumen: 100,00 KByte , kopiertes Datenvolumen 99,999 KByte"_s}));

  zeilenVergessen();
  const QString gross = datei(u"quelle/gross"_s, QByteArray(102400, 'g'));
  aufgabe(0, {gross}, ImmerUeberschreiben);
  dialoge.erwarte(zusammenfassung(u"0,098 MByte , kopiertes Datenvolumen 0,098 MByte"_s, 1, 0));
  sicherung->aufgabeKopieren(0);
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"    Gesamtdatenvolumen: 0,10 MByte , kopiertes Datenvolumen 0,098 MByte"_s}));
}

TEST_F(LaufTest, FehlgeschlageneDateiFaerbtDieAufgabeRot) {
  const QString fehlt = pfad(u"quelle/fehlt.txt"_s);
  const QString da = datei(u"quelle/da.txt"_s);
  aufgabe(3, {fehlt, da}, ImmerUeberschreiben);
  schalter.setzeKategorie(Dateiname, false);
  dialoge.erwarte(zusammenfassung(u"0,006 KByte , kopiertes Datenvolumen 0,006 KByte"_s, 2, 1));
  sicherung->aufgabeKopieren(3);

  const QString beschreibung = fehlertext(ENOENT);
  const test::Zeilen erwartet = {
      {4, u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s},
      {0, u"    => Error, "_s + beschreibung},
      {0, u"    => ... bei "_s + fehlt},
      {4, u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s},
      {4, u"    => Datei kopiert"_s},
      {4, u"    => Okay, Fehlerfrei verarbeitet"_s},
      {3, u"    => (Dateigröße 0,01 KByte)"_s},
  };
  EXPECT_EQ(dateiZeilen(), erwartet);
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"... von 2 Datei(en) wurden 1 Datei(en) Fehlerfrei verarbeitet"_s}));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 1);
  const QString text = u"letzte Fehler: am 05.Dezember 2026 um 14:03:27, "_s + beschreibung;
  EXPECT_EQ(sicherung->zustand().aufgabenStatusText.at(3), text);
  EXPECT_EQ(status(u"Msgbox3"_s), text);
  const QString farbe = status(u"Color3"_s);
  EXPECT_NE(farbe, u"0"_s);
  EXPECT_NE(farbe, u"3"_s);
  EXPECT_TRUE(farbe.toInt() != 0);
  EXPECT_EQ(host.lampen, (QList<QPair<int, bool>>{{3, false}}));
}

TEST_F(LaufTest, UngesichertesZielFragtZuerst) {
  const QString quelle = datei(u"quelle/a.txt"_s);
  aufgabe(0, {quelle}, ImmerUeberschreiben);
  host.aufgaben.at(0).zielUngesichert = true;
  const Meldung frageZiel = frage(
      u"Das neue Zielverzeichnis wurde noch nicht gesichert, wollen Sie trotzdem fortfahren?"_s,
      u"Frage"_s);
  dialoge.erwarte(frageZiel, Antwort::Nein);
  sicherung->aufgabeKopieren(0);
  EXPECT_TRUE(logbuch->zeilen.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"a.txt"_s));
  EXPECT_EQ(host.beendet, 1);  // buttons, caption and timer are restored all the same
  EXPECT_TRUE(host.lampen.isEmpty());

  dialoge.erwarte(frageZiel, Antwort::Ja);
  dialoge.erwarte(zusammenfassung(u"0,006 KByte , kopiertes Datenvolumen 0,006 KByte"_s, 1, 0));
  sicherung->aufgabeKopieren(0);
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"a.txt"_s));
}

TEST_F(LaufTest, SammellaufAllerAufgabenInReihenfolge) {
  dialoge.erwarte(frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s), Antwort::Nein);
  sicherung->cmd_AutoSave_Click(1);
  EXPECT_TRUE(logbuch->zeilen.isEmpty());

  aufgabe(2, {pfad(u"quelle/fehlt"_s)}, ImmerUeberschreiben);
  dialoge.erwarte(frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s), Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet, gefundene Fehler 1"_s});
  sicherung->cmd_AutoSave_Click(1);

  QStringList rahmen;
  for (const auto& [kategorie, text] : logbuch->zeilen)
    if (text.startsWith(u'<') || text.startsWith(u">>>"_s) || text == u"    => keine Datei vorhanden"_s)
      rahmen.append(text);
  const QStringList erwartet = {
      u"<Anfang, manueller Start aller Aufträge>"_s,
      u">>> Kopieren der Dateien aus Aufgabe 1"_s, u"    => keine Datei vorhanden"_s,
      u"<<< Aufgabe 1 fertig verarbeitet"_s,
      u">>> Kopieren der Dateien aus Aufgabe 2"_s, u"    => keine Datei vorhanden"_s,
      u"<<< Aufgabe 2 fertig verarbeitet"_s,
      u">>> Kopieren der Dateien aus Aufgabe 3"_s, u"<<< Aufgabe 3 fertig verarbeitet"_s,
      u">>> Kopieren der Dateien aus Aufgabe 4"_s, u"    => keine Datei vorhanden"_s,
      u"<<< Aufgabe 4 fertig verarbeitet"_s,
      u">>> Kopieren der Dateien aus Aufgabe 5"_s, u"    => keine Datei vorhanden"_s,
      u"<<< Aufgabe 5 fertig verarbeitet"_s,
      u"<Ende, manueller Start>"_s,
  };
  EXPECT_EQ(rahmen, erwartet);
  EXPECT_EQ(host.begonnen, (QList<int>{0, 1, 2, 3, 4}));
  EXPECT_FALSE(sicherung->zustand().sammelLauf);
}

TEST_F(LaufTest, SammellaufMarkierterAufgaben) {
  dialoge.erwarte(frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s), Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  sicherung->cmd_AutoSave_Click(0);
  EXPECT_EQ(logbuch->zeilen, (test::Zeilen{{5, u"<Anfang, manueller Start markierter Aufträge>"_s},
                                           {6, u"<Ende, keine Aufgabe markiert>"_s}}));

  host.aufgaben.at(1).markiert = true;
  host.aufgaben.at(4).markiert = true;
  dialoge.erwarte(frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s), Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  sicherung->cmd_AutoSave_Click(0);
  EXPECT_EQ(host.begonnen, (QList<int>{1, 4}));
  EXPECT_EQ(logbuch->zeilen.last(), (test::Zeile{6, u"<Ende, manueller Start>"_s}));
}

TEST_F(LaufTest, FehlerzaehlerHaeltBei32767) {
  aufgabe(0, {pfad(u"fehlt1"_s), pfad(u"fehlt2"_s)}, ImmerUeberschreiben);
  sicherung->zustand().automatikLauf = true;
  sicherung->zustand().fehlerGesamt = 32766;
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 32767);
}

TEST_F(LaufTest, FortschrittUndKeinZweiterLaufWaehrendDesNachgebens) {
  for (int i = 0; i < 5; ++i) datei(u"quelle/baum/d"_s + QString::number(i) + u"/f.txt"_s);
  aufgabe(0, {pfad(u"quelle/baum/*.***"_s)}, ImmerUeberschreiben);
  aufgabe(1, {datei(u"quelle/andere.txt"_s)}, ImmerUeberschreiben);
  QByteArray logbuchBeimNachgeben;
  host.beimNachgeben = [&] {
    logbuchBeimNachgeben = test::leseDatei(logbuch->dateipfad());
    // A handler of the window records something and looks at the file.
    logbuch->eintrag(u"vom Fenster"_s, SonstigeMeldung);
    EXPECT_TRUE(test::leseDatei(logbuch->dateipfad()).contains("vom Fenster"));
    sicherung->aufgabeKopieren(1);
    sicherung->cmd_AutoSave_Click(1);
  };
  dialoge.erwarte(zusammenfassung(u"0,029 KByte , kopiertes Datenvolumen 0,029 KByte"_s, 5, 0));
  sicherung->aufgabeKopieren(0);
  EXPECT_EQ(host.begonnen, QList<int>{0});
  EXPECT_GE(host.nachgegeben, 1);
  ASSERT_FALSE(host.fortschritte.isEmpty());
  EXPECT_TRUE(std::is_sorted(host.fortschritte.begin(), host.fortschritte.end()));
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"andere.txt"_s));
  // Whatever the user looks at while the run yields is already in the file.
  EXPECT_TRUE(logbuchBeimNachgeben.contains("<Anfang, Manueller Start"));
}
