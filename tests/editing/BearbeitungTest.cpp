#include "editing/Bearbeitung.h"
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

const QString kHinzu = u" wurde eine neuer Eintrag hinzugefügt und der Kopiervorgang noch nicht wieder gestartet."_s;

const Meldung hinweis{u"Datei oder Verzeichnis hat wahrscheinlich eine ungültige Angabe.\nWollen Sie fortfahren?"_s,
                      u"Hinweis"_s, Symbol::Information, Knoepfe::JaNein, Antwort::Ja};
const Meldung doppelt = information(u"Diese Datei ist bereits eingetragen."_s);
Meldung loeschFrage(const QString& e) {
  return frage(u"Sind Sie sich sicher, dass Sie den Eintrag "_s + e + u" löschen wollen?"_s, u"Löschen"_s);
}
const Meldung alleFrage = frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);

// As typed; duplicates ignore letter case, umlauts too, within the task's own list.
TEST_F(BearbeitungTest, HinzufuegenWieGetipptOhneDoppelteUndMitStatus) {
  uhr.stellen(QDateTime(QDate(2027, 3, 1), QTime(9, 5, 7)));
  const QStringList eintraege = {
      u"/Daten/Ärger ÖL/Übersicht.txt"_s, u"/Daten/Arger OL/Ubersicht.txt"_s, u"/home/anna/Leerzeichen am Ende "_s};
  for (const QString& e : eintraege) EXPECT_EQ(liste().hinzufuegen(4, e).startKnopf, true) << e.toStdString();
  dialoge.erwarte(doppelt);
  const Folge f = liste().hinzufuegen(4, u"/DATEN/ÄRGER öL/ÜBERSICHT.TXT"_s);  // the field keeps the refused text
  EXPECT_EQ(std::pair(f.neuLaden, f.eingabe.has_value()), std::pair(false, false));
  EXPECT_TRUE(liste().hinzufuegen(1, u"/daten/ärger öl/übersicht.TXT"_s).neuLaden);
  EXPECT_EQ(liste().eintraege(4), eintraege);
  EXPECT_EQ(std::tuple(logbuch->saetze.size(), logbuch->saetze.at(2)),
            std::tuple(4, QPair{u"Eintrag zur Aufgabe 5 hinzugefügt => "_s + eintraege.at(2), 7}));
  EXPECT_EQ((QStringList{status(u"Color4"_s), status(u"Msgbox4"_s), status(u"Color0"_s)}),
            (QStringList{u"3"_s, u"am 01. Mrz. 2027 um 09:05:07"_s + kHinzu, u"<fehlt>"_s}));
}

TEST_F(BearbeitungTest, LeereEingabeUndUngueltigeFormFragen) {
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste().hinzufuegen(0, QString()).neuLaden);
  // Anything not beginning with the separator asks first; No keeps it out.
  for (const QString& form : {u"Daten/*.*"_s, u" /home/anna"_s}) {
    dialoge.erwarte(hinweis, Antwort::Nein);
    const Folge f = liste().hinzufuegen(0, form);
    EXPECT_EQ(std::pair(f.fokusAufEingabe, f.neuLaden), std::pair(true, false)) << form.toStdString();
  }
  EXPECT_EQ(std::tuple(logbuch->saetze, store->list(u"StatusIn"_s)), std::tuple(Saetze(), Schluesselpaare()));
  // Yes stores it as typed; the duplicate check comes after the question.
  dialoge.erwarte(hinweis, Antwort::Ja);
  EXPECT_TRUE(liste().hinzufuegen(0, u"Daten/*.*"_s).neuLaden);
  dialoge.erwarte(hinweis, Antwort::Ja);
  dialoge.erwarte(doppelt);
  EXPECT_FALSE(liste().hinzufuegen(0, u"DATEN/*.*"_s).neuLaden);
  EXPECT_EQ(liste().eintraege(0), QStringList{u"Daten/*.*"_s});
}

TEST_F(BearbeitungTest, LoeschenNurNachJa) {
  for (const auto& [aufgabe, e] : {std::pair(1, u"/a"_s), {1, u"/b"_s}, {3, u"/a"_s}}) liste().hinzufuegen(aufgabe, e);
  logbuch->saetze.clear();
  store->removeSection(u"StatusIn"_s);
  EXPECT_FALSE(liste().loeschen(1, QString()).neuLaden) << "without a selection nothing is asked";
  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Nein);
  dialoge.erwarte(alleFrage, Antwort::Nein);
  EXPECT_EQ((QList{liste().loeschen(1, u"/a"_s).neuLaden, liste().alleLoeschen(1).neuLaden}), (QList{false, false}));
  EXPECT_EQ(std::tuple(liste().eintraege(1).size(), logbuch->saetze.size(), store->list(u"StatusIn"_s).size()),
            std::tuple(2, 0, 0));

  dialoge.erwarte(loeschFrage(u"/a"_s), Antwort::Ja);
  EXPECT_FALSE(liste().loeschen(1, u"/a"_s).startKnopf.has_value()) << "one entry is left";
  store->write(u"StatusIn"_s, u"Color3"_s, u"3"_s);
  dialoge.erwarte(alleFrage, Antwort::Ja);
  EXPECT_EQ(liste().alleLoeschen(1).startKnopf, false);
  // Another task keeps its entries and its status.
  EXPECT_EQ(std::tuple(liste().eintraege(1), liste().eintraege(3), store->list(u"StatusIn"_s)),
            std::tuple(QStringList(), QStringList{u"/a"_s}, Schluesselpaare{{u"Color3"_s, u"3"_s}}));
  dialoge.erwarte(alleFrage, Antwort::Ja);  // also an empty list is logged
  liste().alleLoeschen(1);
  const std::pair<QString, int> alle{u"alle Einträge aus Aufgabe 2 gelöscht"_s, 7};
  EXPECT_EQ(logbuch->saetze, (Saetze{{u"Eintrag aus Aufgabe 2 gelöscht => /a"_s, 7}, alle, alle}));
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

TEST_F(BearbeitungTest, IgnorierlisteLeereEingabeAlleLoeschenUndNein) {
  Ignorierliste liste(b(), 2);
  dialoge.erwarte(information(u"Geben Sie die Datei an."_s));
  EXPECT_FALSE(liste.hinzufuegen(QString()).neuLaden);
  // A path or a blank at the end passes without a question.
  EXPECT_EQ(liste.hinzufuegen(u"/home/anna/a.tmp"_s).eingabe, QString());
  liste.hinzufuegen(u"b.tmp "_s);
  logbuch->saetze.clear();

  dialoge.erwarte(loeschFrage(u"b.tmp "_s), Antwort::Nein);
  dialoge.erwarte(alleFrage, Antwort::Nein);
  EXPECT_EQ((QList{liste.loeschen(u"b.tmp "_s).neuLaden, liste.alleLoeschen().neuLaden}), (QList{false, false}));
  EXPECT_EQ(std::pair(liste.eintraege(), logbuch->saetze),
            std::pair(QStringList{u"/home/anna/a.tmp"_s, u"b.tmp "_s}, Saetze()));

  dialoge.erwarte(alleFrage, Antwort::Ja);
  EXPECT_TRUE(liste.alleLoeschen().neuLaden);
  EXPECT_EQ(std::tuple(liste.eintraege(), store->list(u"StatusIn"_s)), std::tuple(QStringList(), Schluesselpaare()));
  EXPECT_EQ(logbuch->saetze, (Saetze{{u"alle Einträge aus Ignorierliste Aufgabe 3 gelöscht"_s, 10}}));
}

TEST_F(BearbeitungTest, UngueltigeZieleWerdenAbgewiesen) {
  const QString ganz = u"Geben Sie den vollständigen Pfad beginnend mit / an."_s;
  for (const auto& [falsch, text] : {std::pair(QString(), u"Geben Sie ein Zielort an."_s), {u" /media/usb"_s, ganz}}) {
    dialoge.erwarte(information(text));
    EXPECT_EQ(ziel().zielSpeichern(0, falsch), std::nullopt) << falsch.toStdString();
  }
  EXPECT_EQ(std::tuple(store->list(u"SaveZiel"_s), store->list(u"StatusIn"_s), logbuch->saetze),
            std::tuple(Schluesselpaare(), Schluesselpaare(), Saetze()));
}

TEST_F(BearbeitungTest, SpeichernSetztStatusAuchOhneAenderung) {
  for (int mal = 0; mal < 2; ++mal) {
    store->removeSection(u"StatusIn"_s);
    store->write(u"Datentraeger"_s, u"Ziel3"_s, u"vfat /media/usb"_s);
    EXPECT_EQ(ziel().zielSpeichern(3, u"/media/usb/Backup"_s), u"/media/usb/Backup/"_s);
    EXPECT_FALSE(store->enthaelt(u"Datentraeger"_s, u"Ziel3"_s));  // a new target's drive is not known
    EXPECT_EQ(status(u"Color3"_s), u"3"_s);
  }
  EXPECT_EQ(logbuch->saetze.size(), 2);
  EXPECT_EQ(ziel().zielSpeichern(1, u"/"_s), u"/"_s);
  EXPECT_EQ(ziel().zielSpeichern(2, u"/Mein Ziel mit Ä "_s), u"/Mein Ziel mit Ä /"_s);
  for (const QString& anders : {u"/mein Ziel mit ä /"_s, u"/Mein Ziel mit Ä / "_s})
    EXPECT_FALSE(bearbeiten::zielGesichert(anders, ziel().gespeichertesZiel(2))) << anders.toStdString();
}

TEST_F(BearbeitungTest, TitelAendernKuerztDieUebersichtUeber25Zeichen) {
  EXPECT_FALSE(ziel().titelAendern(3, QString()));
  EXPECT_FALSE(store->enthaelt(u"Titel"_s, u"Titel3"_s));
  const QString fuenfundzwanzig = u"Fotos der Familie Müller!"_s;
  EXPECT_EQ(ziel().titelAendern(3, fuenfundzwanzig)->ortLabel, u"(4) "_s + fuenfundzwanzig);
  const auto neu = ziel().titelAendern(3, fuenfundzwanzig + u'?');
  ASSERT_TRUE(neu);
  EXPECT_EQ((QStringList{neu->titel, neu->ortLabel, ziel().titel(3)}),
            (QStringList{fuenfundzwanzig + u'?', u"(4) Fotos der Familie Müll ..."_s, fuenfundzwanzig + u'?'}));
  EXPECT_EQ(std::tuple(logbuch->saetze, store->list(u"StatusIn"_s)), std::tuple(Saetze(), Schluesselpaare()));
}

}  // namespace
}  // namespace bewahrix
