#include "store/Anzeige.h"
#include "store/Datensaetze.h"

#include "platform/Uhr.h"
#include "support/TestUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class DatensaetzeTest : public test::FrischeUmgebung {
 protected:
  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
};

TEST_F(DatensaetzeTest, LeererSpeicherGibtAlleVorgaben) {
  SettingsStore store(schluessel::anwendung());
  for (int i = 0; i < schluessel::kAnzahlAufgaben; ++i) {
    const Aufgabe a = leseAufgabe(store, i, uhr);
    EXPECT_EQ(a.titel, u"Sicherungsaufgabe "_s + QString::number(i + 1));
    EXPECT_EQ(a.ziel, home());
    EXPECT_EQ(a.kopierModus, KeinVerfahren);
    EXPECT_EQ(a.zielLeeren, 0);
    EXPECT_EQ(a.inPapierkorb, 1);
    EXPECT_EQ(a.namensZusatz, 0);
    EXPECT_EQ(a.zeitplanArt, KeinZeitplan);
    EXPECT_EQ(a.zeitplanDatum, QDate(2026, 12, 5));
    EXPECT_EQ(a.zeitplanZeit, QTime(14, 3, 27));
    EXPECT_TRUE(a.quellen.isEmpty());
    EXPECT_TRUE(a.ignorierListe.isEmpty());
    EXPECT_FALSE(a.statusCode.has_value());
    EXPECT_EQ(a.statusMeldung, u"keine Information vorhanden"_s);
  }
  const Programmoptionen o = leseProgrammoptionen(store);
  EXPECT_EQ(o.startMinimiert, false);
  EXPECT_EQ(o.hotkey, false);
  EXPECT_EQ(o.meldungVersaeumt, true);
  EXPECT_EQ(o.hilfe, true);
  EXPECT_EQ(o.aufzeichnungAus, false);
  for (const auto& kategorie : o.kategorien) EXPECT_EQ(kategorie, true);
  EXPECT_EQ(o.logVerzeichnis, home());
  EXPECT_EQ(o.verzeichnisAuflisten, 0);
  EXPECT_EQ(o.dragDropSofort, 1);
  EXPECT_EQ(o.verzeichnisSuche, 1);
  EXPECT_EQ(o.letzterSuchbegriff, QString());
  EXPECT_EQ(o.suchbegriffAnbieten, 1.0);
  const Programmdaten p = leseProgrammdaten(store);
  EXPECT_EQ(p.startzaehler, 1.0);
  EXPECT_FALSE(p.endDatum.has_value());
  EXPECT_EQ(p.links, 1125);
  EXPECT_EQ(p.oben, 1110);
  EXPECT_EQ(p.breite, 7875);
  EXPECT_EQ(p.hoehe, 5940);
}

TEST_F(DatensaetzeTest, SchluesselDerAufgabeDrei) {
  SettingsStore store(schluessel::anwendung());
  store.write(u"IgnorierListe_3"_s, u"Thumbs.db"_s, u"05.12.2026 14:03:27"_s);
  store.write(u"SaveZiel"_s, u"Ziel 2"_s, u"/sicherung/"_s);
  store.write(u"Titel"_s, u"Titel2"_s, u"Fotos"_s);
  store.write(u"Aufgabe2"_s, u"/daten/*.***"_s, u"05. Dez. 2026"_s);
  store.write(u"Timer"_s, u"Zusatz2"_s, u"1"_s);
  store.write(u"StatusIn"_s, u"Color2"_s, u"3"_s);
  const Aufgabe a = leseAufgabe(store, 2, uhr);
  ASSERT_EQ(a.ignorierListe.size(), 1);
  EXPECT_EQ(a.ignorierListe.first().text, u"Thumbs.db"_s);
  EXPECT_EQ(a.ziel, u"/sicherung/"_s);
  EXPECT_EQ(a.titel, u"Fotos"_s);
  ASSERT_EQ(a.quellen.size(), 1);
  EXPECT_EQ(a.quellen.first().hinzugefuegt, u"05. Dez. 2026"_s);
  EXPECT_EQ(a.namensZusatz, 1);
  EXPECT_EQ(a.statusCode, u"3"_s);
  // The neighbours see none of it.
  EXPECT_TRUE(leseAufgabe(store, 1, uhr).ignorierListe.isEmpty());
  EXPECT_TRUE(leseAufgabe(store, 3, uhr).quellen.isEmpty());
}

TEST_F(DatensaetzeTest, UnlesbareWerteWerdenAlsSolcheGemeldet) {
  SettingsStore store(schluessel::anwendung());
  store.write(u"Optionen"_s, u"Vorgang0"_s, u"abc"_s);
  store.write(u"Timer"_s, u"SollDay0"_s, u"irgendwann"_s);
  store.write(u"Tool"_s, u"Count"_s, u"abc"_s);
  store.write(u"Tool"_s, u"MeLeft"_s, u"links"_s);
  store.write(u"Tool"_s, u"LogWriting 4"_s, u"vielleicht"_s);
  store.write(u"Tool"_s, u"LogWriting 5"_s, u"false"_s);
  store.write(u"Optionen"_s, u"Vorgang1"_s, u"2"_s);
  const Aufgabe a = leseAufgabe(store, 0, uhr);
  EXPECT_EQ(a.kopierModus, std::nullopt);
  EXPECT_EQ(a.zeitplanDatum, std::nullopt);
  EXPECT_EQ(a.zielLeeren, 0);
  EXPECT_EQ(leseAufgabe(store, 1, uhr).kopierModus, NurAelteres);
  const Programmdaten p = leseProgrammdaten(store);
  EXPECT_EQ(p.startzaehler, std::nullopt);
  EXPECT_EQ(p.links, std::nullopt);
  EXPECT_EQ(p.oben, 1110);
  const Programmoptionen o = leseProgrammoptionen(store);
  EXPECT_EQ(o.kategorien.at(4), std::nullopt);
  EXPECT_EQ(o.kategorien.at(5), false);
  EXPECT_EQ(o.kategorien.at(6), true);
}

TEST_F(DatensaetzeTest, LogVerzeichnisEndetImmerMitTrenner) {
  SettingsStore store(schluessel::anwendung());
  store.write(u"LogBuch"_s, u"Pfad"_s, u"/var/tmp"_s);
  EXPECT_EQ(leseLogVerzeichnis(store), u"/var/tmp/"_s);
}

TEST(Anzeige, OrtTextKuerztTitelUeber25Zeichen) {
  EXPECT_EQ(anzeige::ortText(0, u"Sicherungsaufgabe 1"_s), u"(1) Sicherungsaufgabe 1"_s);
  const QString fuenfundzwanzig = u"Sicherung der Fotos 20261"_s;
  ASSERT_EQ(fuenfundzwanzig.size(), 25);
  EXPECT_EQ(anzeige::ortText(4, fuenfundzwanzig), u"(5) "_s + fuenfundzwanzig);
  EXPECT_EQ(anzeige::ortText(4, fuenfundzwanzig + u'2'), u"(5) Sicherung der Fotos 20 ..."_s);
  EXPECT_EQ(anzeige::ortText(1, u"Größere Ümlaute über alles"_s), u"(2) Größere Ümlaute über a ..."_s);
}

TEST(Anzeige, AnzahlUndVerfahren) {
  EXPECT_EQ(anzeige::anzahlText(0), u"0 Aufträge"_s);
  EXPECT_EQ(anzeige::anzahlText(1), u"1 Auftrag"_s);
  EXPECT_EQ(anzeige::anzahlText(2), u"2 Aufträge"_s);

  EXPECT_EQ(anzeige::verfahren(0).beschreibung,
            u"Kopieren, vorhandene Zieldateien werden überschreiben"_s);
  EXPECT_TRUE(anzeige::verfahren(0).startAktiv);
  EXPECT_EQ(anzeige::verfahren(4).beschreibung, u"Nur größere Dateien werden überschreiben"_s);
  EXPECT_EQ(anzeige::verfahren(5).beschreibung, u"Wählen Sie zuerst das Verfahren aus"_s);
  EXPECT_FALSE(anzeige::verfahren(5).startAktiv);
  EXPECT_EQ(anzeige::verfahren(7).beschreibung, QString());
  EXPECT_TRUE(anzeige::verfahren(7).startAktiv);
  EXPECT_TRUE(anzeige::verfahren(-1).startAktiv);
}
