#include "lifecycle/Copyright.h"
#include "lifecycle/Splash.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "support/TestUmgebung.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

// What the splash asked of the main window, after how many ms, and whether the splash still showed then.
struct Hauptfenster {
  QStringList protokoll;
  QElapsedTimer uhr;
  QList<qint64> nach;
  QList<bool> splashSichtbar;
  QPointer<Splash> splash;
  std::function<void()> schritt(const QString& was) {
    return [this, was] { protokoll << was, nach << uhr.elapsed(), splashSichtbar << (splash && splash->isVisible()); };
  }
  QPointer<Splash> zeige() {
    uhr.start();
    return splash = zeigeSplash(u"1"_s, schritt(u"erzeugen"_s), schritt(u"zeigen"_s));
  }
};
const QStringList kBeide{u"erzeugen"_s, u"zeigen"_s};

}  // namespace

class SplashTest : public test::FrischeUmgebung {};

TEST_F(SplashTest, ProgrammstartErzeugtNach50msUndZeigtNachAnzeigezeit) {
  Hauptfenster haupt;
  QPointer<Splash> splash = haupt.zeige();
  ASSERT_TRUE(QTest::qWaitFor([&] { return haupt.protokoll.size() == 2; }, 10000));
  EXPECT_EQ(std::tuple(haupt.protokoll, haupt.splashSichtbar.value(0)), std::tuple(kBeide, true))
      << "the main window is built while the splash shows";
  EXPECT_TRUE(haupt.nach.at(0) >= 40 && haupt.nach.at(1) >= 1400) << haupt.nach.at(0) << ", " << haupt.nach.at(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 5000));
}

TEST_F(SplashTest, TasteVorDemLadenErzeugtUndZeigtGenauEinmal) {
  Hauptfenster haupt;
  QPointer<Splash> splash = haupt.zeige();
  QTest::keyClick(splash.data(), Qt::Key_A);
  QTest::qWait(1700);  // past both timers: neither may act again
  EXPECT_EQ(std::tuple(haupt.protokoll, splash.isNull()), std::tuple(kBeide, true));
}

TEST_F(SplashTest, SchliessenWaehrendDasHauptfensterEntstehtZeigtEsDanach) {
  // The start may wait in a message box longer than the splash stays.
  QStringList protokoll;
  QPointer<Splash> splash = zeigeSplash(
      u"1"_s, [&] { protokoll << u"beginnt"_s, QTest::qWait(1800), protokoll << u"fertig"_s; },
      [&] { protokoll << u"zeigen"_s; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return protokoll.contains(u"zeigen"_s); }, 5000));
  EXPECT_EQ(protokoll, (QStringList{u"beginnt"_s, u"fertig"_s, u"zeigen"_s}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 5000));
}

// The start sequence stores the number of the next start: shown again, it is one less.
TEST_F(SplashTest, StartnummerAusDemZaehler) {
  SettingsStore store(schluessel::anwendung());
  store.write(schluessel::abschnittTool(), schluessel::count(), u"3"_s);
  EXPECT_EQ(std::pair(startnummer(store, Splash::Modus::Programmstart), startnummer(store, Splash::Modus::Erneut)),
            std::pair(u"3"_s, u"2"_s));
}

TEST(UeberTest, ZeigtDieAdressenDerKonfiguration) {
  QWidget hauptfenster;
  QPointer<Copyright> ueber = zeigeUeber(&hauptfenster);
  EXPECT_EQ(std::pair(ueber->roLabel1[0]->text(), ueber->roLabel1[1]->text()),
            std::pair(QStringLiteral(BEWAHRIX_WEBSEITE), QStringLiteral(BEWAHRIX_KONTAKT)));
  QTest::mouseClick(ueber->cmdOK, Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ueber.isNull(); }, 5000));
}
