#include "lifecycle/Instanz.h"

#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using bewahrix::Instanz;
using bewahrix::pruefeErsteInstanz;

namespace {

bewahrix::Meldung bereitsAktiv() {
  return {u"Diese Anwendung ist bereits aktiv!"_s, u"Bewahrix"_s, bewahrix::Symbol::Ausrufezeichen,
          bewahrix::Knoepfe::Ok, bewahrix::Antwort::Ok};
}

// Another Bewahrix in a forked process: it tries the lock, reports 'j' (got
// it) or 'n' through a pipe, and waits until told to end. It then ends with
// _exit without unlocking, as a crashed or killed program would.
class FremderProzess {
 public:
  explicit FremderProzess(const QString& verzeichnis) {
    int meldung[2], befehl[2];
    if (::pipe2(meldung, O_CLOEXEC) != 0 || ::pipe2(befehl, O_CLOEXEC) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(meldung[0]);
      ::close(befehl[1]);
      Instanz instanz(verzeichnis);
      const char antwort = instanz.erste() ? 'j' : 'n';
      if (::write(meldung[1], &antwort, 1) != 1) ::_exit(1);
      char egal;
      while (::read(befehl[0], &egal, 1) < 0 && errno == EINTR) {
      }
      ::_exit(0);
    }
    ::close(meldung[1]);
    ::close(befehl[0]);
    meldung_ = meldung[0];
    befehl_ = befehl[1];
  }
  ~FremderProzess() { beende(); }

  // 'j' or 'n' from the child; 0 when it ended without an answer.
  char antwort() const {
    char zeichen = 0;
    while (::read(meldung_, &zeichen, 1) < 0 && errno == EINTR) {
    }
    return zeichen;
  }

  void beende() {
    if (pid_ <= 0) return;
    ::close(befehl_);
    ::close(meldung_);
    // Reaped, so its PID really no longer exists.
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int meldung_ = -1;
  int befehl_ = -1;
};

}  // namespace

class InstanzTest : public bewahrix::test::FrischeUmgebung {};

TEST_F(InstanzTest, SperrdateiImLaufzeitVerzeichnisDesBenutzers) {
  Instanz instanz;
  EXPECT_EQ(instanz.dateipfad(), pfad(u"run/bewahrix.lock"_s));
  EXPECT_TRUE(instanz.erste());
  EXPECT_TRUE(QFileInfo::exists(instanz.dateipfad()));
  EXPECT_TRUE(instanz.erste()) << "die eigene Sperre bleibt gehalten";
}

TEST_F(InstanzTest, ZweiteMeldetBereitsAktivBisDieErsteEndet) {
  bewahrix::test::SkriptDialoge dialoge;
  auto erste = std::make_unique<Instanz>();
  EXPECT_TRUE(pruefeErsteInstanz(*erste, dialoge));
  {
    Instanz zweite;
    dialoge.erwarte(bereitsAktiv());
    EXPECT_FALSE(pruefeErsteInstanz(zweite, dialoge));
    EXPECT_TRUE(dialoge.alleGezeigt());
  }
  // The refused one must not have taken the first one's lock away.
  {
    Instanz dritte;
    EXPECT_FALSE(dritte.erste());
  }
  erste.reset();
  EXPECT_FALSE(QFileInfo::exists(pfad(u"run/bewahrix.lock"_s)));
  Instanz nachher;
  EXPECT_TRUE(pruefeErsteInstanz(nachher, dialoge));
}

TEST_F(InstanzTest, JedesLaufzeitVerzeichnisHatSeineEigeneSperre) {
  // Two users have two runtime directories: neither blocks the other.
  Instanz anna(pfad(u"run"_s));
  Instanz bert(pfad(u"home"_s));
  EXPECT_TRUE(anna.erste());
  EXPECT_TRUE(bert.erste());
}

TEST_F(InstanzTest, LaufenderFremderProzessHaeltDieSperreUndEineVerwaisteWirdUebernommen) {
  const QString verzeichnis = pfad(u"run"_s);
  FremderProzess fremd(verzeichnis);
  ASSERT_EQ(fremd.antwort(), 'j');

  bewahrix::test::SkriptDialoge dialoge;
  dialoge.erwarte(bereitsAktiv());
  Instanz hier(verzeichnis);
  EXPECT_FALSE(pruefeErsteInstanz(hier, dialoge));
  // A program that has run for days holds a days-old file: age alone never
  // makes a lock stale.
  const timespec vorTagen{::time(nullptr) - 3 * 86400, 0};
  bewahrix::test::setzeZeiten(hier.dateipfad(), vorTagen, vorTagen);
  EXPECT_FALSE(hier.erste());

  // The other process dies without unlocking: its file stays behind, and
  // the next start takes it over without a message.
  fremd.beende();
  ASSERT_TRUE(QFileInfo::exists(hier.dateipfad()));
  EXPECT_TRUE(pruefeErsteInstanz(hier, dialoge));

  FremderProzess spaeter(verzeichnis);
  EXPECT_EQ(spaeter.antwort(), 'n') << "der andere Prozess sieht nun diese Sperre";
}

TEST_F(InstanzTest, UnbrauchbaresVerzeichnisHaeltDenStartNichtAuf) {
  // No lock file can be made at all: starting beats refusing for ever.
  bewahrix::test::schreibeDatei(pfad(u"keinOrdner"_s), "x");
  Instanz instanz(pfad(u"keinOrdner"_s));
  bewahrix::test::SkriptDialoge dialoge;
  EXPECT_TRUE(pruefeErsteInstanz(instanz, dialoge));
}
