#include "store/Formate.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
namespace formate = bewahrix::formate;

TEST(Formate, DatumsformenDesProgramms) {
  const QDate samstag(2026, 12, 5);
  EXPECT_EQ(formate::kurzDatum(samstag), u"05.12.2026"_s);
  EXPECT_EQ(formate::langesDatum(samstag), u"Samstag, 5. Dezember 2026"_s);
  EXPECT_EQ(formate::eintragsDatum(samstag), u"05. Dez. 2026"_s);
  EXPECT_EQ(formate::eintragsDatum(QDate(2026, 3, 1)), u"01. Mrz. 2026"_s);
  EXPECT_EQ(formate::eintragsDatum(QDate(2026, 5, 31)), u"31. Mai. 2026"_s);
  EXPECT_EQ(formate::statusDatum(samstag), u"05.Dezember 2026"_s);
  EXPECT_EQ(formate::statusDatum(QDate(2026, 3, 9)), u"09.März 2026"_s);
}

TEST(Formate, ZeitenUndZeitpunkte) {
  EXPECT_EQ(formate::langeZeit(QTime(9, 5, 3)), u"09:05:03"_s);
  EXPECT_EQ(formate::stundeMinute(QTime(14, 7, 59)) + u":00"_s, u"14:07:00"_s);
  EXPECT_EQ(formate::datumZeit(QDateTime(QDate(2026, 2, 1), QTime(9, 5, 3))),
            u"01.02.2026 09:05:03"_s);
  EXPECT_EQ(formate::datumZeit(QDateTime(QDate(2026, 2, 1), QTime(0, 0))), u"01.02.2026"_s);
}

TEST(Formate, FestkommaOhneGruppierung) {
  EXPECT_EQ(formate::festkomma(0.0, 2), u"0,00"_s);
  EXPECT_EQ(formate::festkomma(12960 / 1024.0, 2), u"12,66"_s);
  EXPECT_EQ(formate::festkomma(123456.789, 3), u"123456,789"_s);
  EXPECT_EQ(formate::festkomma(0.04, 1), u"0,0"_s);
}

TEST(Formate, GeschriebenesWirdZurueckgelesen) {
  const QDateTime zeitpunkt(QDate(2026, 12, 31), QTime(23, 59, 58));
  EXPECT_EQ(formate::leseKurzDatum(formate::kurzDatum(zeitpunkt.date())), zeitpunkt.date());
  EXPECT_EQ(formate::leseZeit(formate::langeZeit(zeitpunkt.time())), zeitpunkt.time());
  EXPECT_EQ(formate::leseDatumZeit(formate::datumZeit(zeitpunkt)), zeitpunkt);
  EXPECT_EQ(formate::leseDatumZeit(u"01.02.2026"_s), QDateTime(QDate(2026, 2, 1), QTime(0, 0)));
  // A time stored after a date (the default of a schedule time) gives the time.
  EXPECT_EQ(formate::leseZeit(u"05.12.2026 08:30:00"_s), QTime(8, 30));
  EXPECT_EQ(formate::leseZeit(u"8:30"_s), QTime(8, 30));
  EXPECT_EQ(formate::leseKurzDatum(u"31.02.2026"_s), std::nullopt);
  EXPECT_EQ(formate::leseZeit(u"25:00:00"_s), std::nullopt);
  EXPECT_EQ(formate::leseDatumZeit(u"morgen"_s), std::nullopt);
}
