#include "lifecycle/Instanz.h"
#include "lifecycle/Signale.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// Another Bewahrix in a forked process: takes the lock ('j') or not ('n'), then waits to be killed.
struct FremderProzess {
  explicit FremderProzess(const QString& verzeichnis) {
    int her[2];
    if (::pipe(her) != 0) return;
    if ((pid = ::fork()) == 0) {
      Instanz instanz(verzeichnis);
      const char a = instanz.erste() ? 'j' : 'n';
      if (::write(her[1], &a, 1) == 1) ::pause();
      ::_exit(1);
    }
    ::close(her[1]);
    if (::read(her[0], &antwort, 1) != 1) antwort = '?';
    ::close(her[0]);
  }
  ~FremderProzess() { beende(); }
  void beende() {
    if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
    pid = -1;
  }
  char antwort = 0;
  pid_t pid = -1;
};

}  // namespace

class InstanzTest : public test::FrischeUmgebung {
 protected:
  test::SkriptDialoge dialoge;
};

TEST_F(InstanzTest, EineSperreJeLaufzeitVerzeichnis) {
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
  // No lock file can be made at all: starting beats refusing for ever.
  test::schreibeDatei(pfad(u"keinOrdner"_s), "x");
  Instanz ohne(pfad(u"keinOrdner"_s));
  EXPECT_TRUE(pruefeErsteInstanz(ohne, dialoge));
}

TEST_F(InstanzTest, FremderProzessHaeltDieSperreUndEineVerwaisteWirdUebernommen) {
  FremderProzess fremd(pfad(u"run"_s));
  ASSERT_EQ(fremd.antwort, 'j');
  dialoge.erwarte(bereitsAktiv());
  Instanz hier(pfad(u"run"_s));
  EXPECT_FALSE(pruefeErsteInstanz(hier, dialoge));
  // A program that has run for days holds a days-old file.
  const timespec vorTagen{::time(nullptr) - 3 * 86400, 0};
  test::setzeZeiten(hier.dateipfad(), vorTagen, vorTagen);
  EXPECT_FALSE(hier.erste());
  fremd.beende();
  ASSERT_TRUE(QFileInfo::exists(hier.dateipfad()));
  EXPECT_TRUE(pruefeErsteInstanz(hier, dialoge));
  EXPECT_EQ(FremderProzess(pfad(u"run"_s)).antwort, 'n');
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
