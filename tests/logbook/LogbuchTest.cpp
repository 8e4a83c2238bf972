#include "LogbuchUmgebung.h"

#include "platform/Fehlertext.h"

#include <QFile>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

using LogbuchTest = test::LogbuchUmgebung;

// Each entry in the slot after the last record; one cut short keeps its slot.
TEST_F(LogbuchTest, EintraegeInFolgendenSlotsAuchNachAbgeschnittenemSatz) {
  logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
  uhr.sekundenWeiter(1);
  logbuch->eintrag(u"zwei ist abgeschnitten"_s, SonstigeMeldung);
  QFile::resize(logbuch->dateipfad(), 216 + 16 + 4);
  logbuch->eintrag(u"Logbuch wird geführt"_s, SonstigeMeldung);
  EXPECT_EQ(test::leseDatei(logbuch->dateipfad()).size(), 3 * 216);
  EXPECT_EQ(zeilen(), (QStringList{u"05.12.2026 um 14:03:27: Programm gestartet"_s, u"05.12.2026 um 14:03:28: zwei"_s,
                                   u"05.12.2026 um 14:03:28: Logbuch wird geführt"_s}));
}

// To HOME after two notes (filtered like any entry), the setting then names HOME; the view's reload too.
TEST_F(LogbuchTest, UnbrauchbaresVerzeichnisFaelltAufsHeimatverzeichnisZurueck) {
  const QString gespeichert = u"Logbuch.log auf "_s + home() + u" gespeichert"_s;
  const QString fehlt = u"Logbuch.log Error, "_s + fehlertext(ENOENT);
  for (const auto& [verzeichnis, fehlerAn, erwartet] : QList<std::tuple<QString, bool, QStringList>>{
           {pfad(u"gibt/es/nicht/"_s), true, {fehlt, gespeichert, u"x"_s}},
           {pfad(u"weg/"_s), false, {u"x"_s}}}) {
    const qsizetype vorher = texte().size();
    schalter.setzeKategorie(Fehlermeldung, fehlerAn);
    setzePfad(verzeichnis);
    logbuch->eintrag(u"x"_s, SonstigeMeldung);
    EXPECT_EQ(std::pair(texte().mid(vorher), pfadEinstellung()), std::pair(erwartet, home())) << verzeichnis.toStdString();
  }
  schalter.setzeKategorie(Fehlermeldung, true);
  setzePfad(pfad(u"weg/"_s));
  EXPECT_EQ(texte().mid(3), (QStringList{u"x"_s, fehlt, gespeichert}));
}

// Collected in memory until the outermost session ends; the switches count when the entry is made.
TEST_F(LogbuchTest, SitzungSchreibtGesammeltInEinemZug) {
  logbuch->eintrag(u"vorher"_s, SonstigeMeldung);
  {
    Logbuch::Sitzung sitzung(*logbuch);
    logbuch->eintrag(u"eins"_s, SonstigeMeldung);
    uhr.sekundenWeiter(5);
    { const Logbuch::Sitzung innen(*logbuch); logbuch->eintrag(u"zwei"_s, Kopiervorgang); }
    schalter.setzeKategorie(SonstigeMeldung, false);
    logbuch->eintrag(u"gefiltert"_s, SonstigeMeldung);
    schalter.setzeKategorie(SonstigeMeldung, true);
    EXPECT_EQ(texte(), QStringList{u"vorher"_s});
  }
  EXPECT_EQ(zeilen().mid(1), (QStringList{u"05.12.2026 um 14:03:27: eins"_s, u"05.12.2026 um 14:03:32: zwei"_s}));
}

// Past the budget at an outermost run's start: one rename, the older file replaced; a run is never cut.
TEST_F(LogbuchTest, GrenzeBenenntAmLaufbeginnUmOhneLaufZuTeilen) {
  store->write(u"LogBuch"_s, u"Grenze"_s, u"1944"_s);  // nine records: reached, not passed
  const auto lauf = [this](int eintraege) {
    const Logbuch::Lauf aussen(*logbuch);
    for (int i = 0; i < eintraege; ++i) logbuch->eintrag(u"Lauf "_s + QString::number(i), SonstigeMeldung);
    const Logbuch::Lauf innen(*logbuch);  // a batch's next task, past the budget by now
    return test::leseDatei(logbuch->dateipfad());
  };
  lauf(9);
  const QByteArray zweiter = lauf(12);  // at the budget at its start: not renamed
  ASSERT_EQ(zweiter.size(), 21 * 216);
  lauf(1);
  EXPECT_EQ(std::pair(test::leseDatei(logbuch->aeltererPfad()), texte()),
            std::pair(zweiter, QStringList{u"Logbuch fortgesetzt; ältere Einträge in Logbuch.1.log"_s, u"Lauf 0"_s}));
  const QByteArray dritter = lauf(12);
  lauf(0);
  EXPECT_EQ(test::leseDatei(logbuch->aeltererPfad()), dritter);
}
