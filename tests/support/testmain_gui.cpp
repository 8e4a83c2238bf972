#include <QApplication>

#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

// Widget tests: a QApplication, offscreen unless the environment names a
// platform (CTest also runs the program without one to list its tests).
int main(int argc, char** argv) {
  bewahrix::test::schuetzeEchteUmgebung();
  // No test reaches the user's own desktop services: only the stand-ins on
  // the private buses of the entries that play them (BEWAHRIX_DIENSTE).
  if (qEnvironmentVariableIsEmpty("BEWAHRIX_DIENSTE"))
    for (const char* bus : {"DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS"})
      qputenv(bus, "unix:path=/nonexistent/bewahrix-test");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
