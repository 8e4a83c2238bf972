#include "scheduler/Automatik.h"
#include "scheduler/Lampen.h"
#include "scheduler/Zeitplan.h"
#include "scheduler/Zeitplanfeld.h"

#include "store/Datensaetze.h"
#include "ZeitplanUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

using test::um;

TEST(Lampen, ZustandAusDemGespeichertenCode) {
  using lampen::Zustand;
  const QList<std::pair<std::optional<QString>, std::optional<Zustand>>> codes = {
      {std::nullopt, Zustand::Grau}, {u""_s, Zustand::Grau}, {u"0"_s, Zustand::Gruen}, {u"3"_s, Zustand::Gelb},
      {u"17"_s, Zustand::Rot},       {u"1"_s, Zustand::Rot}, {u"-3"_s, Zustand::Rot},  {u"rot"_s, std::nullopt}};
  for (const auto& [code, zustand] : codes) EXPECT_EQ(lampen::ausCode(code), zustand) << code.value_or(u"-"_s).toStdString();
}

class ZeitplanTest : public test::ZeitplanUmgebung {};

TEST_F(ZeitplanTest, TaktBearbeitetJedeMinuteEinmalInIndexreihenfolge) {
  plane(4, u"3"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(1, u"3"_s, u"05.12.2026"_s, u"12:00:00"_s);
  plane(2, u"0"_s, u"05.12.2026"_s, u"12:01:00"_s);
  uhr.stellen(um(2026, 12, 5, 11, 59, 58));
  AutomatikTakt takt(*store, uhr);
  using Tick = std::pair<bool, QList<std::pair<int, bool>>>;  // a new minute; the tasks due: index, one-off
  const auto tick = [](AutomatikTakt& t) {
    const auto e = t.takt(false);
    Tick ergebnis{e.neueMinute, {}};
    for (const auto& f : e.faellig) ergebnis.second.append({f.index, f.einmalig});
    return ergebnis;
  };
  // Every 5 s from 11:59:58 to 12:01:03.
  QList<Tick> ticks;
  for (int n = 0; n < 14; ++n, uhr.sekundenWeiter(5)) ticks << tick(takt);
  EXPECT_EQ(ticks, (QList<Tick>{{true, {}}, {true, {{1, false}, {4, false}}}} << QList<Tick>(11) << Tick{true, {{2, true}}}));
  uhr.stellen(um(2026, 12, 6, 12, 0, 1));  // the next day the same minute counts again
  EXPECT_EQ(tick(takt), (Tick{true, {{1, false}, {4, false}}}));
  // A tick that starts in the middle of a minute sees it, midnight included.
  plane(3, u"3"_s, u"05.12.2026"_s, u"00:00:00"_s);
  uhr.stellen(um(2026, 12, 6, 0, 0, 30));
  AutomatikTakt mitternacht(*store, uhr);
  EXPECT_EQ(tick(mitternacht), (Tick{true, {{3, false}}}));
}

// Without a chosen kind the stored one stays; a one-off run's removal: tests/lifecycle.
TEST_F(ZeitplanTest, ZeitplanfeldOhneGewaehlteArt) {
  zeitplan::speichere(*store, 2, {QDate(2026, 3, 1), QTime(8, 30), true, Woechentlich});
  zeitplan::speichere(*store, 2, {QDate(2026, 12, 5), QTime(7, 0), false, std::nullopt});
  const auto timer = [this](const QString& key) { return store->read(s::abschnittTimer(), key, u"(fehlt)"_s); };
  EXPECT_EQ((QStringList{timer(u"DayArt2"_s), timer(u"SollDay2"_s), timer(u"SollTime2"_s), timer(u"Zusatz2"_s)}),
            (QStringList{u"2"_s, u"05.12.2026"_s, u"07:00:00"_s, u"0"_s}));
}
