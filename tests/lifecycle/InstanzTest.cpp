#include "lifecycle/Instanz.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// Another Bewahrix in a forked process: it tries the lock, answers 'j' (got
// it) or 'n', and ends with _exit without unlocking, as a killed one would.
class FremderProzess {
 public:
  explicit FremderProzess(const QString& verzeichnis) {
    int befehl[2], meldung[2];
    if (::pipe2(befehl, O_CLOEXEC) != 0 || ::pipe2(meldung, O_CLOEXEC) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(befehl[1]);
      Instanz instanz(verzeichnis);
      const char a = instanz.erste() ? 'j' : 'n';
      char egal;
      if (::write(meldung[1], &a, 1) == 1)
        while (::read(befehl[0], &egal, 1) < 0 && errno == EINTR) {
        }
      ::_exit(0);
    }
    ::close(befehl[0]);
    ::close(meldung[1]);
    befehl_ = befehl[1];
    while (::read(meldung[0], &antwort, 1) < 0 && errno == EINTR) {
    }
    ::close(meldung[0]);
  }
  ~FremderProzess() { beende(); }
  void beende() {
    if (pid_ <= 0) return;
    ::close(befehl_);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }
  char antwort = 0;

 private:
  pid_t pid_ = -1;
  int befehl_ = -1;
};

const Meldung kBereitsAktiv{u"Diese Anwendung ist bereits aktiv!"_s, u"Bewahrix"_s, Symbol::Ausrufezeichen, Knoepfe::Ok,
                            Antwort::Ok};

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
  dialoge.erwarte(kBereitsAktiv);
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
  dialoge.erwarte(kBereitsAktiv);
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
