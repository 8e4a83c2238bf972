#include "EditUmgebung.h"

#include "editing/Ignorierliste.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

class IgnorierTest : public test::EditUmgebung {};

TEST_F(IgnorierTest, AbschnittUndTitelTragenDieAufgabennummer) {
  Ignorierliste liste(b(), 1);
  EXPECT_EQ(liste.fensterTitel(), u"Ignorierliste für Aufgabe 2"_s);
  const Folge f = liste.hinzufuegen(u"Desktop.ini"_s);
  EXPECT_TRUE(f.neuLaden);
  EXPECT_EQ(f.eingabe, QString());
  EXPECT_FALSE(f.startKnopf.has_value());
  EXPECT_EQ(store->list(u"IgnorierListe_2"_s),
            (Schluesselpaare{{u"Desktop.ini"_s, u"05.12.2026 14:03:27"_s}}));
  EXPECT_TRUE(store->list(u"IgnorierListe_1"_s).isEmpty());
  EXPECT_EQ(logbuch->saetze, (QList<QPair<QString, int>>{
                                 {u"Eintrag zur Ignorierliste Aufgabe 2 hinzugefügt => Desktop.ini"_s, 10}}));
  // The ignore list leaves the task's status alone.
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color1"_s));
  EXPECT_EQ(Ignorierliste(b(), 0).eintraege(), QStringList());
}

TEST_F(IgnorierTest, HinzufuegenPrueftNurLeerUndDoppelt) {
  Ignorierliste liste(b(), 4);
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste.hinzufuegen(QString()).neuLaden);
  liste.hinzufuegen(u"Thumbs.db"_s);
  dialoge.erwarte(information(u"Diese Datei ist bereits eingetragen."_s));
  const Folge f = liste.hinzufuegen(u"thumbs.DB"_s);
  EXPECT_FALSE(f.neuLaden);
  EXPECT_FALSE(f.eingabe.has_value());
  liste.hinzufuegen(u"Übersicht.txt"_s);
  dialoge.erwarte(information(u"Diese Datei ist bereits eingetragen."_s));
  liste.hinzufuegen(u"übersicht.TXT"_s);
  // A path, a blank at the end or a relative shape pass without a question.
  liste.hinzufuegen(u"/home/anna/Desktop.ini"_s);
  liste.hinzufuegen(u"Name mit \"Anführung\" "_s);
  EXPECT_EQ(liste.eintraege(), (QStringList{u"Thumbs.db"_s, u"Übersicht.txt"_s, u"/home/anna/Desktop.ini"_s,
                                            u"Name mit \"Anführung\" "_s}));
  EXPECT_EQ(store->read(u"IgnorierListe_5"_s, u"thumbs.db"_s, {}), u"05.12.2026 14:03:27"_s);
}

TEST_F(IgnorierTest, Loeschen) {
  Ignorierliste liste(b(), 2);
  liste.hinzufuegen(u"a.tmp"_s);
  liste.hinzufuegen(u"b.tmp"_s);
  logbuch->saetze.clear();

  dialoge.erwarte(information(u"Wählen Sie eine Datei aus."_s));
  EXPECT_FALSE(liste.loeschen(std::nullopt).neuLaden);
  const Meldung frageA =
      frage(u"Sind Sie sich sicher, dass Sie den Eintrag a.tmp löschen wollen?"_s, u"Löschen"_s);
  dialoge.erwarte(frageA, Antwort::Nein);
  EXPECT_FALSE(liste.loeschen(u"a.tmp"_s).neuLaden);
  EXPECT_EQ(liste.eintraege().size(), 2);
  dialoge.erwarte(frageA, Antwort::Ja);
  EXPECT_TRUE(liste.loeschen(u"a.tmp"_s).neuLaden);
  EXPECT_EQ(liste.eintraege(), QStringList{u"b.tmp"_s});

  const Meldung alle = frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);
  dialoge.erwarte(alle, Antwort::Nein);
  liste.alleLoeschen();
  EXPECT_EQ(liste.eintraege().size(), 1);
  dialoge.erwarte(alle, Antwort::Ja);
  liste.alleLoeschen();
  dialoge.erwarte(alle, Antwort::Ja);
  liste.alleLoeschen();
  EXPECT_TRUE(liste.eintraege().isEmpty());
  EXPECT_EQ(logbuch->saetze,
            (QList<QPair<QString, int>>{{u"Eintrag aus Ignorierliste Aufgabe 3 gelöscht => a.tmp"_s, 10},
                                        {u"alle Einträge aus Ignorierliste Aufgabe 3 gelöscht"_s, 10},
                                        {u"alle Einträge aus Ignorierliste Aufgabe 3 gelöscht"_s, 10}}));
}

TEST_F(IgnorierTest, DateidialogLiefertNurDenNamen) {
  EXPECT_EQ(Ignorierliste::ausDateiDialog(u"/home/anna/Bilder/Thumbs.db"_s), u"Thumbs.db"_s);
  EXPECT_EQ(Ignorierliste::ausDateiDialog(u"/Thumbs.db"_s), u"Thumbs.db"_s);
}

}  // namespace
}  // namespace bewahrix
