#include "EditUmgebung.h"

#include "editing/Ignorierliste.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

class IgnorierTest : public test::EditUmgebung {};

// The window title, the store section, a duplicate, deleting one entry and
// their logbook lines through the whole program: tests/lifecycle.
TEST_F(IgnorierTest, HinzufuegenOhneFormpruefungUndOhneStatus) {
  Ignorierliste liste(b(), 4);
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste.hinzufuegen(QString()).neuLaden);
  const Folge f = liste.hinzufuegen(u"Desktop.ini"_s);
  EXPECT_TRUE(f.neuLaden);
  EXPECT_EQ(f.eingabe, QString());
  EXPECT_FALSE(f.startKnopf.has_value());
  // A path, a blank at the end or a relative shape pass without a question.
  liste.hinzufuegen(u"/home/anna/Desktop.ini"_s);
  liste.hinzufuegen(u"Name mit \"Anführung\" "_s);
  EXPECT_EQ(liste.eintraege(),
            (QStringList{u"Desktop.ini"_s, u"/home/anna/Desktop.ini"_s, u"Name mit \"Anführung\" "_s}));
  EXPECT_EQ(logbuch->saetze.first(),
            (QPair<QString, int>{u"Eintrag zur Ignorierliste Aufgabe 5 hinzugefügt => Desktop.ini"_s, 10}));
  // The ignore list leaves the task's status alone.
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color4"_s));
  EXPECT_EQ(Ignorierliste(b(), 0).eintraege(), QStringList());
}

TEST_F(IgnorierTest, Loeschen) {
  Ignorierliste liste(b(), 2);
  liste.hinzufuegen(u"a.tmp"_s);
  liste.hinzufuegen(u"b.tmp"_s);
  logbuch->saetze.clear();

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

}  // namespace
}  // namespace bewahrix
