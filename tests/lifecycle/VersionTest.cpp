#include "lifecycle/Version.h"

#include "support/SkriptDialoge.h"

using namespace Qt::Literals::StringLiterals;
using bewahrix::versionstext;
using bewahrix::versionstextUeber;

TEST(VersionTest, NullVorNebenUndRevisionGleichWieVieleStellen) {
  EXPECT_EQ(versionstext({3, 2, 2}), u"Version 3.02.02"_s);
  EXPECT_EQ(versionstext({3, 12, 2}), u"Version 3.012.02"_s);
  EXPECT_EQ(versionstext({10, 0, 11}), u"Version 10.00.011"_s);
  EXPECT_EQ(versionstextUeber({3, 2, 2}), u" Version 3.02.02"_s);
}

TEST(VersionTest, DiesesProgrammIst3Punkt2Punkt2) {
  // The project version is written "3.02.02"; the text must not double the 0.
  EXPECT_EQ(versionstext(), u"Version 3.02.02"_s);
  EXPECT_EQ(versionstextUeber(), u" Version 3.02.02"_s);
}
