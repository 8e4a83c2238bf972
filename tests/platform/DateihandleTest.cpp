#include "platform/Dateihandle.h"
#include "platform/Fehlertext.h"

#include "support/TestUmgebung.h"

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using bewahrix::Dateihandle;

class DateihandleTest : public bewahrix::test::FrischeUmgebung {};

TEST_F(DateihandleTest, SchreibtUndLiestAnBeliebigerStelle) {
  auto datei = Dateihandle::oeffnen(pfad(u"daten.bin"_s), O_RDWR | O_CREAT);
  ASSERT_TRUE(datei.ok());
  ASSERT_TRUE(datei.wert().schreiben(10, "abc").ok());
  EXPECT_EQ(datei.wert().groesse().wert(), 13);
  // Bytes before the written ones read as zero; a read past the end is short.
  EXPECT_EQ(datei.wert().lesen(8, 100).wert(), QByteArray("\0\0abc", 5));
  EXPECT_TRUE(datei.wert().lesen(50, 10).wert().isEmpty());
}

TEST_F(DateihandleTest, FehlschlagNenntDieSystemursache) {
  const auto datei = Dateihandle::oeffnen(pfad(u"fehlt/daten.bin"_s), O_RDONLY);
  ASSERT_FALSE(datei.ok());
  EXPECT_EQ(datei.fehler().nummer, ENOENT);
  EXPECT_EQ(datei.fehler().text, bewahrix::fehlertext(ENOENT));
}

TEST_F(DateihandleTest, VerschiebenUebergibtDenBesitz) {
  auto datei = Dateihandle::oeffnen(pfad(u"x"_s), O_RDWR | O_CREAT);
  ASSERT_TRUE(datei.ok());
  Dateihandle ziel = std::move(datei.wert());
  EXPECT_EQ(datei.wert().fd(), -1);
  EXPECT_TRUE(ziel.schreiben(0, "1").ok());
}
