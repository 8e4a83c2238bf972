#include "EditUmgebung.h"

#include "editing/Ignorierliste.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

class IgnorierTest : public test::EditUmgebung {};

// Adding, a duplicate, deleting one entry, the stored date and the task's
// lamp through the whole program: tests/lifecycle.
TEST_F(IgnorierTest, LeereEingabeAlleLoeschenUndNein) {
  Ignorierliste liste(b(), 2);
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste.hinzufuegen(QString()).neuLaden);
  // A path or a blank at the end passes without a question.
  EXPECT_EQ(liste.hinzufuegen(u"/home/anna/a.tmp"_s).eingabe, QString());
  liste.hinzufuegen(u"b.tmp "_s);
  logbuch->saetze.clear();

  dialoge.erwarte(frage(u"Sind Sie sich sicher, dass Sie den Eintrag b.tmp  löschen wollen?"_s, u"Löschen"_s),
                  Antwort::Nein);
  EXPECT_FALSE(liste.loeschen(u"b.tmp "_s).neuLaden);
  const Meldung alle = frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);
  dialoge.erwarte(alle, Antwort::Nein);
  EXPECT_FALSE(liste.alleLoeschen().neuLaden);
  EXPECT_EQ(liste.eintraege(), (QStringList{u"/home/anna/a.tmp"_s, u"b.tmp "_s}));
  EXPECT_TRUE(logbuch->saetze.isEmpty());

  dialoge.erwarte(alle, Antwort::Ja);
  EXPECT_TRUE(liste.alleLoeschen().neuLaden);
  EXPECT_TRUE(liste.eintraege().isEmpty());
  EXPECT_EQ(logbuch->saetze,
            (QList<QPair<QString, int>>{{u"alle Einträge aus Ignorierliste Aufgabe 3 gelöscht"_s, 10}}));
  EXPECT_TRUE(store->list(u"StatusIn"_s).isEmpty()) << "the ignore list leaves the task's status alone";
}

}  // namespace
}  // namespace bewahrix
