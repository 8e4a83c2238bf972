#include "scheduler/Automatik.h"
#include "scheduler/Zeitplan.h"

#include "platform/Uhr.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "ZeitplanUmgebung.h"

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

namespace {

using test::um;

QList<int> indizes(const QList<AutomatikTakt::Faellig>& faellig) {
  QList<int> liste;
  for (const auto& f : faellig) liste.append(f.index);
  return liste;
}

}  // namespace

class ZeitplanTest : public test::ZeitplanUmgebung {
 protected:
  ZeitplanTest() : ZeitplanUmgebung(um(2026, 12, 5, 14, 3, 27)) {}

  void plane(int i, const QString& art, const QString& tag, const QString& zeit) {
    store->write(s::abschnittTimer(), s::dayArt(i), art);
    store->write(s::abschnittTimer(), s::sollDay(i), tag);
    store->write(s::abschnittTimer(), s::sollTime(i), zeit);
  }
  bool faelligUm(int i, const QDateTime& zeitpunkt) {
    return zeitplan::faellig(zeitplan::lese(*store, i), zeitpunkt);
  }

};

TEST_F(ZeitplanTest, FaelligkeitJeArt) {
  // 01.12.2025 is a Monday.
  plane(0, u"0"_s, u"05.12.2026"_s, u"09:15:00"_s);
  plane(1, u"1"_s, u"15.03.2026"_s, u"20:00:00"_s);
  plane(2, u"2"_s, u"01.12.2025"_s, u"08:30:00"_s);
  plane(3, u"3"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(4, u"4"_s, u"05.12.2026"_s, u"12:00:00"_s);

  EXPECT_TRUE(faelligUm(0, um(2026, 12, 5, 9, 15, 59)));
  EXPECT_FALSE(faelligUm(0, um(2026, 12, 5, 9, 16)));
  EXPECT_FALSE(faelligUm(0, um(2026, 12, 6, 9, 15)));
  EXPECT_FALSE(faelligUm(0, um(2027, 12, 5, 9, 15)));

  EXPECT_TRUE(faelligUm(1, um(2026, 4, 15, 20, 0)));
  EXPECT_TRUE(faelligUm(1, um(2031, 1, 15, 20, 0, 40)));
  EXPECT_FALSE(faelligUm(1, um(2026, 4, 16, 20, 0)));
  EXPECT_FALSE(faelligUm(1, um(2026, 4, 15, 21, 0)));

  for (int woche = 0; woche < 60; ++woche) {
    const QDate montag = QDate(2025, 12, 1).addDays(7 * woche);
    EXPECT_TRUE(faelligUm(2, QDateTime(montag, QTime(8, 30)))) << woche;
    EXPECT_FALSE(faelligUm(2, QDateTime(montag.addDays(1 + woche % 6), QTime(8, 30)))) << woche;
  }
  EXPECT_FALSE(faelligUm(2, um(2025, 12, 1, 8, 31)));

  for (int tag = 0; tag < 400; tag += 37) {
    EXPECT_TRUE(faelligUm(3, QDateTime(QDate(2026, 1, 1).addDays(tag), QTime(12, 0, 4))));
    EXPECT_FALSE(faelligUm(3, QDateTime(QDate(2026, 1, 1).addDays(tag), QTime(0, 12))));
  }
  EXPECT_FALSE(faelligUm(4, um(2026, 12, 5, 12, 0)));
}

TEST_F(ZeitplanTest, MonatlichAmEinunddreissigstenNurInLangenMonaten) {
  plane(0, u"1"_s, u"31.01.2026"_s, u"07:00:00"_s);
  int monateMitTreffer = 0;
  for (QDate tag(2026, 1, 1); tag.year() == 2026; tag = tag.addDays(1)) {
    const bool faellig = faelligUm(0, QDateTime(tag, QTime(7, 0)));
    EXPECT_EQ(faellig, tag.day() == 31) << tag.toString(Qt::ISODate).toStdString();
    monateMitTreffer += faellig ? 1 : 0;
  }
  EXPECT_EQ(monateMitTreffer, 7);
}

TEST_F(ZeitplanTest, ArtenWerdenAlsTextVerglichenUndFehlendesIstNieFaellig) {
  plane(0, u"03"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(1, u"9"_s, u"05.12.2026"_s, u"12:00:00"_s);
  // Kind without a date: the date defaults to today.
  store->write(s::abschnittTimer(), s::dayArt(2), u"0"_s);
  store->write(s::abschnittTimer(), s::sollTime(2), u"12:00:00"_s);
  // Daily without a time, and daily with a broken time.
  store->write(s::abschnittTimer(), s::dayArt(3), u"3"_s);
  plane(4, u"3"_s, u"05.12.2026"_s, u"zwölf"_s);
  for (int i : {0, 1, 3, 4}) EXPECT_FALSE(faelligUm(i, um(2026, 12, 5, 12, 0))) << i;
  EXPECT_TRUE(faelligUm(2, um(2026, 12, 5, 12, 0)));
  EXPECT_TRUE(faelligUm(2, um(2027, 3, 1, 12, 0)));
  // A weekly date that cannot be read matches no weekday.
  plane(1, u"2"_s, u"Montag"_s, u"12:00:00"_s);
  for (int tag = 0; tag < 7; ++tag) EXPECT_FALSE(faelligUm(1, um(2026, 12, 1 + tag, 12, 0)));
}

TEST_F(ZeitplanTest, TaktBearbeitetJedeMinuteEinmalInIndexreihenfolge) {
  plane(4, u"3"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(1, u"3"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(2, u"3"_s, u"05.12.2026"_s, u"12:01:00"_s);
  uhr.stellen(um(2026, 12, 5, 11, 59, 58));
  AutomatikTakt takt(*store, uhr);

  auto e = takt.takt();
  EXPECT_TRUE(e.neueMinute);
  EXPECT_TRUE(e.faellig.isEmpty());
  uhr.sekundenWeiter(5);  // 12:00:03
  e = takt.takt();
  EXPECT_TRUE(e.neueMinute);
  EXPECT_EQ(indizes(e.faellig), (QList<int>{1, 4}));
  for (int n = 0; n < 11; ++n) {  // the rest of 12:00
    uhr.sekundenWeiter(5);
    e = takt.takt();
    EXPECT_FALSE(e.neueMinute) << n;
    EXPECT_TRUE(e.faellig.isEmpty()) << n;
  }
  uhr.sekundenWeiter(5);  // 12:01:03
  e = takt.takt();
  EXPECT_TRUE(e.neueMinute);
  EXPECT_EQ(indizes(e.faellig), QList<int>{2});
  // The next day the same minute counts again.
  uhr.stellen(um(2026, 12, 6, 12, 0, 1));
  EXPECT_EQ(indizes(takt.takt().faellig), (QList<int>{1, 4}));
}

TEST_F(ZeitplanTest, StartMittenInDerMinuteUndUmMitternacht) {
  plane(0, u"3"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(3, u"3"_s, u"05.12.2026"_s, u"00:00:00"_s);
  uhr.stellen(um(2026, 12, 5, 12, 0, 30));
  AutomatikTakt mittag(*store, uhr);
  EXPECT_EQ(indizes(mittag.takt().faellig), QList<int>{0});
  EXPECT_TRUE(mittag.takt().faellig.isEmpty());

  uhr.stellen(um(2026, 12, 6, 0, 0, 30));
  AutomatikTakt mitternacht(*store, uhr);
  EXPECT_EQ(indizes(mitternacht.takt().faellig), QList<int>{3});
}

TEST_F(ZeitplanTest, EinmaligerZeitplanLaeuftEinmalUndIstDannAus) {
  plane(2, u"0"_s, u"05.12.2026"_s, u"09:15:00"_s);
  store->write(s::abschnittTimer(), s::zusatz(2), u"1"_s);
  store->write(s::abschnittOptionen(), s::vorgang(2), u"0"_s);
  uhr.stellen(um(2026, 12, 5, 9, 15, 2));
  AutomatikTakt takt(*store, uhr);
  const auto e = takt.takt();
  ASSERT_EQ(e.faellig, (QList<AutomatikTakt::Faellig>{{2, true}}));

  zeitplan::entferneEinmalig(*store, 2);
  EXPECT_FALSE(store->enthaelt(s::abschnittTimer(), s::dayArt(2)));
  EXPECT_FALSE(store->enthaelt(s::abschnittTimer(), s::sollDay(2)));
  EXPECT_FALSE(store->enthaelt(s::abschnittTimer(), s::sollTime(2)));
  EXPECT_EQ(store->read(s::abschnittTimer(), s::zusatz(2), QString()), u"1"_s);
  EXPECT_EQ(zeitplan::beschreibung(*store, 2, uhr).text, u" Timer deaktiv"_s);

  // Even with the clock put back into the minute it does not fire again.
  uhr.stellen(um(2026, 12, 5, 9, 15, 40));
  AutomatikTakt neu(*store, uhr);
  EXPECT_TRUE(neu.takt().faellig.isEmpty());
  EXPECT_EQ(zeitplan::einmaligBeendetZeile(2),
            (zeitplan::LogZeile{u"  => einmaliger Zeitplan der Aufgabe 3 beendet und gelöscht"_s,
                                Endreport}));
  EXPECT_EQ(zeitplan::anfangZeile().kategorie, StartDesVorgangs);
  EXPECT_EQ(zeitplan::endeZeile().kategorie, Endreport);
}

TEST_F(ZeitplanTest, Beschreibungen) {
  plane(0, u"0"_s, u"24.12.2026"_s, u"09:15:00"_s);
  plane(1, u"1"_s, u"15.03.2026"_s, u"20:00:00"_s);
  plane(2, u"2"_s, u"01.12.2025"_s, u"08:30:00"_s);
  plane(3, u"3"_s, u"05.12.2026"_s, u"08:30:00"_s);
  store->write(s::abschnittOptionen(), s::vorgang(1), u"2"_s);
  store->write(s::abschnittOptionen(), s::vorgang(3), u"0"_s);
  const auto b = zeitplan::beschreibungen(*store, uhr);
  EXPECT_EQ(b.at(0), (zeitplan::Beschreibung{u" nur am 24.12.2026 um 09:15 Uhr"_s, zeitplan::kHellrot,
                                             zeitplan::kWeiss}));
  EXPECT_EQ(b.at(1), (zeitplan::Beschreibung{u" immer am 15. des Monats um 20:00 Uhr"_s,
                                             zeitplan::kHellgelb, zeitplan::kSchwarz}));
  EXPECT_EQ(b.at(2).text, u" einmal pro Woche  um 08:30 Uhr"_s);
  EXPECT_EQ(b.at(3).text, u" Täglich um 08:30 Uhr"_s);
  EXPECT_EQ(b.at(3).hintergrund, zeitplan::kHellgelb);
  // Nothing stored: switched off, no copy mode.
  EXPECT_EQ(b.at(4), (zeitplan::Beschreibung{u" Timer deaktiv"_s, zeitplan::kHellrot, zeitplan::kWeiss}));

  // An unknown kind keeps only the time; an absent date is today's.
  plane(4, u"7"_s, u"05.12.2026"_s, u"23:59:59"_s);
  EXPECT_EQ(zeitplan::beschreibung(*store, 4, uhr).text, u" um 23:59 Uhr"_s);
  store->write(s::abschnittTimer(), s::dayArt(4), u"0"_s);
  store->remove(s::abschnittTimer(), s::sollDay(4));
  EXPECT_EQ(zeitplan::beschreibung(*store, 4, uhr).text, u" nur am 05.12.2026 um 23:59 Uhr"_s);
  // Choosing a copy mode recolours at once.
  store->write(s::abschnittOptionen(), s::vorgang(4), u"1"_s);
  EXPECT_EQ(zeitplan::beschreibung(*store, 4, uhr).schrift, zeitplan::kSchwarz);
}

TEST_F(ZeitplanTest, DatumsBeschriftungMitFuehrendemLeerzeichen) {
  AutomatikTakt takt(*store, uhr);
  EXPECT_EQ(takt.datumsBeschriftung(), u" Samstag, 5. Dezember 2026"_s);
}
