#include "store/Formate.h"
#include "store/Werte.h"

#include "support/SkriptDialoge.h"  // readable QStrings in failures

using namespace Qt::Literals::StringLiterals;
namespace formate = bewahrix::formate;
namespace werte = bewahrix::werte;

TEST(Formate, GeschriebenWieDasProgrammEsZeigt) {
  const QDate samstag(2026, 12, 5);
  const std::pair<QString, QString> faelle[] = {
      {formate::kurzDatum(samstag), u"05.12.2026"_s},
      {formate::langesDatum(samstag), u"Samstag, 5. Dezember 2026"_s},
      {formate::eintragsDatum(QDate(2026, 3, 1)), u"01. Mrz. 2026"_s},
      {formate::statusDatum(QDate(2026, 3, 9)), u"09.März 2026"_s},
      {formate::langeZeit(QTime(9, 5, 3)), u"09:05:03"_s},
      {formate::stundeMinute(QTime(14, 7, 59)), u"14:07"_s},
      {formate::datumZeit(QDateTime(QDate(2026, 2, 1), QTime(9, 5, 3))), u"01.02.2026 09:05:03"_s},
      {formate::datumZeit(QDateTime(QDate(2026, 2, 1), QTime(0, 0))), u"01.02.2026"_s},
      {formate::festkomma(12960 / 1024.0, 2), u"12,66"_s},
      {formate::festkomma(123456.789, 3), u"123456,789"_s},  // no grouping
  };
  for (const auto& [ist, soll] : faelle) EXPECT_EQ(ist, soll);
}

TEST(Formate, GeschriebenesWirdZurueckgelesen) {
  const QDateTime zeitpunkt(QDate(2026, 12, 31), QTime(23, 59, 58));
  EXPECT_EQ(formate::leseKurzDatum(formate::kurzDatum(zeitpunkt.date())), zeitpunkt.date());
  EXPECT_EQ(formate::leseDatumZeit(formate::datumZeit(zeitpunkt)), zeitpunkt);
  EXPECT_EQ(formate::leseDatumZeit(u"01.02.2026"_s), QDateTime(QDate(2026, 2, 1), QTime(0, 0)));
  // A time stored after a date (the default of a schedule time) gives the time.
  EXPECT_EQ(formate::leseZeit(u"05.12.2026 08:30:00"_s), QTime(8, 30));
  EXPECT_EQ(formate::leseZeit(u"8:30"_s), QTime(8, 30));
  EXPECT_EQ(formate::leseKurzDatum(u"31.02.2026"_s), std::nullopt);
  EXPECT_EQ(formate::leseZeit(u"25:00:00"_s), std::nullopt);
  EXPECT_EQ(formate::leseDatumZeit(u"morgen"_s), std::nullopt);
}

TEST(Werte, GespeicherteTexteAlsBooleanOderZahl) {
  for (const auto& wahr : {u" tRuE "_s, u"-1"_s, u"2,5"_s}) EXPECT_EQ(werte::alsBoolean(wahr), true) << wahr.toStdString();
  for (const auto& falsch : {u"fAlSe"_s, u"0.0"_s}) EXPECT_EQ(werte::alsBoolean(falsch), false) << falsch.toStdString();
  for (const auto& nichts : {u"ja"_s, u""_s, u"Truex"_s, u"nan"_s}) EXPECT_EQ(werte::alsBoolean(nichts), std::nullopt);
  EXPECT_EQ(werte::alsZahl(u"1.5"_s), 1.5);
  EXPECT_EQ(werte::alsZahl(u"1,5"_s), 1.5);
  EXPECT_EQ(werte::alsZahl(u"inf"_s), std::nullopt);
  EXPECT_EQ(werte::alsGanzzahl(u" 7 "_s), 7);
  EXPECT_EQ(werte::alsGanzzahl(u"2.5"_s), 2);  // half to even
  EXPECT_EQ(werte::alsGanzzahl(u"3,5"_s), 4);
  EXPECT_EQ(werte::alsGanzzahl(u"1e12"_s), std::nullopt);
}
