#include "lifecycle/Signale.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

using namespace bewahrix;

// Logout, shutdown, Ctrl+C and a closed terminal each end the program in order, on the event loop.
// The instance lock is seen from outside: tests/e2e (sitzung.sh, signal.sh).
TEST(Signalwaechter, JedesSignalEinesSitzungsendesKommtAufDieEreignisschleife) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(::strsignal(signal));
    Signalwaechter waechter;
    QSignalSpy beenden(&waechter, &Signalwaechter::beenden);
    ASSERT_EQ(::raise(signal), 0);  // unhandled, it would end this test program
    EXPECT_TRUE(beenden.wait(5000));
  }
}
