#include "LogbuchUmgebung.h"

#include "logbook/LogSatz.h"
#include "logbook/LogbuchSuche.h"
#include "platform/Fehlertext.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

TEST(Bereiche, AufeinanderfolgendeZeilenWerdenEinBereich) {
  EXPECT_TRUE(bereiche({}).isEmpty());
  EXPECT_EQ(bereiche({0, 1, 2, 7, 9, 10}), (QList<QPair<int, int>>{{0, 2}, {7, 7}, {9, 10}}));
}

class LogbuchSeiteTest : public test::LogbuchUmgebung {
 protected:
  // Entries on two days, the second from row 3, and older entries that clearing and relocating take along.
  void schreibeTage() {
    test::schreibeDatei(logbuch->aeltererPfad(), "älter");
    logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
    logbuch->eintrag(u"    => Error, Zugriff verweigert"_s, Fehlermeldung);
    uhr.sekundenWeiter(1);
    logbuch->eintrag(u"Logbuch wird geführt"_s, SonstigeMeldung);
    uhr.tageWeiter(1);
    logbuch->eintrag(u"Logbuch.log Error, kein Platz"_s, Fehlermeldung);
    logbuch->eintrag(u"Programm beendet"_s, SonstigeMeldung);
    modell->neuLaden();
  }
  QList<int> suche(const QString& begriff) { return treffer(*modell, begriff); }
  void verschiebe(const QString& waehle) {  // the picker answers with waehle
    seite->cmd_LogPfad_Click([&](const QString&, const QString& aktuell) { return gezeigt = aktuell, waehle; });
  }
  void erwarteErsetzen(const QString& verzeichnis, Antwort antwort) {
    dialoge.erwarte(frage(u"Im Verzeichnis "_s + verzeichnis + u" gibt es schon eine Datei Logbuch.log. Soll sie durch das "
                          u"Logbuch ersetzt werden? Ihr bisheriger Inhalt geht dabei verloren."_s, u"Frage"_s), antwort);
  }
  QString gezeigt;
};

// Blockwise, case-insensitive, same as the model's lines: cut-short, dateless and multi-block records.
TEST_F(LogbuchSeiteTest, SucheBlockweiseWieDieZeilenDesModells) {
  QByteArray datei;
  QDateTime zeit(QDate(2026, 12, 31), QTime(23, 0));
  for (int i = 0; i < 9000; ++i)
    logsatz::anhaengen(datei, logsatz::zeitKopf(zeit.addSecs(i)),
                       i % 7 ? u"Kopie Ä"_s + QString::number(i) : u"    => Error, Nr. "_s + QString(70, u'.') + u"Ende"_s);
  datei.replace(216 * 4000, 8, QByteArray(8, '\xff'));  // NaN: no date
  datei.append(logsatz::slot(zeit, u"abgeschnitten ERROR"_s).left(100));
  test::schreibeDatei(logbuch->dateipfad(), datei);
  QSignalSpy zurueckgesetzt(modell.get(), &QAbstractItemModel::modelReset);
  modell->neuLaden();  // the model reads in blocks of its own
  ASSERT_EQ(std::pair(zurueckgesetzt.count(), modell->rowCount()), std::pair(qsizetype{1}, 9001));
  for (const QString& begriff : {u"error"_s, u"01.01.2027 um 00:"_s, u"--.--"_s, u"kopie ä"_s, u"ABGESCH"_s,
                                 u"9: kopie ä8"_s, u"..ende"_s}) {
    QList<int> vonHand;
    for (int row = 0; row < modell->rowCount(); ++row)
      if (modell->zeile(row).contains(begriff, Qt::CaseInsensitive)) vonHand.append(row);
    EXPECT_EQ(suche(begriff), vonHand) << begriff.toStdString();
  }
  EXPECT_EQ(std::pair(suche(u"--.--"_s), suche(u"error"_s).size()), std::pair(QList<int>{4000}, qsizetype{1287}));
}

TEST_F(LogbuchSeiteTest, SuchenFragtMarkiertUndMeldet) {
  schreibeTage();
  QString antwort;
  const auto eingabe = [&](const Eingabe&) { return antwort; };
  std::optional<QList<int>> markiert;
  const auto markieren = [&](const QList<int>& zeilen) { markiert = zeilen; };
  // Cancelled: nothing marked, no box. The matches are marked before the box; no match clears the marks.
  EXPECT_FALSE(seite->cmd_LogbuchSuchen_Click(eingabe, markieren) || markiert);
  using Fall = std::tuple<QString, QList<int>, QString>;
  for (const auto& [begriff, erwartet, text] : QList<Fall>{{u"error"_s, {1, 3}, u"Es wurden 2 Übereinstimmungen gefunden."_s},
           {u"beendet"_s, {4}, u"Eine Übereinstimmung wurde gefunden."_s},
           {u"Sicherung"_s, {}, u"Keine Übereinstimmung gefunden."_s}}) {
    SCOPED_TRACE(begriff.toStdString());
    antwort = begriff;
    dialoge.beimZeigen = [&markiert, erwartet] { EXPECT_EQ(markiert, erwartet); };
    dialoge.erwarte(information(text, u"Ergebnis"_s));
    EXPECT_EQ(seite->cmd_LogbuchSuchen_Click(eingabe, markieren), erwartet);
  }
}

TEST_F(LogbuchSeiteTest, LoeschenNachDerFrage) {
  schreibeTage();
  const QByteArray vorher = test::leseDatei(logbuch->dateipfad());
  const auto loesche = [this](Antwort antwort) {
    dialoge.erwarte(frage(u"Sind Sie sich sicher, dass Sie das Logbuch löschen wollen?"_s, u"Löschen"_s), antwort);
    seite->cmd_LogbuchClear_Click();
  };
  loesche(Antwort::Nein);
  EXPECT_EQ(std::pair(test::leseDatei(logbuch->dateipfad()), angezeigt), std::pair(vorher, 0));
  loesche(Antwort::Ja);
  EXPECT_EQ(std::tuple(QFile::exists(logbuch->aeltererPfad()), zeilen(), angezeigt),
            std::tuple(false, QStringList{u"06.12.2026 um 14:03:28: Logbuch gelöscht"_s}, 1));
}

TEST_F(LogbuchSeiteTest, VerschiebenUndErsetzen) {
  schreibeTage();
  const QByteArray alt = test::leseDatei(logbuch->dateipfad());
  QDir().mkpath(pfad(u"Ziel"_s));
  verschiebe(pfad(u"Ziel"_s));
  EXPECT_EQ(std::tuple(gezeigt, test::alleEintraege(home()).filter(u"Logbuch"_s), test::alleEintraege(pfad(u"Ziel"_s)), pfadEinstellung()),
            std::tuple(home(), QStringList(), QStringList{u"Logbuch.1.log"_s, u"Logbuch.log"_s}, pfad(u"Ziel/"_s)));
  // The moved file first, then the entry on the move; the view shows it.
  EXPECT_EQ(std::tuple(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)).left(alt.size()), angezeigt, texte().size(), texte().last()),
            std::tuple(alt, 1, 6, u"Logbuch.log nach "_s + pfad(u"Ziel"_s) + u" verschoben"_s));

  // Cancelled, or the same directory (also through a link): nothing happens.
  const QByteArray dort = test::leseDatei(pfad(u"Ziel/Logbuch.log"_s));
  test::verknuepfe(pfad(u"Ziel"_s), pfad(u"Verweis"_s));
  for (const QString& wahl : {QString(), pfad(u"Ziel"_s), pfad(u"Verweis/"_s)}) verschiebe(wahl);
  EXPECT_EQ(std::pair(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)), angezeigt), std::pair(dort, 1));

  test::schreibeDatei(pfad(u"Voll/Logbuch.log"_s), "fremd");
  erwarteErsetzen(pfad(u"Voll"_s), Antwort::Ja);
  verschiebe(pfad(u"Voll"_s));
  EXPECT_EQ(std::tuple(test::leseDatei(pfad(u"Voll/Logbuch.log"_s)).left(dort.size()), QFile::exists(pfad(u"Ziel/Logbuch.log"_s)),
                       pfadEinstellung()), std::tuple(dort, false, pfad(u"Voll/"_s)));
}

// Each failure (missing, No, removal or rename fails): nothing changes, a box says why.
TEST_F(LogbuchSeiteTest, VerschiebenScheitertOhneFolgen) {
  schreibeTage();
  const QByteArray alt = test::leseDatei(logbuch->dateipfad());
  test::schreibeDatei(pfad(u"Voll/Logbuch.log"_s), "fremd");
  QDir().mkpath(pfad(u"Ordner/Logbuch.log"_s));  // cannot be replaced by a file: the older file moved goes back
  const Fehler belegt{EBUSY, u"Gerät oder Ressource belegt"_s};
  using Fall = std::tuple<QString, std::optional<Antwort>, std::optional<Fehler>, QString>;
  for (const auto& [wahl, ersetzen, entfernen, grund] : QList<Fall>{
           {pfad(u"fehlt"_s), {}, {}, fehlertext(ENOENT)}, {pfad(u"Voll"_s), Antwort::Nein, {}, {}},
           {pfad(u"Voll"_s), Antwort::Ja, belegt, belegt.text}, {pfad(u"Ordner"_s), Antwort::Ja, {}, fehlertext(EISDIR)}}) {
    SCOPED_TRACE(wahl.toStdString());
    const QStringList vorher = test::alleEintraege(wahl);
    if (ersetzen) erwarteErsetzen(wahl, *ersetzen);
    if (!grund.isEmpty()) dialoge.erwarte(information(u"Das Logbuch konnte nicht verschoben werden: "_s + grund));
    entferner.fehler = entfernen;
    verschiebe(wahl);
    EXPECT_EQ(std::tuple(test::leseDatei(home() + u"Logbuch.log"_s), test::leseDatei(home() + u"Logbuch.1.log"_s), test::alleEintraege(wahl)),
              std::tuple(alt, QByteArray("älter"), vorher));
  }
  EXPECT_EQ(std::tuple(store->enthaelt(u"LogBuch"_s, u"Pfad"_s), test::leseDatei(pfad(u"Voll/Logbuch.log"_s)), angezeigt),
            std::tuple(false, QByteArray("fremd"), 0));
}
