// The program left alone, against the notification service and logind that
// tests/e2e/dienste.py plays on the private buses of the CTest entry
// dienste_programm; skipped elsewhere.

#include "ProgrammUmgebung.h"
#include "platform/Fehlertext.h"
#include "support/DiensteProzess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// One stand-in for the whole test program: Qt connects to the system bus
// once per process.
DiensteProzess* dienste = nullptr;
struct DiensteEnde : ::testing::Environment {
  void TearDown() override { delete std::exchange(dienste, nullptr); }
};
[[maybe_unused]] const auto* const ende = ::testing::AddGlobalTestEnvironment(new DiensteEnde);

// A notification as the service got it, its number apart.
QString ohneNummer(QJsonObject meldung, int& nummer) {
  nummer = meldung.take(u"id"_s).toInt();
  return QString::fromUtf8(QJsonDocument(meldung).toJson(QJsonDocument::Compact));
}

QString erwartet(const QString& titel, const QString& text, const QStringList& aktionen, bool dringend, int ersetzt) {
  return QString::fromUtf8(QJsonDocument(QJsonObject{{u"titel"_s, titel}, {u"text"_s, text},
                                                     {u"aktionen"_s, QJsonArray::fromStringList(aktionen)},
                                                     {u"dringend"_s, dringend}, {u"frist"_s, dringend ? 0 : -1},
                                                     {u"ersetzt"_s, ersetzt}})
                               .toJson(QJsonDocument::Compact));
}

}  // namespace

class DiensteTest : public ProgrammUmgebung {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("BEWAHRIX_DIENSTE")) GTEST_SKIP() << "braucht die Busse von dienste_programm";
    ProgrammUmgebung::SetUp();
    if (!dienste) {
      dienste = new DiensteProzess;
      ASSERT_TRUE(dienste->starten({u"--logind"_s}));
    }
    dienste->alles();
  }
  // The next notification, its number in nummer.
  QString meldung(int& nummer) {
    return ohneNummer(QJsonDocument::fromJson(dienste->naechste(u"notify "_s).toUtf8()).object(), nummer);
  }
  // The tick of 14:04 on day tag.
  void tickUm1404(int tag) {
    uhr.stellen(QDateTime(QDate(2026, 12, tag), QTime(14, 4, 10)));
    programm->TimerAutomatik_Timer();
  }
};

TEST_F(DiensteTest, FehlerEinmalJeAufgabeErsetztUndZurueckgezogenAktionZeigtLogbuch) {
  aufgabe(0, u"quelle/a.txt"_s);
  plane(0, u"3"_s, u"05.12.2026"_s, u"14:04:00"_s);
  starten();
  tickUm1404(5);
  const QStringList logbuch{u"default"_s, u"Logbuch einsehen"_s};
  const QString fehler = u"Bewahrix: Aufgabe 1 mit Fehlern beendet"_s, grund = u"1 Fehler: "_s + fehlertext(ENOENT);
  int erste = 0, zweite = 0;
  EXPECT_EQ(meldung(erste), erwartet(fehler, grund, logbuch, true, 0));
  tickUm1404(6);
  EXPECT_EQ(meldung(zweite), erwartet(fehler, grund, logbuch, true, erste));
  EXPECT_EQ(zweite, erste) << "replaced, not a second one";

  dienste->aufrufen(u"Aktion"_s, {uint(erste), u"default"_s});
  EXPECT_TRUE(QTest::qWaitFor([this] { return f().isVisible() && f().ssTab->currentIndex() == Saver::kSeiteLogbuch; }));

  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  tickUm1404(7);
  EXPECT_EQ(dienste->naechste(u"close "_s), QString::number(erste));
  EXPECT_FALSE(dienste->alles().join(u'\n').contains(u"notify"_s)) << "nothing for a run without errors";
}

// Task 2: a lock of another test's task 1 may still be given back meanwhile.
TEST_F(DiensteTest, SchlafsperreGenauWaehrendDesLaufs) {
  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  aufgabe(1, u"quelle/*.*"_s);
  plane(1, u"3"_s, u"05.12.2026"_s, u"14:04:00"_s);
  starten();
  QString gesperrt, freiImLauf;
  // At the run's first yield: held, and not given back yet.
  QTimer::singleShot(0, programm.get(), [&] {
    gesperrt = dienste->naechste(u"sperre "_s);
    freiImLauf = dienste->alles().filter(u"frei Aufgabe 2"_s).join(u'\n');
  });
  tickUm1404(5);
  EXPECT_EQ(gesperrt, u"[\"sleep:idle\", \"Bewahrix\", \"Aufgabe 2 wird gesichert\", \"block\"]"_s);
  EXPECT_EQ(freiImLauf, QString());
  EXPECT_EQ(dienste->naechste(u"frei Aufgabe 2"_s), u" wird gesichert"_s);
}

// Two hours asleep over a daily 15:00: found on waking up, reported as at
// start, and run when the user chooses so.
TEST_F(DiensteTest, NachDemSchlafVersaeumtGemeldetUndNachgeholt) {
  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  aufgabe(0, u"quelle/a.txt"_s);
  plane(0, u"3"_s, u"05.12.2026"_s, u"15:00:00"_s);
  starten();
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(16, 3, 40)));
  const QString zeile = u"! Verpasster Zeitplan in Aufgabe 1 gefunden, geplant am/um 05.12.2026 15:00:00"_s;
  dialoge.erwarte({u"Folgende Aufgaben wurden versäumt (Bewahrix war nicht aktiv)\n\n"_s + zeile + u"; "_s,
                   u"Versäumte Aufgaben"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok});
  dienste->aufrufen(u"Aufwachen"_s);
  int nummer = 0;
  EXPECT_EQ(meldung(nummer), erwartet(u"Bewahrix: versäumte Zeitpläne"_s,
                                      u"Aufgabe 1, zuletzt geplant am/um 05.12.2026 15:00:00"_s,
                                      {u"default"_s, u"Logbuch einsehen"_s, u"nachholen"_s, u"Jetzt nachholen"_s},
                                      false, 0));
  ASSERT_TRUE(QTest::qWaitFor([this] { return dialoge.alleGezeigt(); }));
  EXPECT_TRUE(logTexte().contains(zeile));
  EXPECT_FALSE(QFileInfo::exists(pfad(u"ziel/a.txt"_s))) << "the search itself runs nothing";

  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  dienste->aufrufen(u"Aktion"_s, {uint(nummer), u"nachholen"_s});
  EXPECT_TRUE(QTest::qWaitFor([this] { return dialoge.alleGezeigt(); }));
  EXPECT_TRUE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
}
