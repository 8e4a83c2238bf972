#include "logbook/LogSatz.h"
#include "logbook/LogbuchSuche.h"

#include "SeitenUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

TEST(Bereiche, AufeinanderfolgendeZeilenWerdenEinBereich) {
  EXPECT_TRUE(bereiche({}).isEmpty());
  using B = QList<QPair<int, int>>;
  EXPECT_EQ(bereiche({0, 1, 2, 7, 9, 10}), (B{{0, 2}, {7, 7}, {9, 10}}));
  EXPECT_EQ(bereiche({5}), (B{{5, 5}}));
}

class LogbuchSucheTest : public test::SeitenUmgebung {
 protected:
  // Entries on two days; the second day starts at row 3.
  void schreibeTage() {
    logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
    logbuch->eintrag(u"    => Error, Zugriff verweigert"_s, Fehlermeldung);
    uhr.sekundenWeiter(1);
    logbuch->eintrag(u"Logbuch wird geführt"_s, SonstigeMeldung);
    uhr.tageWeiter(1);
    logbuch->eintrag(u"Logbuch.log Error, kein Platz"_s, Fehlermeldung);
    logbuch->eintrag(u"Programm beendet"_s, SonstigeMeldung);
    modell->neuLaden();
  }
  // What the search must find: every row whose shown line contains begriff.
  QList<int> vonHand(const QString& begriff) {
    QList<int> zeilen;
    for (int row = 0; row < modell->rowCount(); ++row)
      if (modell->zeile(row).contains(begriff, Qt::CaseInsensitive)) zeilen.append(row);
    return zeilen;
  }
  QList<int> suche(const QString& begriff) { return treffer(*modell, logbuch->dateipfad(), begriff); }
};

TEST_F(LogbuchSucheTest, GrossKleinschreibungDatumZeitUndUebergang) {
  schreibeTage();
  EXPECT_EQ(suche(u"error"_s), (QList<int>{1, 3}));
  EXPECT_EQ(suche(u"GEFÜHRT"_s), (QList<int>{2}));
  // A date matches at the very start of its lines, and only that day's.
  EXPECT_EQ(suche(u"05.12.2026"_s), (QList<int>{0, 1, 2}));
  EXPECT_EQ(suche(u"06.12.2026 um 14:03:28"_s), (QList<int>{3, 4}));
  // Across the end of the time and the start of the message.
  EXPECT_EQ(suche(u"27: prog"_s), (QList<int>{0}));
  EXPECT_TRUE(suche(u"Sicherung"_s).isEmpty());
}

// The file is read in blocks; the result must be that of the model's lines,
// also for a record cut short, a record without a valid date and more rows
// than one block.
TEST_F(LogbuchSucheTest, BlockweiseWieDieZeilenDesModells) {
  QByteArray datei;
  QDateTime zeit(QDate(2026, 12, 31), QTime(23, 0));
  for (int i = 0; i < 9000; ++i)
    logsatz::anhaengen(datei, logsatz::zeitKopf(zeit.addSecs(i / 3)),
                       i % 7 == 0 ? u"    => Error, Nr. "_s + QString::number(i) : u"Kopie Ä"_s + QString::number(i));
  datei.replace(216 * 4000, 8, QByteArray(8, '\xff'));  // NaN: no date
  datei.append(logsatz::slot(zeit, u"abgeschnitten ERROR"_s).left(100));
  test::schreibeDatei(logbuch->dateipfad(), datei);
  modell->neuLaden();
  ASSERT_EQ(modell->rowCount(), 9001);
  EXPECT_TRUE(modell->zeile(4000).startsWith(u"--.--.----"_s));

  for (const QString& begriff : {u"error"_s, u"01.01.2027 um 00:"_s, u"--.--"_s, u"kopie ä"_s, u"ABGESCH"_s,
                                 u"9: kopie ä8"_s})
    EXPECT_EQ(suche(begriff), vonHand(begriff)) << begriff.toStdString();
  EXPECT_EQ(suche(u"error"_s).size(), 1287);
}

// The setting names another file than the one the view shows (not yet
// refreshed): the shown rows decide.
TEST_F(LogbuchSucheTest, ZeilenDesModellsGeltenWennDerPfadAbweicht) {
  schreibeTage();
  test::schreibeDatei(pfad(u"anders/Logbuch.log"_s), logsatz::slot(uhr.jetzt(), u"Programm anders"_s));
  store->write(u"LogBuch"_s, u"Pfad"_s, pfad(u"anders/"_s));
  EXPECT_EQ(suche(u"programm"_s), (QList<int>{0, 4}));
  EXPECT_TRUE(suche(u"anders"_s).isEmpty());
}

TEST_F(LogbuchSucheTest, VorgabeBegriffSpeichernUndMeldungen) {
  schreibeTage();
  QList<Eingabe> gefragt;
  QString antwort;
  const auto eingabe = [&](const Eingabe& e) {
    gefragt.append(e);
    return antwort;
  };
  std::optional<QList<int>> markiert;
  const auto markieren = [&](const QList<int>& zeilen) { markiert = zeilen; };
  // The matches are marked when the box appears.
  dialoge.beimZeigen = [&] { EXPECT_TRUE(markiert.has_value()); };

  // Cancelled: nothing stored, nothing marked, no box.
  EXPECT_FALSE(seite->cmd_LogbuchSuchen_Click(eingabe, markieren));
  EXPECT_EQ(gefragt.back(), (Eingabe{u"Suchen"_s, u"Geben Sie den Suchbegriff ein:"_s, QString()}));
  EXPECT_FALSE(store->enthaelt(u"Tool"_s, u"Understood"_s));
  EXPECT_FALSE(markiert);

  antwort = u"error"_s;
  dialoge.erwarte(information(u"Es wurden 2 Übereinstimmungen gefunden."_s, u"Ergebnis"_s));
  EXPECT_EQ(seite->cmd_LogbuchSuchen_Click(eingabe, markieren), (QList<int>{1, 3}));
  EXPECT_EQ(markiert, (QList<int>{1, 3}));
  EXPECT_EQ(store->read(u"Tool"_s, u"Understood"_s, QString()), u"error"_s);

  markiert.reset();
  antwort = u"beendet"_s;
  dialoge.erwarte(information(u"Eine Übereinstimmung wurde gefunden."_s, u"Ergebnis"_s));
  EXPECT_EQ(seite->cmd_LogbuchSuchen_Click(eingabe, markieren), (QList<int>{4}));
  EXPECT_EQ(gefragt.back().vorgabe, u"error"_s);

  // No match: the earlier marks go, nothing is marked.
  markiert.reset();
  antwort = u"Sicherung"_s;
  dialoge.erwarte(information(u"Keine Übereinstimmung gefunden."_s, u"Ergebnis"_s));
  EXPECT_EQ(seite->cmd_LogbuchSuchen_Click(eingabe, markieren), QList<int>());
  EXPECT_EQ(markiert, QList<int>());
  EXPECT_EQ(gefragt.back().vorgabe, u"beendet"_s);
}

TEST_F(LogbuchSucheTest, NurSearchGleichEinsBietetDenLetztenBegriffAn) {
  store->write(u"Tool"_s, u"Understood"_s, u"Error"_s);
  EXPECT_EQ(seite->suchEingabe().vorgabe, u"Error"_s);
  for (const QString& wert : {u"0"_s, u"2"_s, u"ja"_s}) {
    store->write(u"Tool"_s, u"Search"_s, wert);
    EXPECT_EQ(seite->suchEingabe().vorgabe, QString()) << wert.toStdString();
  }
  store->write(u"Tool"_s, u"Search"_s, u"1,0"_s);
  EXPECT_EQ(seite->suchEingabe().vorgabe, u"Error"_s);
}

}  // namespace
