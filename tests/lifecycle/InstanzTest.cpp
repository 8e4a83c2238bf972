#include "lifecycle/Instanz.h"
#include "lifecycle/Signale.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <csignal>
#include <cstring>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

// Another process holding the lock, and one left behind by a killed program: tests/e2e (sitzung.sh, signal.sh).
class InstanzTest : public test::FrischeUmgebung {};

TEST_F(InstanzTest, EineSperreJeLaufzeitVerzeichnis) {
  test::SkriptDialoge dialoge;
  auto erste = std::make_unique<Instanz>();
  EXPECT_EQ(erste->dateipfad(), pfad(u"run/bewahrix.lock"_s));
  EXPECT_TRUE(pruefeErsteInstanz(*erste, dialoge));
  EXPECT_TRUE(erste->erste()) << "the own lock stays held";
  EXPECT_TRUE(Instanz(pfad(u"home"_s)).erste()) << "another user's runtime directory";
  dialoge.erwarte(bereitsAktiv());
  EXPECT_FALSE(pruefeErsteInstanz(*std::make_unique<Instanz>(), dialoge));
  EXPECT_FALSE(Instanz().erste()) << "the refused one took the first one's lock away";
  erste.reset();
  EXPECT_FALSE(QFileInfo::exists(pfad(u"run/bewahrix.lock"_s)));
  EXPECT_TRUE(pruefeErsteInstanz(*std::make_unique<Instanz>(), dialoge));
  test::schreibeDatei(pfad(u"keinOrdner"_s), "x");  // no lock file at all: starting beats refusing for ever
  Instanz ohne(pfad(u"keinOrdner"_s));
  EXPECT_TRUE(pruefeErsteInstanz(ohne, dialoge));
}

// Logout, shutdown, Ctrl+C and a closed terminal each end the program in order, on the event loop.
TEST(Signalwaechter, JedesSignalEinesSitzungsendesKommtAufDieEreignisschleife) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(::strsignal(signal));
    Signalwaechter waechter;
    QSignalSpy beenden(&waechter, &Signalwaechter::beenden);
    ASSERT_EQ(::raise(signal), 0);  // unhandled, it would end this test program
    EXPECT_TRUE(beenden.wait(5000));
  }
}
