#include "scheduler/Verpasst.h"
#include "scheduler/Zeitplan.h"

#include "store/Formate.h"
#include "ZeitplanUmgebung.h"

#include <random>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

using test::um;

// The rule stepped minute by minute in UTC (no summer time shifts), beside the minutes the tick finds due.
static std::pair<QStringList, QStringList> minutenweise(const QDateTime& ende, const QDateTime& start,
                                                 const QString& art, const QDateTime& geplant) {
  const QDateTime e(ende.date(), ende.time(), Qt::UTC);
  const QDateTime eMinute(ende.date(), QTime(ende.time().hour(), ende.time().minute()), Qt::UTC);
  const QDateTime sMinute(start.date(), QTime(start.time().hour(), start.time().minute()), Qt::UTC);
  const qint64 n = eMinute.secsTo(sMinute) / 60;
  const zeitplan::Gespeichert plan{art, formate::kurzDatum(geplant.date()), formate::langeZeit(geplant.time())};
  QStringList treffer, faellig;
  QDateTime t = e;
  for (qint64 k = 0; k < n; ++k) {
    t = t.addSecs(60);
    if (t.time().hour() != geplant.time().hour() || t.time().minute() != geplant.time().minute()) continue;
    const QDate d = t.date(), g = geplant.date();
    if (art == u"3"_s || (art == u"0"_s && d == g) || (art == u"1"_s && d.day() == g.day()) ||
        (art == u"2"_s && d.dayOfWeek() == g.dayOfWeek()))
      treffer.append(formate::datumZeit(t));
    if (zeitplan::faellig(plan, t)) faellig.append(formate::datumZeit(t));
  }
  return {treffer, faellig};
}

// The missed-schedule search and the tick against the minute-by-minute rule.
TEST(VerpasstRechnung, KalenderUndTaktGleichenDerMinutenweisenRegel) {
  std::mt19937_64 zufall(20261205);
  const auto zahl = [&](qint64 von, qint64 bis) { return std::uniform_int_distribution<qint64>(von, bis)(zufall); };
  const QStringList arten{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"x"_s};
  int mitTreffern = 0;
  for (int fall = 0; fall < 3000; ++fall) {
    const QDateTime ende(QDate(2020, 1, 1).addDays(zahl(0, 4000)),
                         QTime(int(zahl(0, 23)), int(zahl(0, 59)), zahl(0, 1) ? 0 : int(zahl(0, 59))));
    const int wahl = int(zahl(0, 9));
    const qint64 minuten = wahl < 6 ? zahl(-30, 3000) : wahl < 9 ? zahl(0, 4320) : zahl(0, 90000);
    const QDateTime start = QDateTime(ende.date(), ende.time(), Qt::UTC).addSecs(60 * minuten + zahl(-59, 59));
    const QDateTime startLokal(start.date(), start.time());
    const QString art = arten.at(zahl(0, zahl(0, 3) ? 3 : 5));
    // Near the interval, so kinds 0 and 1 match now and then; its edges get their own share.
    const QList<QTime> raender{ende.time(), ende.time().addSecs(60), startLokal.time(), startLokal.time().addSecs(-60)};
    const QTime uhrzeit = zahl(0, 1) ? QTime(int(zahl(0, 23)), int(zahl(0, 59)), int(zahl(0, 59)))
                                     : raender.at(zahl(0, 3));
    const QDateTime geplant(ende.date().addDays(zahl(-40, minuten / 1440 + 2)), uhrzeit);

    const auto [erwartet, faellig] = minutenweise(ende, startLokal, art, geplant);
    QStringList kalender;
    for (const auto& t : verpasst::vorkommen(ende, verpasst::minutengrenzen(ende, startLokal), art, geplant))
      kalender.append(formate::datumZeit(t));
    ASSERT_EQ(faellig, erwartet) << "Takt, Fall " << fall;
    ASSERT_EQ(kalender, erwartet) << "Fall " << fall << ", Art " << art.toStdString() << ", Plan "
                                  << formate::datumZeit(geplant).toStdString();
    mitTreffern += erwartet.isEmpty() ? 0 : 1;
  }
  EXPECT_GT(mitTreffern, 500);  // the matching is exercised, not only empty intervals
}

class VerpasstTest : public test::ZeitplanUmgebung {
 protected:
  // The last run's end and this start as "dd.MM.yyyy hh:mm:ss"; an empty end is not stored. Now is 06.12.2026 09:00:10.
  verpasst::Ergebnis suche(const QString& ende, const QString& start = u"06.12.2026 09:00:10"_s,
                           verpasst::Modus modus = verpasst::Modus::Menue, bool meldungAn = true) {
    for (const auto& [key, wert] : QList<std::pair<QString, QString>>{{s::endDatum(), ende.left(10)}, {s::endTime(), ende.mid(11)},
                                                                      {s::startDatum(), start.left(10)}, {s::startTime(), start.mid(11)}})
      if (wert.isEmpty()) store->remove(s::abschnittTool(), key);
      else store->write(s::abschnittTool(), key, wert);
    uhr.stellen(um(2026, 12, 6, 9, 0, 10));
    return verpasst::suche(*store, uhr, modus, meldungAn);
  }
  const QString praefix = u"! Verpasster Zeitplan in Aufgabe "_s;
};

TEST_F(VerpasstTest, MeldungJeNachSchalterUndModus) {
  plane(1, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  const QString zeile = praefix + u"2 gefunden, geplant am/um 06.12.2026 08:30:00"_s;
  const auto box = [&](const QString& grund) { return Meldung{u"Folgende Aufgaben wurden versäumt ("_s + grund + u")\n\n"_s + zeile + u"; "_s,
                                                               u"Versäumte Aufgaben"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok}; };
  using M = verpasst::Modus;
  for (const auto& [modus, meldungAn, meldung] : QList<std::tuple<M, bool, std::optional<Meldung>>>{
           {M::Menue, true, box(u"Bewahrix war nicht aktiv"_s)}, {M::Start, false, std::nullopt},
           {M::Menue, false, box(u"Bewahrix wurde nicht gestartet"_s)}}) {
    const auto e = suche(u"05.12.2026 17:00:00"_s, u"06.12.2026 09:00:10"_s, modus, meldungAn);
    EXPECT_EQ(std::pair(e.logZeilen, e.meldung), std::pair(QStringList{zeile}, meldung));
  }
}

TEST_F(VerpasstTest, WochenUndTageMehrererAufgabenInAufgabenreihenfolge) {
  // Three weeks offline, Sunday to Sunday; 01.12.2026 is a Tuesday.
  plane(3, u"2"_s, u"01.12.2026"_s, u"19:45:00"_s);
  plane(2, u"0"_s, u"10.12.2026"_s, u"12:00:00"_s);
  QStringList erwartet{praefix + u"3 gefunden, geplant am/um 10.12.2026 12:00:00"_s};
  for (const QString& tag : {u"01"_s, u"08"_s, u"15"_s}) erwartet << praefix + u"4 gefunden, geplant am/um "_s + tag + u".12.2026 19:45:00"_s;
  EXPECT_EQ(suche(u"29.11.2026 10:00:00"_s, u"20.12.2026 10:00:00"_s).logZeilen, erwartet);
}

// Odd records (no copy mode, no date or time, a broken date): nothing to report, no box at start.
TEST_F(VerpasstTest, NichtsZuMelden) {
  for (int i = 0; const auto& [tag, zeit, vorgang] : QList<std::tuple<QString, QString, QString>>{
           {u"01.12.2026"_s, u"08:30:00"_s, u"5"_s}, {{}, u"08:30:00"_s, u"0"_s}, {u"01.12.2026"_s, {}, u"0"_s},
           {u"kein Datum"_s, u"08:30:00"_s, u"0"_s}})
    plane(i++, u"3"_s, tag, zeit, vorgang);
  EXPECT_EQ(suche(u"05.12.2026 17:00:00"_s).meldung, information(u"Suche beendet. Es wurden keine Auträge versäumt."_s));
  EXPECT_FALSE(suche(u"05.12.2026 17:00:00"_s, u"06.12.2026 09:00:10"_s, verpasst::Modus::Start).meldung);
  // Within one minute, ended after second 5 of the minute before, unreadable or missing records.
  plane(4, u"3"_s, u"01.12.2026"_s, u"17:01:00"_s);
  for (const auto& [ende, start, zeilen] : QList<std::tuple<QString, QString, qsizetype>>{
           {u"05.12.2026 17:00:00"_s, u"05.12.2026 17:00:40"_s, 0}, {u"05.12.2026 17:00:05"_s, u"05.12.2026 17:01:00"_s, 0},
           {u"05.12.2026 17:00:04"_s, u"05.12.2026 17:01:00"_s, 1}, {u"05.12.2026 17 Uhr"_s, u"06.12.2026 09:00:10"_s, 0},
           {u"05.12.2026 17:00:00"_s, u"06.12.20xx 09:00:10"_s, 0}, {QString(), u"06.12.2026 09:00:10"_s, 0}}) {
    const auto e = suche(ende, start);
    EXPECT_EQ(std::pair(e.logZeilen.size(), e.meldung.has_value()), std::pair(zeilen, zeilen > 0)) << ende.toStdString();
  }
}

TEST_F(VerpasstTest, ImFensterHoechstensDreissigDasLogbuchBekommtAlle) {
  plane(0, u"3"_s, u"01.12.2026"_s, u"00:00:00"_s);
  const auto e = suche(u"01.11.2026 00:00:00"_s, u"02.12.2026 00:00:00"_s, verpasst::Modus::Start);
  ASSERT_EQ(e.logZeilen.size(), 31);
  EXPECT_EQ((QStringList{e.logZeilen.first(), e.logZeilen.last()}),  // midnight: the date alone
            (QStringList{praefix + u"1 gefunden, geplant am/um 02.11.2026"_s, praefix + u"1 gefunden, geplant am/um 02.12.2026"_s}));
  EXPECT_TRUE(e.meldung && e.meldung->text.count(u"! Verpasster"_s) == 30 &&
              e.meldung->text.endsWith(e.logZeilen.at(29) + u"; ... und 1 weitere (siehe Logbuch)"_s));
}

// Day 31 falls due only in months that have one: never on the 30th of November or the 28th of February.
TEST(Zeitplan, MonatlichAmEinunddreissigstenNurInMonatenMitIhm) {
  const zeitplan::Gespeichert plan{u"1"_s, u"31.01.2026"_s, u"12:00:00"_s};
  for (const QDate tag : {QDate(2026, 2, 28), QDate(2026, 11, 30), QDate(2026, 12, 31)}) {
    SCOPED_TRACE(tag.toString(Qt::ISODate).toStdString());
    EXPECT_EQ(zeitplan::faellig(plan, QDateTime(tag, QTime(12, 0, 30))), tag.day() == 31) << "the tick";
  }
  QStringList gefunden;
  const QDateTime ende = um(2026, 11, 1, 0, 0), start = um(2027, 1, 1, 0, 0);
  for (const QDateTime& t : verpasst::vorkommen(ende, verpasst::minutengrenzen(ende, start), u"1"_s, um(2026, 1, 31, 12, 0)))
    gefunden.append(formate::datumZeit(t));
  EXPECT_EQ(gefunden, QStringList{u"31.12.2026 12:00:00"_s}) << "the missed-schedule search";
}
