#include "logbook/LogSatz.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "logbook/LogbuchModell.h"

#include "platform/Fehlertext.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "LogbuchUmgebung.h"

#include <QFile>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class LogbuchTest : public test::LogbuchUmgebung {
 protected:
  QStringList zeilen() { return gezeigteZeilen(); }
  QString pfadEinstellung() { return store->read(u"LogBuch"_s, u"Pfad"_s, u"(fehlt)"_s); }
};

TEST_F(LogbuchTest, ErsterUndZweiterEintragInDenErstenSlots) {
  EXPECT_EQ(logbuch->dateipfad(), home() + u"Logbuch.log"_s);
  logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
  EXPECT_EQ(QFile(logbuch->dateipfad()).size(), 216);
  uhr.sekundenWeiter(1);
  logbuch->eintrag(u"Logbuch wird geführt"_s, SonstigeMeldung);

  const QByteArray datei = test::leseDatei(logbuch->dateipfad());
  ASSERT_EQ(datei.size(), 432);
  EXPECT_EQ(datei.mid(216 + 16, 100), QByteArray("Logbuch wird gef\xfchrt").leftJustified(100, ' '));
  EXPECT_EQ(zeilen(), (QStringList{u"05.12.2026 um 14:03:27: Programm gestartet"_s,
                                   u"05.12.2026 um 14:03:28: Logbuch wird geführt"_s}));
}

TEST_F(LogbuchTest, SchalterFiltern) {
  schalter.setzeKategorie(Kopiervorgang, false);
  logbuch->eintrag(u"  ==> a.txt"_s, Dateiname);
  logbuch->eintrag(u"    => Datei kopiert"_s, Kopiervorgang);
  logbuch->eintrag(u"    ==> 12 Byte"_s, Dateigroesse);
  EXPECT_EQ(texte(), (QStringList{u"  ==> a.txt"_s, u"    ==> 12 Byte"_s}));

  // The master switch wins over every category; old entries stay visible.
  schalter.setzeKategorie(Kopiervorgang, true);
  schalter.setzeAufzeichnungAus(true);
  for (int kategorie = 0; kategorie <= 10; ++kategorie) logbuch->eintrag(u"still"_s, kategorie);
  EXPECT_EQ(QFile(logbuch->dateipfad()).size(), 2 * 216);
  EXPECT_EQ(texte().size(), 2);

  // The switch is read at every call: switching back records at once.
  schalter.setzeAufzeichnungAus(false);
  logbuch->eintrag(u"Logbuch wird geführt"_s, SonstigeMeldung);
  EXPECT_EQ(texte().last(), u"Logbuch wird geführt"_s);
}

TEST_F(LogbuchTest, FehlendesVerzeichnisFaelltAufsHeimatverzeichnisZurueck) {
  const QString weg = pfad(u"gibt/es/nicht/"_s);
  store->write(u"LogBuch"_s, u"Pfad"_s, weg);
  logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);

  EXPECT_EQ(pfadEinstellung(), home());
  EXPECT_EQ(logbuch->dateipfad(), home() + u"Logbuch.log"_s);
  EXPECT_EQ(texte(), (QStringList{u"Logbuch.log Error, "_s + fehlertext(ENOENT),
                                  u"Logbuch.log auf "_s + home() + u" gespeichert"_s,
                                  u"Programm gestartet"_s}));
  EXPECT_FALSE(QFile::exists(weg + u"Logbuch.log"_s));
}

TEST_F(LogbuchTest, RueckfallNotizenFolgenDenSchaltern) {
  schalter.setzeKategorie(Fehlermeldung, false);
  store->write(u"LogBuch"_s, u"Pfad"_s, pfad(u"weg/"_s));
  logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
  EXPECT_EQ(texte(), QStringList{u"Programm gestartet"_s});
  EXPECT_EQ(pfadEinstellung(), home());
}

TEST_F(LogbuchTest, AuchDerRueckfallScheitertDannGehtDerEintragVerloren) {
  store->write(u"LogBuch"_s, u"Pfad"_s, pfad(u"weg/"_s));
  qputenv("HOME", QFile::encodeName(pfad(u"auch/weg"_s)));
  logbuch->eintrag(u"verloren"_s, SonstigeMeldung);
  EXPECT_EQ(pfadEinstellung(), pfad(u"auch/weg/"_s));
  EXPECT_FALSE(logbuch->oeffnen().ok());
  EXPECT_FALSE(QFile::exists(pfad(u"auch/weg/Logbuch.log"_s)));
}

TEST_F(LogbuchTest, RelativerPfadGiltAlsUnbrauchbar) {
  store->write(u"LogBuch"_s, u"Pfad"_s, u"relativ/"_s);
  logbuch->eintrag(u"x"_s, SonstigeMeldung);
  EXPECT_EQ(pfadEinstellung(), home());
  EXPECT_EQ(texte().size(), 3);
  EXPECT_TRUE(texte().first().startsWith(u"Logbuch.log Error, "_s));
}

TEST_F(LogbuchTest, AbgeschnittenerLetzterSatzWirdNieUeberschrieben) {
  logbuch->eintrag(u"eins"_s, SonstigeMeldung);
  logbuch->eintrag(u"zwei ist abgeschnitten"_s, SonstigeMeldung);
  QFile::resize(logbuch->dateipfad(), 216 + 16 + 4);
  logbuch->eintrag(u"drei"_s, SonstigeMeldung);

  const QByteArray datei = test::leseDatei(logbuch->dateipfad());
  ASSERT_EQ(datei.size(), 3 * 216);
  EXPECT_EQ(datei.mid(216 + 16, 4), "zwei");
  EXPECT_EQ(texte(), (QStringList{u"eins"_s, u"zwei"_s, u"drei"_s}));
}

TEST_F(LogbuchTest, DateiAusZufallsbytesWirdGelesenUndFortgeschrieben) {
  QByteArray zufall(5000, Qt::Uninitialized);
  quint32 x = 12345;
  for (char& b : zufall) b = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
  test::schreibeDatei(home() + u"Logbuch.log"_s, zufall);

  const QStringList vorher = zeilen();
  EXPECT_EQ(vorher.size(), 24);  // 5000 / 216 rounded up
  logbuch->eintrag(u"danach"_s, SonstigeMeldung);
  const QByteArray datei = test::leseDatei(logbuch->dateipfad());
  EXPECT_EQ(datei.left(5000), zufall);
  EXPECT_EQ(zeilen().last(), u"05.12.2026 um 14:03:27: danach"_s);
}

TEST_F(LogbuchTest, SpeicherWiederherstellungWirdProtokolliert) {
  test::schreibeDatei(pfad(u"kaputt.db"_s), QByteArray(4096, 'k'));
  const auto kaputt = SettingsStore::oeffneDatei(pfad(u"kaputt.db"_s));
  Logbuch neues(*kaputt, uhr, schalter);
  meldeSpeicherZustand(*kaputt, neues);
  const QStringList alle = texte();
  ASSERT_EQ(alle.size(), 1);
  EXPECT_TRUE(alle.first().startsWith(u"Die Einstellungsdatenbank war nicht lesbar"_s));

  meldeSpeicherZustand(*store, *logbuch);  // a healthy store says nothing
  EXPECT_EQ(texte().size(), 1);
}

TEST_F(LogbuchTest, SitzungSchreibtGesammeltInEinemZug) {
  logbuch->eintrag(u"vorher"_s, SonstigeMeldung);
  {
    Logbuch::Sitzung sitzung(*logbuch);
    logbuch->eintrag(u"eins"_s, SonstigeMeldung);
    uhr.sekundenWeiter(5);
    logbuch->eintrag(u"zwei"_s, Kopiervorgang);
    EXPECT_EQ(texte(), QStringList{u"vorher"_s});  // still in memory
    logbuch->schreibeGesammelte();
    EXPECT_EQ(texte(), (QStringList{u"vorher"_s, u"eins"_s, u"zwei"_s}));
    {
      Logbuch::Sitzung innen(*logbuch);  // nested: only the outer end writes
      logbuch->eintrag(u"drei"_s, SonstigeMeldung);
    }
    EXPECT_EQ(texte().size(), 3);
    // The switches count when the entry is made, not when it is written.
    schalter.setzeKategorie(SonstigeMeldung, false);
    logbuch->eintrag(u"gefiltert"_s, SonstigeMeldung);
    schalter.setzeKategorie(SonstigeMeldung, true);
  }
  EXPECT_EQ(texte(), (QStringList{u"vorher"_s, u"eins"_s, u"zwei"_s, u"drei"_s}));
  EXPECT_EQ(zeilen().at(2), u"05.12.2026 um 14:03:32: zwei"_s);  // its own time
}

TEST_F(LogbuchTest, SitzungMitRueckfallSchreibtDieNotizenZuerst) {
  Logbuch::Sitzung sitzung(*logbuch);
  logbuch->eintrag(u"gesammelt"_s, SonstigeMeldung);
  store->write(u"LogBuch"_s, u"Pfad"_s, pfad(u"weg/"_s));
  logbuch->schreibeGesammelte();
  const QStringList alle = texte();
  ASSERT_EQ(alle.size(), 3);
  EXPECT_TRUE(alle.at(0).startsWith(u"Logbuch.log Error, "_s));
  EXPECT_EQ(alle.at(2), u"gesammelt"_s);
}
