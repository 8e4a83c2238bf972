#include "scheduler/Zeitplanfeld.h"

#include "store/Datensaetze.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "ZeitplanUmgebung.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

class ZeitplanfeldTest : public test::ZeitplanUmgebung {
 protected:
  ZeitplanfeldTest() : ZeitplanUmgebung(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))) {}

  QString timer(const QString& key) { return store->read(s::abschnittTimer(), key, u"(fehlt)"_s); }
  QStringList texte(const QList<zeitplan::LogZeile>& zeilen) {
    QStringList t;
    for (const auto& z : zeilen) {
      EXPECT_EQ(z.kategorie, SonstigeMeldung);
      t.append(z.text);
    }
    return t;
  }
};

TEST_F(ZeitplanfeldTest, DatumsformJeArt) {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  const auto einmalig = zeitplan::datumsForm(Einmalig);
  EXPECT_TRUE(einmalig.sichtbar);
  EXPECT_TRUE(einmalig.kalender);
  EXPECT_EQ(deutsch.toString(QDate(2026, 12, 5), einmalig.format), u"05.Dez. 2026"_s);
  // Months the language writes out get no dot, and none gets two.
  EXPECT_EQ(deutsch.toString(QDate(2026, 5, 5), einmalig.format), u"05.Mai 2026"_s);
  for (int monat = 1; monat <= 12; ++monat)
    EXPECT_FALSE(deutsch.toString(QDate(2026, monat, 5), einmalig.format).contains(u".."_s)) << monat;

  const auto monatlich = zeitplan::datumsForm(Monatlich);
  EXPECT_EQ(monatlich, (zeitplan::DatumsForm{true, u"dd."_s, false}));
  EXPECT_EQ(deutsch.toString(QDate(2026, 12, 5), monatlich.format), u"05."_s);
  const auto woechentlich = zeitplan::datumsForm(Woechentlich);
  EXPECT_FALSE(woechentlich.kalender);
  EXPECT_EQ(deutsch.toString(QDate(2026, 12, 5), woechentlich.format), u"Samstag"_s);

  EXPECT_FALSE(zeitplan::datumsForm(Taeglich).sichtbar);
  EXPECT_FALSE(zeitplan::datumsForm(KeinZeitplan).sichtbar);
}

TEST_F(ZeitplanfeldTest, SpeichernSchreibtAlleVierSchluessel) {
  zeitplan::speichere(*store, 2, {QDate(2026, 3, 1), QTime(8, 30), true, Woechentlich});
  EXPECT_EQ(timer(u"SollDay2"_s), u"01.03.2026"_s);
  EXPECT_EQ(timer(u"SollTime2"_s), u"08:30:00"_s);
  EXPECT_EQ(timer(u"Zusatz2"_s), u"1"_s);
  EXPECT_EQ(timer(u"DayArt2"_s), u"2"_s);
  EXPECT_EQ(timer(u"DayArt1"_s), u"(fehlt)"_s);

  // Switched off, the schedule is still written whole.
  zeitplan::speichere(*store, 2, {QDate(2026, 12, 5), QTime(23, 59), false, KeinZeitplan});
  EXPECT_EQ(timer(u"SollDay2"_s), u"05.12.2026"_s);
  EXPECT_EQ(timer(u"SollTime2"_s), u"23:59:00"_s);
  EXPECT_EQ(timer(u"Zusatz2"_s), u"0"_s);
  EXPECT_EQ(timer(u"DayArt2"_s), u"4"_s);

  // No kind chosen: the stored kind stays.
  zeitplan::speichere(*store, 2, {QDate(2026, 12, 5), QTime(7, 0), false, std::nullopt});
  EXPECT_EQ(timer(u"DayArt2"_s), u"4"_s);
  EXPECT_EQ(timer(u"SollTime2"_s), u"07:00:00"_s);
}

TEST_F(ZeitplanfeldTest, GespeicherterZeitplanWirdFaellig) {
  // 01.12.2025 is a Monday; saved weekly it is due every Monday at its time.
  zeitplan::speichere(*store, 0, {QDate(2025, 12, 1), QTime(8, 30), false, Woechentlich});
  const auto plan = zeitplan::lese(*store, 0);
  EXPECT_TRUE(zeitplan::faellig(plan, QDateTime(QDate(2026, 12, 7), QTime(8, 30, 40))));
  EXPECT_FALSE(zeitplan::faellig(plan, QDateTime(QDate(2026, 12, 8), QTime(8, 30))));

  zeitplan::speichere(*store, 1, {QDate(2026, 12, 5), QTime(9, 15), false, Einmalig});
  EXPECT_TRUE(zeitplan::faellig(zeitplan::lese(*store, 1), QDateTime(QDate(2026, 12, 5), QTime(9, 15))));
  EXPECT_EQ(zeitplan::beschreibung(*store, 1, uhr).text, u" nur am 05.12.2026 um 09:15 Uhr"_s);
}

TEST_F(ZeitplanfeldTest, LogzeilenDesSpeicherns) {
  const QString beschreibung = u" Täglich um 08:30 Uhr"_s;
  EXPECT_EQ(texte(zeitplan::speicherZeilen(0, {{}, {}, true, Taeglich}, beschreibung)),
            (QStringList{u"neuer Zeitplan für Aufgabe 1, Timer: Täglich um 08:30 Uhr"_s,
                         u"neuer Zeitplan für Aufgabe 1 => mit Erweiterung Sicherheitskopie von..."_s}));
  EXPECT_EQ(texte(zeitplan::speicherZeilen(4, {{}, {}, false, Einmalig}, beschreibung)).last(),
            u"neuer Zeitplan für Aufgabe 5 => ohne Erweiterung Sicherheitskopie von..."_s);
  // No kind chosen counts as not switched off.
  EXPECT_EQ(zeitplan::speicherZeilen(1, {{}, {}, false, std::nullopt}, beschreibung).size(), 2);
  EXPECT_EQ(texte(zeitplan::speicherZeilen(1, {{}, {}, true, KeinZeitplan}, u" Timer deaktiv"_s)),
            QStringList{u"neuer Zeitplan für Aufgabe 2, Timer: Timer deaktiv"_s});
}
