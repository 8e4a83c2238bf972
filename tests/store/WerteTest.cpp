#include "store/Werte.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
namespace werte = bewahrix::werte;

TEST(Werte, BooleanInJederSchreibweiseOderAlsZahl) {
  EXPECT_EQ(werte::booleanText(true), u"True"_s);
  EXPECT_EQ(werte::booleanText(false), u"False"_s);
  for (const auto& wahr : {u"True"_s, u"TRUE"_s, u"true"_s, u" tRuE "_s, u"1"_s, u"-1"_s, u"2,5"_s})
    EXPECT_EQ(werte::alsBoolean(wahr), true) << wahr.toStdString();
  for (const auto& falsch : {u"False"_s, u"fAlSe"_s, u"0"_s, u"0.0"_s})
    EXPECT_EQ(werte::alsBoolean(falsch), false) << falsch.toStdString();
  for (const auto& unlesbar : {u"ja"_s, u""_s, u"Truex"_s, u"nan"_s})
    EXPECT_EQ(werte::alsBoolean(unlesbar), std::nullopt) << unlesbar.toStdString();
}

TEST(Werte, ZahlenMitPunktOderKomma) {
  EXPECT_EQ(werte::alsZahl(u"12"_s), 12.0);
  EXPECT_EQ(werte::alsZahl(u"1.5"_s), 1.5);
  EXPECT_EQ(werte::alsZahl(u"1,5"_s), 1.5);
  EXPECT_EQ(werte::alsZahl(u"abc"_s), std::nullopt);
  EXPECT_EQ(werte::alsZahl(u"inf"_s), std::nullopt);
  EXPECT_EQ(werte::alsGanzzahl(u"5"_s), 5);
  EXPECT_EQ(werte::alsGanzzahl(u" 7 "_s), 7);
  EXPECT_EQ(werte::alsGanzzahl(u"2.5"_s), 2);  // half to even
  EXPECT_EQ(werte::alsGanzzahl(u"3,5"_s), 4);
  EXPECT_EQ(werte::alsGanzzahl(u"-1125"_s), -1125);
  EXPECT_EQ(werte::alsGanzzahl(u"abc"_s), std::nullopt);
  EXPECT_EQ(werte::alsGanzzahl(u"1e12"_s), std::nullopt);
}
