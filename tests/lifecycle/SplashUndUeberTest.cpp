#include "lifecycle/Copyright.h"
#include "lifecycle/Splash.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "support/TestUmgebung.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class SplashTest : public test::FrischeUmgebung {};

TEST_F(SplashTest, ProgrammstartErzeugtNach50msUndZeigtNachAnzeigezeit) {
  // What the splash asked of the main window, after how many ms, and whether the splash showed then.
  QStringList protokoll;
  QList<qint64> nach;
  QList<bool> splashSichtbar;
  QPointer<Splash> splash;
  QElapsedTimer uhr;
  const auto schritt = [&](const QString& was) -> std::function<void()> {
    return [&, was] { protokoll << was, nach << uhr.elapsed(), splashSichtbar << (splash && splash->isVisible()); };
  };
  uhr.start();
  splash = zeigeSplash(u"1"_s, schritt(u"erzeugen"_s), schritt(u"zeigen"_s));
  ASSERT_TRUE(QTest::qWaitFor([&] { return protokoll.size() == 2; }, 10000));
  EXPECT_EQ(std::tuple(protokoll, splashSichtbar.value(0)), std::tuple(QStringList{u"erzeugen"_s, u"zeigen"_s}, true))
      << "the main window is built while the splash shows";
  EXPECT_TRUE(nach.at(0) >= 40 && nach.at(1) >= 1400) << nach.at(0) << ", " << nach.at(1);
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
}
