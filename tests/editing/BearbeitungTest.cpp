#include "editing/Ignorierliste.h"
#include "editing/Quellenliste.h"
#include "editing/ZielUndTitel.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QDir>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

using Saetze = QList<QPair<QString, int>>;

class MitschreibLogbuch final : public Logbuch {
 public:
  using Logbuch::Logbuch;
  void eintrag(const QString& text, int kategorie) override { saetze.append({text, kategorie}); }
  Saetze saetze;
};

class BearbeitungTest : public test::FrischeUmgebung {
 protected:
  void SetUp() override {
    FrischeUmgebung::SetUp();
    store = SettingsStore::oeffneDatei(pfad(u"settings.db"_s));
    logbuch = std::make_unique<MitschreibLogbuch>(*store, uhr, schalter);
  }
  Bearbeitung b() { return {*store, *logbuch, dialoge, uhr}; }
  Quellenliste liste() { return Quellenliste(b()); }
  ZielUndTitel ziel() { return ZielUndTitel(b()); }
  QString status(const QString& key) { return store->read(u"StatusIn"_s, key, u"<fehlt>"_s); }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MitschreibLogbuch> logbuch;
  test::SkriptDialoge dialoge;
};

const Meldung hinweis{u"Datei oder Verzeichnis hat wahrscheinlich eine ungültige Angabe.\nWollen Sie fortfahren?"_s,
                      u"Hinweis"_s, Symbol::Information, Knoepfe::JaNein, Antwort::Ja};
const Meldung doppelt = information(u"Diese Datei ist bereits eingetragen."_s);
const Meldung leer = information(u"Geben Sie die Datei an."_s);
const Meldung alleFrage = frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);
Meldung loeschFrage(const QString& e) {
  return frage(u"Sind Sie sich sicher, dass Sie den Eintrag "_s + e + u" löschen wollen?"_s, u"Löschen"_s);
}

// As typed; duplicates ignore letter case, umlauts too, within the task's own list.
TEST_F(BearbeitungTest, HinzufuegenWieGetipptOhneDoppelteUndMitStatus) {
  uhr.stellen(QDateTime(QDate(2027, 3, 1), QTime(9, 5, 7)));
  const QStringList eintraege = {u"/Daten/Ärger ÖL/Übersicht.txt"_s, u"/Daten/Arger OL/Ubersicht.txt "_s};
  for (const QString& e : eintraege) EXPECT_EQ(liste().hinzufuegen(4, e).startKnopf, true) << e.toStdString();
  dialoge.erwarte(doppelt);
  const Folge f = liste().hinzufuegen(4, u"/DATEN/ÄRGER öL/ÜBERSICHT.TXT"_s);  // the field keeps the refused text
  EXPECT_EQ(std::pair(f.neuLaden, f.eingabe.has_value()), std::pair(false, false));
  EXPECT_TRUE(liste().hinzufuegen(1, u"/daten/ärger öl/übersicht.TXT"_s).neuLaden);
  EXPECT_EQ(std::tuple(liste().eintraege(4), logbuch->saetze.size(), logbuch->saetze.at(1)),
            std::tuple(eintraege, 3, QPair{u"Eintrag zur Aufgabe 5 hinzugefügt => "_s + eintraege.at(1), 7}));
  EXPECT_EQ(std::pair(status(u"Color4"_s), status(u"Msgbox4"_s)),
            std::pair(u"3"_s, u"am 01. Mrz. 2027 um 09:05:07 wurde eine neuer Eintrag hinzugefügt und der "
                              u"Kopiervorgang noch nicht wieder gestartet."_s));
}

// Anything not beginning with the separator asks first: No keeps it out, Yes stores it as typed.
TEST_F(BearbeitungTest, LeereEingabeUndUngueltigeFormFragen) {
  dialoge.erwarte(leer);
  EXPECT_FALSE(liste().hinzufuegen(0, QString()).neuLaden);
  dialoge.erwarte(hinweis, Antwort::Nein);
  const Folge f = liste().hinzufuegen(0, u" /home/anna"_s);
  EXPECT_EQ(std::tuple(f.fokusAufEingabe, f.neuLaden, logbuch->saetze, store->list(u"StatusIn"_s)),
            std::tuple(true, false, Saetze(), Schluesselpaare()));
  dialoge.erwarte(hinweis, Antwort::Ja);
  EXPECT_TRUE(liste().hinzufuegen(0, u"Daten/*.*"_s).neuLaden);
  EXPECT_EQ(liste().eintraege(0), QStringList{u"Daten/*.*"_s});
}

// Emptied by "alles Löschen", a list takes its own task's status along, no other's.
TEST_F(BearbeitungTest, LoeschenNurNachJa) {
  for (const auto& [aufgabe, e] : {std::pair(1, u"/a"_s), {1, u"/b"_s}, {3, u"/a"_s}}) liste().hinzufuegen(aufgabe, e);
  logbuch->saetze.clear();
  store->removeSection(u"StatusIn"_s);
  EXPECT_FALSE(liste().loeschen(1, QString()).neuLaden) << "without a selection nothing is asked";
  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Nein);
  dialoge.erwarte(alleFrage, Antwort::Nein);
  EXPECT_EQ((QList{liste().loeschen(1, u"/a"_s).neuLaden, liste().alleLoeschen(1).neuLaden}), (QList{false, false}));
  EXPECT_EQ(std::tuple(liste().eintraege(1).size(), store->list(u"StatusIn"_s).size()), std::tuple(2, 0));
  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Ja);
  EXPECT_FALSE(liste().loeschen(1, u"/a"_s).startKnopf.has_value()) << "one entry is left";
  store->write(u"StatusIn"_s, u"Color3"_s, u"3"_s);
  dialoge.erwarte(alleFrage, Antwort::Ja);
  EXPECT_EQ(liste().alleLoeschen(1).startKnopf, false);
  EXPECT_EQ(std::tuple(liste().eintraege(1), liste().eintraege(3), store->list(u"StatusIn"_s)),
            std::tuple(QStringList(), QStringList{u"/a"_s}, Schluesselpaare{{u"Color3"_s, u"3"_s}}));
  EXPECT_EQ(logbuch->saetze, (Saetze{{u"Eintrag aus Aufgabe 2 gelöscht => /a"_s, 7},
                                     {u"alle Einträge aus Aufgabe 2 gelöscht"_s, 7}}));
}

TEST_F(BearbeitungTest, AbgelegtesVerzeichnisAuflisten) {
  const QString ordner = pfad(u"Quelle"_s);
  for (const auto& name : {u"/b.txt"_s, u"/a Ä.txt"_s, u"/.versteckt"_s, u"/unter/c.txt"_s})
    test::schreibeDatei(ordner + name, "x");
  QDir().mkpath(pfad(u"leer/unter"_s));
  store->write(u"Optionen"_s, u"Check_Auflisten"_s, u"1"_s);
  PosixDateisystem fs;
  dialoge.erwarte(information(u"Im Verzeichniss \""_s + pfad(u"leer"_s) +
                              u"/\" wurden keine Dateien gefunden\n(evtl. vorhanden Unterverzeichnisse "
                              u"werden nicht mit einbezogen)."_s));
  const Folge f = liste().ablegen(0, QString(), {{ordner, true}, {pfad(u"leer"_s), true}}, fs);
  EXPECT_EQ(std::tuple(liste().eintraege(0), f.startKnopf, logbuch->saetze.size()),
            std::tuple(QStringList{ordner + u"/a Ä.txt"_s, ordner + u"/b.txt"_s}, true, 2));
}

// A path or a blank at the end passes without a question; the list has its own logbook category.
TEST_F(BearbeitungTest, IgnorierlisteLeereEingabeAlleLoeschenUndNein) {
  Ignorierliste liste(b(), 2);
  dialoge.erwarte(leer);
  EXPECT_FALSE(liste.hinzufuegen(QString()).neuLaden);
  EXPECT_EQ(liste.hinzufuegen(u"/home/anna/a.tmp"_s).eingabe, QString());
  liste.hinzufuegen(u"b.tmp "_s);
  dialoge.erwarte(alleFrage, Antwort::Nein);
  EXPECT_FALSE(liste.alleLoeschen().neuLaden);
  EXPECT_EQ(liste.eintraege(), (QStringList{u"/home/anna/a.tmp"_s, u"b.tmp "_s}));
  dialoge.erwarte(alleFrage, Antwort::Ja);
  EXPECT_TRUE(liste.alleLoeschen().neuLaden);
  EXPECT_EQ(std::tuple(liste.eintraege(), store->list(u"StatusIn"_s)), std::tuple(QStringList(), Schluesselpaare()));
  EXPECT_EQ(logbuch->saetze, (Saetze{{u"Eintrag zur Ignorierliste Aufgabe 3 hinzugefügt => /home/anna/a.tmp"_s, 10},
                                     {u"Eintrag zur Ignorierliste Aufgabe 3 hinzugefügt => b.tmp "_s, 10},
                                     {u"alle Einträge aus Ignorierliste Aufgabe 3 gelöscht"_s, 10}}));
}

// Refused without a trace; each save counts as a change, also of the same target, and forgets the drive the old
// target was on.
TEST_F(BearbeitungTest, ZielAbgewiesenOderGespeichertMitStatusAuchOhneAenderung) {
  const QString ganz = u"Geben Sie den vollständigen Pfad beginnend mit / an."_s;
  for (const auto& [falsch, text] : {std::pair(QString(), u"Geben Sie ein Zielort an."_s), {u" /media/usb"_s, ganz}}) {
    dialoge.erwarte(information(text));
    EXPECT_EQ(ziel().zielSpeichern(0, falsch), std::nullopt) << falsch.toStdString();
  }
  EXPECT_EQ(std::tuple(store->list(u"SaveZiel"_s), store->list(u"StatusIn"_s), logbuch->saetze),
            std::tuple(Schluesselpaare(), Schluesselpaare(), Saetze()));
  for (int mal = 1; mal <= 2; ++mal) {
    SCOPED_TRACE(mal);
    store->removeSection(u"StatusIn"_s);
    store->write(u"Datentraeger"_s, u"Ziel3"_s, u"vfat /media/usb"_s);
    const auto gespeichert = ziel().zielSpeichern(3, u"/media/usb/Backup"_s);
    EXPECT_EQ(std::tuple(gespeichert, status(u"Color3"_s), store->enthaelt(u"Datentraeger"_s, u"Ziel3"_s),
                         logbuch->saetze.size()),
              std::tuple(std::optional(u"/media/usb/Backup/"_s), u"3"_s, false, mal));
  }
  EXPECT_EQ(std::pair(ziel().zielSpeichern(1, u"/"_s), ziel().zielSpeichern(2, u"/Ziel Ä "_s)),
            std::pair(std::optional(u"/"_s), std::optional(u"/Ziel Ä /"_s)));
  for (const QString& anders : {u"/ziel ä /"_s, u"/Ziel Ä / "_s})
    EXPECT_FALSE(bearbeiten::zielGesichert(anders, ziel().gespeichertesZiel(2))) << anders.toStdString();
}

// The overview line cuts a title of more than 25 characters; an empty answer changes nothing.
TEST_F(BearbeitungTest, TitelAendernKuerztDieUebersichtUeber25Zeichen) {
  EXPECT_FALSE(ziel().titelAendern(3, QString()).has_value());
  const QString fuenfundzwanzig = u"Fotos der Familie Müller!"_s;
  EXPECT_EQ(ziel().titelAendern(3, fuenfundzwanzig).value().ortLabel, u"(4) "_s + fuenfundzwanzig);
  EXPECT_EQ(ziel().titelAendern(3, fuenfundzwanzig + u'?').value().ortLabel, u"(4) Fotos der Familie Müll ..."_s);
  EXPECT_EQ(std::tuple(ziel().titel(3), logbuch->saetze, store->list(u"StatusIn"_s)),
            std::tuple(fuenfundzwanzig + u'?', Saetze(), Schluesselpaare()));
}

}  // namespace
}  // namespace bewahrix
