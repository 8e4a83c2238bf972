#include "EditUmgebung.h"

#include "editing/Quellenliste.h"
#include "platform/Dateisystem.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

using Saetze = QList<QPair<QString, int>>;
const QString kHinzu = u" wurde eine neuer Eintrag hinzugefügt und der Kopiervorgang noch nicht wieder gestartet."_s;

Meldung hinweis() {
  return {u"Datei oder Verzeichnis hat wahrscheinlich eine ungültige Angabe.\nWollen Sie fortfahren?"_s,
          u"Hinweis"_s, Symbol::Information, Knoepfe::JaNein, Antwort::Ja};
}
Meldung doppelt() { return information(u"Diese Datei ist bereits eingetragen."_s); }
Meldung loeschFrage(const QString& e) {
  return frage(u"Sind Sie sich sicher, dass Sie den Eintrag "_s + e + u" löschen wollen?"_s, u"Löschen"_s);
}
Meldung alleFrage() {
  return frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);
}

// Deleting an entry and the status it leaves through the window: tests/lifecycle.
class QuellenTest : public test::EditUmgebung {
 protected:
  Quellenliste liste() { return Quellenliste(b()); }
};

// The entry, its date and logbook line in the window: tests/lifecycle.
TEST_F(QuellenTest, HinzufuegenSetztDenStatusDerAufgabe) {
  uhr.stellen(QDateTime(QDate(2027, 3, 1), QTime(9, 5, 7)));
  const Folge f = liste().hinzufuegen(2, u"/x"_s);
  EXPECT_EQ(f.startKnopf, true);
  EXPECT_EQ(logbuch->saetze, (Saetze{{u"Eintrag zur Aufgabe 3 hinzugefügt => /x"_s, 7}}));
  EXPECT_EQ(status(u"Color2"_s), u"3"_s);
  EXPECT_EQ(status(u"Msgbox2"_s), u"am 01. Mrz. 2027 um 09:05:07"_s + kHinzu);
  EXPECT_EQ(status(u"Color1"_s), u"<fehlt>"_s);
}

TEST_F(QuellenTest, DoppeltOhneRuecksichtAufGrossUndKleinschreibungAuchBeiUmlauten) {
  liste().hinzufuegen(0, u"/Daten/Ärger ÖL/Übersicht.txt"_s);
  dialoge.erwarte(doppelt());
  const Folge f = liste().hinzufuegen(0, u"/DATEN/ÄRGER öL/ÜBERSICHT.TXT"_s);
  EXPECT_FALSE(f.neuLaden);
  EXPECT_FALSE(f.eingabe.has_value()) << "the field keeps the refused text";
  // Only letter case is ignored: a plain vowel is another name; and the
  // check covers the task's own list only.
  liste().hinzufuegen(0, u"/Daten/Arger OL/Ubersicht.txt"_s);
  liste().hinzufuegen(1, u"/daten/ärger öl/übersicht.TXT"_s);
  EXPECT_EQ(liste().eintraege(0), (QStringList{u"/Daten/Ärger ÖL/Übersicht.txt"_s, u"/Daten/Arger OL/Ubersicht.txt"_s}));
  EXPECT_EQ(liste().eintraege(1).size(), 1);
  EXPECT_EQ(logbuch->saetze.size(), 3);
}

TEST_F(QuellenTest, LeereEingabeUndUngueltigeFormFragen) {
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste().hinzufuegen(0, QString()).neuLaden);
  // Anything not beginning with the separator asks first; No keeps it out.
  for (const QString& form : {u"Daten/*.*"_s, u"~/Daten"_s, u" /home/anna"_s, u"C:\\x"_s}) {
    dialoge.erwarte(hinweis(), Antwort::Nein);
    const Folge f = liste().hinzufuegen(0, form);
    EXPECT_TRUE(f.fokusAufEingabe) << form.toStdString();
    EXPECT_FALSE(f.neuLaden);
  }
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_EQ(status(u"Color0"_s), u"<fehlt>"_s);
  // Yes stores it as typed; the duplicate check comes after the question.
  dialoge.erwarte(hinweis(), Antwort::Ja);
  EXPECT_TRUE(liste().hinzufuegen(0, u"Daten/*.*"_s).neuLaden);
  dialoge.erwarte(hinweis(), Antwort::Ja);
  dialoge.erwarte(doppelt());
  EXPECT_FALSE(liste().hinzufuegen(0, u"DATEN/*.*"_s).neuLaden);
  EXPECT_EQ(liste().eintraege(0), QStringList{u"Daten/*.*"_s});
}

TEST_F(QuellenTest, EintraegeWieGetipptUndInDieserReihenfolge) {
  const QStringList eintraege = {
      u"/home/anna/Meine Daten/Foto 1.jpg"_s, u"/home/anna/Grüße/Äpfel & Öl/*.***"_s,
      u"/home/anna/\"zitiert\" 'auch'/*.*"_s, u"/home/anna/Leerzeichen am Ende "_s, u"/home/anna/ab"_s,
      u"/"_s + QString(u"sehr langer Name "_s).repeated(250) + u"/*.***"_s, u"/home/anna/AB/x = y; [z]"_s,
  };
  for (const QString& e : eintraege) EXPECT_TRUE(liste().hinzufuegen(4, e).neuLaden) << e.toStdString();
  EXPECT_EQ(liste().eintraege(4), eintraege);
  EXPECT_EQ(logbuch->saetze.at(3).first, u"Eintrag zur Aufgabe 5 hinzugefügt => /home/anna/Leerzeichen am Ende "_s);
}

TEST_F(QuellenTest, LoeschenNurNachJa) {
  liste().hinzufuegen(1, u"/a"_s);
  liste().hinzufuegen(1, u"/b"_s);
  liste().hinzufuegen(3, u"/a"_s);
  logbuch->saetze.clear();
  store->removeSection(u"StatusIn"_s);
  EXPECT_FALSE(liste().loeschen(1, QString()).neuLaden) << "without a selection nothing is asked";
  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Nein);
  EXPECT_FALSE(liste().loeschen(1, u"/a"_s).neuLaden);
  dialoge.erwarte(alleFrage(), Antwort::Nein);
  EXPECT_FALSE(liste().alleLoeschen(1).neuLaden);
  EXPECT_EQ(liste().eintraege(1).size(), 2);
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_EQ(status(u"Msgbox1"_s), u"<fehlt>"_s);

  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Ja);
  EXPECT_FALSE(liste().loeschen(1, u"/a"_s).startKnopf.has_value()) << "one entry is left";
  store->write(u"StatusIn"_s, u"Color3"_s, u"3"_s);
  dialoge.erwarte(alleFrage(), Antwort::Ja);
  EXPECT_EQ(liste().alleLoeschen(1).startKnopf, false);
  EXPECT_TRUE(liste().eintraege(1).isEmpty());
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color1"_s));
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Msgbox1"_s));
  EXPECT_EQ(status(u"Color3"_s), u"3"_s) << "another task keeps its status";
  EXPECT_EQ(liste().eintraege(3), QStringList{u"/a"_s});
  // Also an empty list is logged.
  dialoge.erwarte(alleFrage(), Antwort::Ja);
  liste().alleLoeschen(1);
  EXPECT_EQ(logbuch->saetze, (Saetze{{u"Eintrag aus Aufgabe 2 gelöscht => /a"_s, 7},
                                     {u"alle Einträge aus Aufgabe 2 gelöscht"_s, 7},
                                     {u"alle Einträge aus Aufgabe 2 gelöscht"_s, 7}}));
}

TEST_F(QuellenTest, AbgelegtesVerzeichnisAuflisten) {
  const QString ordner = pfad(u"Quelle"_s);
  for (const auto& name : {u"/b.txt"_s, u"/a Ä.txt"_s, u"/.versteckt"_s, u"/unter/c.txt"_s})
    test::schreibeDatei(ordner + name, "x");
  QDir().mkpath(pfad(u"leer/unter"_s));
  option(u"Check_Auflisten"_s, u"1"_s);
  PosixDateisystem fs;
  dialoge.erwarte(information(u"Im Verzeichniss \""_s + pfad(u"leer"_s) +
                              u"/\" wurden keine Dateien gefunden\n(evtl. vorhanden Unterverzeichnisse "
                              u"werden nicht mit einbezogen)."_s));
  const Folge f = liste().ablegen(0, QString(), {{ordner, true}, {pfad(u"leer"_s), true}}, fs);
  EXPECT_EQ(liste().eintraege(0), (QStringList{ordner + u"/a Ä.txt"_s, ordner + u"/b.txt"_s}));
  EXPECT_EQ(f.startKnopf, true);
  EXPECT_EQ(logbuch->saetze.size(), 2);
}

}  // namespace
}  // namespace bewahrix
