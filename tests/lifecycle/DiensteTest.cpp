// The program left alone, against the notification service and logind that tests/e2e/dienste.py plays
// on the private buses of the CTest entry dienste_programm; skipped elsewhere.

#include "ProgrammUmgebung.h"
#include "platform/Fehlertext.h"
#include "support/DiensteProzess.h"

class DiensteTest : public ProgrammUmgebung {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("BEWAHRIX_DIENSTE")) GTEST_SKIP() << "braucht die Busse von dienste_programm";
    ProgrammUmgebung::SetUp();
    // One for the whole test program: Qt connects to the system bus once per process.
    static test::DiensteProzess prozess;
    static const bool gestartet = prozess.starten({u"--logind"_s});
    ASSERT_TRUE(gestartet);
    dienste = &prozess;
    dienste->alles();
  }
  // The next notification: its number, then the number it replaces, urgency, time-out, summary|body|actions.
  std::pair<uint, QString> meldung() {
    const QString zeile = dienste->naechste(u"notify "_s);
    return {zeile.section(u' ', 0, 0).toUInt(), zeile.section(u' ', 1)};
  }
  void tickUm1404(int tag) {
    uhr.stellen(QDateTime(QDate(2026, 12, tag), QTime(14, 4, 10)));
    programm->TimerAutomatik_Timer();
  }
  test::DiensteProzess* dienste = nullptr;
};

// A failing automatic run: the sleep lock while it works, one notification replaced by the next failure and
// withdrawn by a clean run, its action showing the logbook.
TEST_F(DiensteTest, SchlafsperreUndFehlermeldungJeAufgabe) {
  aufgabe(1, u"quelle/a.txt"_s);
  plane(1, u"3"_s, u"05.12.2026"_s, u"14:04:00"_s);
  starten();
  QString gesperrt, freiImLauf;  // another test's task 1 may still be given back meanwhile
  QTimer::singleShot(0, programm.get(), [&] {  // at the run's first yield
    gesperrt = dienste->naechste(u"sperre "_s);
    freiImLauf = dienste->alles().filter(u"frei Aufgabe 2"_s).join(u'\n');
  });
  tickUm1404(5);
  EXPECT_EQ(std::tuple(gesperrt, freiImLauf),
            std::tuple(u"sleep:idle|Bewahrix|Aufgabe 2 wird gesichert|block"_s, QString()));
  EXPECT_EQ(dienste->naechste(u"frei Aufgabe 2"_s), u" wird gesichert"_s) << "given back after the run";
  const QString fehler =
      u" 2 0 Bewahrix: Aufgabe 2 mit Fehlern beendet|1 Fehler: "_s + fehlertext(ENOENT) + u"|default|Logbuch einsehen"_s;
  const auto [erste, text] = meldung();
  EXPECT_EQ(text, u"0"_s + fehler);
  tickUm1404(6);
  EXPECT_EQ(meldung(), std::pair(erste, QString::number(erste) + fehler)) << "replaced, not a second one";

  dienste->aufrufen(u"Aktion"_s, {erste, u"default"_s});
  EXPECT_TRUE(QTest::qWaitFor([this] { return f().isVisible() && f().ssTab->currentIndex() == Saver::kSeiteLogbuch; }));
  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  tickUm1404(7);
  EXPECT_EQ(dienste->naechste(u"close "_s), QString::number(erste));
  EXPECT_FALSE(dienste->alles().join(u'\n').contains(u"notify"_s)) << "nothing for a run without errors";
}

// Two hours asleep over a daily 15:00: found on waking up, reported as at start, run when the user chooses so.
TEST_F(DiensteTest, NachDemSchlafVersaeumtGemeldetUndNachgeholt) {
  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  aufgabe(0, u"quelle/a.txt"_s);
  plane(0, u"3"_s, u"05.12.2026"_s, u"15:00:00"_s);
  starten();
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(16, 3, 40)));
  const QString zeile = u"! Verpasster Zeitplan in Aufgabe 1 gefunden, geplant am/um 05.12.2026 15:00:00"_s;
  dialoge.erwarte(versaeumtBox(zeile));
  dienste->aufrufen(u"Aufwachen"_s);
  const auto [nummer, text] = meldung();
  EXPECT_EQ(text, u"0 1 -1 Bewahrix: versäumte Zeitpläne|Aufgabe 1, zuletzt geplant am/um 05.12.2026 15:00:00|"
                  u"default|Logbuch einsehen|nachholen|Jetzt nachholen"_s);
  ASSERT_TRUE(QTest::qWaitFor([this] { return dialoge.alleGezeigt(); }));
  EXPECT_TRUE(logTexte().contains(zeile) && !QFileInfo::exists(pfad(u"ziel/a.txt"_s))) << "reported, not run";

  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  dienste->aufrufen(u"Aktion"_s, {nummer, u"nachholen"_s});
  EXPECT_TRUE(QTest::qWaitFor([this] { return dialoge.alleGezeigt(); }));
  EXPECT_TRUE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
}

