#include <QApplication>

#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

// Widget tests: a QApplication, offscreen unless the environment names a
// platform (CTest also runs the program without one to list its tests).
int main(int argc, char** argv) {
  bewahrix::test::schuetzeEchteUmgebung();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
