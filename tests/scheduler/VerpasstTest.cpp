#include "scheduler/Verpasst.h"
#include "scheduler/Zeitplan.h"

#include "store/Formate.h"
#include "ZeitplanUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

using test::um;

// Each kind at its edges: the missed-schedule search over ende + 1 min .. start, and the tick asked at each of
// those minutes (stepped in UTC: no summer time shifts). The end's second carries into every minute.
TEST(Verpasst, ArtenAnDenGrenzenDesFensters) {
  struct Fall { const char* name; QString art; QDateTime geplant, ende, start; QStringList erwartet; };
  const Fall faelle[] = {
      {"täglich: die erste Minute nach dem Ende", u"3"_s, um(2026, 1, 1, 17, 1), um(2026, 12, 5, 17, 0, 30),
       um(2026, 12, 5, 18, 0), {u"05.12.2026 17:01:30"_s}},
      {"täglich: nicht die Minute des Endes, aber die des Starts", u"3"_s, um(2026, 1, 1, 17, 0),
       um(2026, 12, 5, 17, 0, 30), um(2026, 12, 6, 17, 0, 10), {u"06.12.2026 17:00:30"_s}},
      {"wöchentlich bis zum letzten Tag", u"2"_s, um(2026, 12, 1, 19, 45), um(2026, 11, 29, 10, 0),
       um(2026, 12, 15, 19, 45, 20), {u"01.12.2026 19:45:00"_s, u"08.12.2026 19:45:00"_s, u"15.12.2026 19:45:00"_s}},
      {"einmalig nur an seinem Tag", u"0"_s, um(2026, 12, 6, 8, 30), um(2026, 12, 4, 8, 0, 15),
       um(2026, 12, 8, 9, 0), {u"06.12.2026 08:30:15"_s}},
      {"monatlich am 31.: nicht am 30. November", u"1"_s, um(2026, 1, 31, 12, 0), um(2026, 11, 1, 0, 0),
       um(2027, 1, 1, 0, 0), {u"31.12.2026 12:00:00"_s}},
      {"ohne Zeitplan", u"4"_s, um(2026, 12, 5, 12, 0), um(2026, 12, 5, 0, 0), um(2026, 12, 6, 0, 0), {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const qint64 n = verpasst::minutengrenzen(f.ende, f.start);
    QStringList gefunden, takt;
    for (const QDateTime& t : verpasst::vorkommen(f.ende, n, f.art, f.geplant)) gefunden << formate::datumZeit(t);
    const zeitplan::Gespeichert plan{f.art, formate::kurzDatum(f.geplant.date()), formate::langeZeit(f.geplant.time())};
    const QDateTime ende(f.ende.date(), f.ende.time(), Qt::UTC);
    for (qint64 k = 1; k <= n; ++k)
      if (zeitplan::faellig(plan, ende.addSecs(60 * k))) takt << formate::datumZeit(ende.addSecs(60 * k));
    EXPECT_EQ(gefunden, f.erwartet) << "the missed-schedule search";
    EXPECT_EQ(takt, f.erwartet) << "the tick, minute by minute";
  }
}

class VerpasstTest : public test::ZeitplanUmgebung {
 protected:
  // The last run's end and this start as "dd.MM.yyyy hh:mm:ss". Now is 06.12.2026 09:00:10.
  verpasst::Ergebnis suche(const QString& ende, const QString& start = u"06.12.2026 09:00:10"_s,
                           verpasst::Modus modus = verpasst::Modus::Menue, bool meldungAn = true) {
    for (const auto& [key, wert] : QList<std::pair<QString, QString>>{{s::endDatum(), ende.left(10)}, {s::endTime(), ende.mid(11)},
                                                                      {s::startDatum(), start.left(10)}, {s::startTime(), start.mid(11)}})
      store->write(s::abschnittTool(), key, wert);
    uhr.stellen(um(2026, 12, 6, 9, 0, 10));
    return verpasst::suche(*store, uhr, modus, meldungAn);
  }
  const QString praefix = u"! Verpasster Zeitplan in Aufgabe "_s;
};

// In task order, not in time order; the box's reason by switch and mode.
TEST_F(VerpasstTest, MeldungJeNachSchalterUndModus) {
  plane(1, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  plane(3, u"0"_s, u"05.12.2026"_s, u"18:00:00"_s);
  const QStringList zeilen{praefix + u"2 gefunden, geplant am/um 06.12.2026 08:30:00"_s, praefix + u"4 gefunden, geplant am/um 05.12.2026 18:00:00"_s};
  const auto box = [&](const QString& grund) { return Meldung{u"Folgende Aufgaben wurden versäumt ("_s + grund + u")\n\n"_s + zeilen.join(u"; "_s) + u"; "_s,
                                                               u"Versäumte Aufgaben"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok}; };
  using M = verpasst::Modus;
  for (const auto& [modus, meldungAn, meldung] : QList<std::tuple<M, bool, std::optional<Meldung>>>{
           {M::Menue, true, box(u"Bewahrix war nicht aktiv"_s)}, {M::Start, false, std::nullopt},
           {M::Menue, false, box(u"Bewahrix wurde nicht gestartet"_s)}}) {
    const auto e = suche(u"05.12.2026 17:00:00"_s, u"06.12.2026 09:00:10"_s, modus, meldungAn);
    EXPECT_EQ(std::pair(e.logZeilen, e.meldung), std::pair(zeilen, meldung));
  }
}

// Odd records (no copy mode, no time, a broken date): nothing to report, no box at start.
TEST_F(VerpasstTest, NichtsZuMelden) {
  for (int i = 0; const auto& [tag, zeit, vorgang] : QList<std::tuple<QString, QString, QString>>{
           {u"01.12.2026"_s, u"08:30:00"_s, u"5"_s}, {u"01.12.2026"_s, {}, u"0"_s}, {u"kein Datum"_s, u"08:30:00"_s, u"0"_s}})
    plane(i++, u"3"_s, tag, zeit, vorgang);
  EXPECT_EQ(suche(u"05.12.2026 17:00:00"_s).meldung, information(u"Suche beendet. Es wurden keine Auträge versäumt."_s));
  EXPECT_FALSE(suche(u"05.12.2026 17:00:00"_s, u"06.12.2026 09:00:10"_s, verpasst::Modus::Start).meldung);
  // Within one minute, or ended after second 5 of the minute before.
  plane(4, u"3"_s, u"01.12.2026"_s, u"17:01:00"_s);
  for (const auto& [ende, start, zeilen] : QList<std::tuple<QString, QString, qsizetype>>{{u"05.12.2026 17:00:00"_s, u"05.12.2026 17:00:40"_s, 0},
           {u"05.12.2026 17:00:05"_s, u"05.12.2026 17:01:00"_s, 0}, {u"05.12.2026 17:00:04"_s, u"05.12.2026 17:01:00"_s, 1}}) {
    const auto e = suche(ende, start);
    EXPECT_EQ(std::pair(e.logZeilen.size(), e.meldung.has_value()), std::pair(zeilen, zeilen > 0))
        << (ende + u" bis "_s + start).toStdString();
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
