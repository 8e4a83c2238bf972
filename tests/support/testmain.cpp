#include <QCoreApplication>

#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  bewahrix::test::schuetzeEchteUmgebung();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
