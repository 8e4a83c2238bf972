#include "EditUmgebung.h"

#include "editing/Quellenliste.h"
#include "platform/Dateisystem.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

const QString kHinzu = u" wurde eine neuer Eintrag hinzugefügt und der Kopiervorgang noch nicht wieder gestartet."_s;
const QString kWeg = u" wurde ein Eintrag gelöscht und der Kopiervorgang noch nicht wieder gestartet."_s;

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

class QuellenTest : public test::EditUmgebung {
 protected:
  Quellenliste liste() { return Quellenliste(b()); }
};

TEST_F(QuellenTest, HinzufuegenSchreibtDatumLogbuchUndStatus) {
  const Folge f = liste().hinzufuegen(2, u"/home/anna/Daten/Brief.doc"_s);
  EXPECT_TRUE(f.neuLaden);
  EXPECT_EQ(f.eingabe, QString());
  EXPECT_EQ(f.startKnopf, true);
  EXPECT_FALSE(f.fokusAufEingabe);
  EXPECT_EQ(store->list(u"Aufgabe2"_s),
            (Schluesselpaare{{u"/home/anna/Daten/Brief.doc"_s, u"05. Dez. 2026"_s}}));
  EXPECT_EQ(logbuch->saetze,
            (QList<QPair<QString, int>>{
                {u"Eintrag zur Aufgabe 3 hinzugefügt => /home/anna/Daten/Brief.doc"_s, 7}}));
  EXPECT_EQ(status(u"Color2"_s), u"3"_s);
  EXPECT_EQ(status(u"Msgbox2"_s), u"am 05. Dez. 2026 um 14:03:27"_s + kHinzu);
  EXPECT_EQ(status(u"Color1"_s), u"<fehlt>"_s);

  // Single-digit day and month still give two digits and the German month.
  uhr.stellen(QDateTime(QDate(2027, 3, 1), QTime(9, 5, 7)));
  liste().hinzufuegen(2, u"/x"_s);
  EXPECT_EQ(store->read(u"Aufgabe2"_s, u"/x"_s, {}), u"01. Mrz. 2027"_s);
  EXPECT_EQ(status(u"Msgbox2"_s), u"am 01. Mrz. 2027 um 09:05:07"_s + kHinzu);
}

TEST_F(QuellenTest, DoppeltOhneRuecksichtAufGrossUndKleinschreibungAuchBeiUmlauten) {
  liste().hinzufuegen(0, u"/Daten/Ärger ÖL/Übersicht.txt"_s);
  for (const QString& gleich : {u"/daten/ärger öl/übersicht.TXT"_s, u"/DATEN/ÄRGER ÖL/ÜBERSICHT.TXT"_s}) {
    dialoge.erwarte(doppelt());
    const Folge f = liste().hinzufuegen(0, gleich);
    EXPECT_FALSE(f.neuLaden);
    EXPECT_FALSE(f.eingabe.has_value()) << "the field keeps the refused text";
  }
  EXPECT_EQ(liste().eintraege(0), QStringList{u"/Daten/Ärger ÖL/Übersicht.txt"_s});
  EXPECT_EQ(logbuch->saetze.size(), 1);

  // Only letter case is ignored: a plain vowel is another name.
  liste().hinzufuegen(0, u"/Daten/Arger OL/Ubersicht.txt"_s);
  // The check covers the task's own list only.
  liste().hinzufuegen(1, u"/daten/ärger öl/übersicht.TXT"_s);
  EXPECT_EQ(liste().eintraege(0).size(), 2);
  EXPECT_EQ(liste().eintraege(1), QStringList{u"/daten/ärger öl/übersicht.TXT"_s});
}

TEST_F(QuellenTest, LeereEingabeUndUngueltigeFormFragen) {
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste().hinzufuegen(0, QString()).neuLaden);

  // Anything not beginning with the separator asks first; No keeps it out.
  for (const QString& form : {u"Daten/*.*"_s, u"x"_s, u"~/Daten"_s, u" /home/anna"_s, u"C:\\x"_s}) {
    dialoge.erwarte(hinweis(), Antwort::Nein);
    const Folge f = liste().hinzufuegen(0, form);
    EXPECT_TRUE(f.fokusAufEingabe) << form.toStdString();
    EXPECT_FALSE(f.neuLaden);
  }
  EXPECT_TRUE(liste().eintraege(0).isEmpty());
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
      u"/home/anna/Meine Daten/Foto 1.jpg"_s,
      u"/home/anna/Grüße/Äpfel & Öl/*.***"_s,
      u"/home/anna/\"zitiert\" 'auch'/*.*"_s,
      u"/home/anna/Leerzeichen am Ende "_s,
      u"/home/anna/ab"_s,
      u"/"_s + QString(u"sehr langer Name "_s).repeated(250) + u"/*.***"_s,
      u"/home/anna/AB/x = y; [z]"_s,
  };
  for (const QString& e : eintraege) EXPECT_TRUE(liste().hinzufuegen(4, e).neuLaden) << e.toStdString();
  EXPECT_EQ(liste().eintraege(4), eintraege);
  EXPECT_EQ(logbuch->saetze.at(3).first, u"Eintrag zur Aufgabe 5 hinzugefügt => /home/anna/Leerzeichen am Ende "_s);
}

// The last entry and its status through the window: tests/lifecycle.
TEST_F(QuellenTest, EinenEintragLoeschen) {
  liste().hinzufuegen(1, u"/a"_s);
  liste().hinzufuegen(1, u"/b"_s);
  logbuch->saetze.clear();
  store->remove(u"StatusIn"_s, u"Msgbox1"_s);

  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Nein);
  EXPECT_FALSE(liste().loeschen(1, u"/a"_s).neuLaden);
  EXPECT_EQ(liste().eintraege(1).size(), 2);
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_EQ(status(u"Msgbox1"_s), u"<fehlt>"_s);

  uhr.minutenWeiter(1);
  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Ja);
  const Folge f = liste().loeschen(1, u"/a"_s);
  EXPECT_TRUE(f.neuLaden);
  EXPECT_FALSE(f.startKnopf.has_value());
  EXPECT_EQ(liste().eintraege(1), QStringList{u"/b"_s});
  EXPECT_EQ(status(u"Color1"_s), u"3"_s);
  EXPECT_EQ(status(u"Msgbox1"_s), u"am 05. Dez. 2026 um 14:04:27"_s + kWeg);
  EXPECT_EQ(logbuch->saetze,
            (QList<QPair<QString, int>>{{u"Eintrag aus Aufgabe 2 gelöscht => /a"_s, 7}}));

  // Without a selection nothing is asked.
  EXPECT_FALSE(liste().loeschen(1, QString()).neuLaden);
}

TEST_F(QuellenTest, AlleLoeschen) {
  liste().hinzufuegen(3, u"/a"_s);
  liste().hinzufuegen(3, u"/b"_s);
  liste().hinzufuegen(0, u"/a"_s);
  logbuch->saetze.clear();

  dialoge.erwarte(alleFrage(), Antwort::Nein);
  EXPECT_FALSE(liste().alleLoeschen(3).neuLaden);
  EXPECT_EQ(liste().eintraege(3).size(), 2);

  dialoge.erwarte(alleFrage(), Antwort::Ja);
  EXPECT_EQ(liste().alleLoeschen(3).startKnopf, false);
  EXPECT_TRUE(liste().eintraege(3).isEmpty());
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color3"_s));
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Msgbox3"_s));
  EXPECT_EQ(status(u"Color0"_s), u"3"_s) << "another task keeps its status";
  EXPECT_EQ(liste().eintraege(0), QStringList{u"/a"_s});

  // Also an empty list is logged.
  dialoge.erwarte(alleFrage(), Antwort::Ja);
  liste().alleLoeschen(3);
  EXPECT_EQ(logbuch->saetze,
            (QList<QPair<QString, int>>{{u"alle Einträge aus Aufgabe 4 gelöscht"_s, 7},
                                        {u"alle Einträge aus Aufgabe 4 gelöscht"_s, 7}}));
}

// The root and the stored option through the window: tests/lifecycle.
TEST_F(QuellenTest, VerzeichnisWirdZumEintrag) {
  EXPECT_EQ(Quellenliste::verzeichnisEintrag(u"/home/anna/Fotos"_s, true), u"/home/anna/Fotos/*.***"_s);
  EXPECT_EQ(Quellenliste::verzeichnisEintrag(u"/home/anna/Fotos/"_s, false), u"/home/anna/Fotos/*.*"_s);
  EXPECT_TRUE(liste().mitUnterverzeichnissen()) << "without a stored option";
  option(u"Option_Verzeichnisse"_s, u"0"_s);
  EXPECT_FALSE(liste().mitUnterverzeichnissen());
}

TEST_F(QuellenTest, AbgelegtesVerzeichnisAuflisten) {
  const QString ordner = pfad(u"Quelle"_s);
  test::schreibeDatei(ordner + u"/b.txt"_s, "b");
  test::schreibeDatei(ordner + u"/a Ä.txt"_s, "a");
  test::schreibeDatei(ordner + u"/.versteckt"_s, "v");
  test::schreibeDatei(ordner + u"/unter/c.txt"_s, "c");
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

TEST_F(QuellenTest, SyntaxhilfeFuerDiesesSystem) {
  dialoge.erwarte(information(
      u"Um eine Datei zusichern, geben Sie den vollständigen Dateinamen inkl. des Verzeichnisses an.\n"
      u" => z.B. /home/anna/Daten/Foto.jpg\n\n"
      u"Zum Sichern eines Verzeichnisses, geben Sie hinter den Verzeichnis /*.* ein, hierbei werden "
      u"Unterverzeichnisse nicht mit gesichert.\n => z.B. /home/anna/Daten/*.*\n\n"
      u"Für das Sichern inkl. der Unterverzeichnisse, geben Sie hinter dem Verzeichnisnamen /*.*** ein.\n"
      u" => z.B. /home/anna/Daten/*.***"_s));
  liste().zeigeInfo();
}

}  // namespace
}  // namespace bewahrix
