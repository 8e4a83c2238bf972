#include "platform/Pfade.h"

#include "support/TestUmgebung.h"

using namespace Qt::Literals::StringLiterals;
namespace pfade = bewahrix::pfade;

TEST(Pfade, ZerlegtPfadeAmLetztenTrenner) {
  EXPECT_EQ(pfade::namensteil(u"/home/anna/Brief.doc"_s), u"Brief.doc"_s);
  EXPECT_EQ(pfade::verzeichnisteil(u"/home/anna/Brief.doc"_s), u"/home/anna/"_s);
  EXPECT_EQ(pfade::namensteil(u"Brief.doc"_s), u"Brief.doc"_s);
  EXPECT_EQ(pfade::verzeichnisteil(u"Brief.doc"_s), QString());
  EXPECT_EQ(pfade::namensteil(u"/home/anna/"_s), QString());
  EXPECT_EQ(pfade::namensteil(u"/home/anna/*.***"_s), u"*.***"_s);
}

TEST(Pfade, TrennerUndAbsolutheit) {
  EXPECT_EQ(pfade::mitTrenner(u"/ziel"_s), u"/ziel/"_s);
  EXPECT_EQ(pfade::mitTrenner(u"/ziel/"_s), u"/ziel/"_s);
  EXPECT_TRUE(pfade::istAbsolut(u"/ziel"_s));
  EXPECT_FALSE(pfade::istAbsolut(u"ziel/unter"_s));
  EXPECT_FALSE(pfade::istAbsolut(u"c:\\daten"_s));
  EXPECT_FALSE(pfade::istAbsolut(QString()));
}

class StandardWurzel : public bewahrix::test::FrischeUmgebung {};

TEST_F(StandardWurzel, IstDasHeimatverzeichnisMitTrenner) {
  EXPECT_EQ(pfade::standardWurzel(), home());
  qputenv("HOME", "/anderswo/");
  EXPECT_EQ(pfade::standardWurzel(), u"/anderswo/"_s);
}
