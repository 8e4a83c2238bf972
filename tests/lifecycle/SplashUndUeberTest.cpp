#include "lifecycle/Copyright.h"
#include "lifecycle/Splash.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

QStringList texte(const QWidget* fenster, const QStringList& namen) {
  QStringList t;
  for (const QString& n : namen) t << (fenster->findChild<QLabel*>(n) ? fenster->findChild<QLabel*>(n)->text() : n);
  return t;
}

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
  EXPECT_TRUE(splash->isVisible() && splash->goInfo->isVisible() && !splash->image1->pixmap().isNull());
  // Built behind the splash, shown after the display time.
  ASSERT_TRUE(QTest::qWaitFor([&] { return haupt.protokoll.size() == 2; }, 10000));
  EXPECT_EQ(haupt.protokoll, kBeide);
  EXPECT_EQ(haupt.splashSichtbar.value(0), true) << "the main window is built while the splash shows";
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

TEST_F(SplashTest, ErneutModalOhneZweitesHauptfenster) {
  QWidget hauptfenster;
  hauptfenster.show();
  QPointer<Splash> splash = zeigeSplashErneut(&hauptfenster, u"4"_s);
  EXPECT_EQ(QApplication::activeModalWidget(), splash.data());
  EXPECT_TRUE(texte(splash, {u"LaufInfo(1)"_s}) == QStringList{u"Programmstart 4"_s} && !splash->goInfo->isVisible());
  QTest::qWait(1700);
  ASSERT_TRUE(splash && splash->isVisible()) << "closed after the start's display time";
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 6000));

  Hauptfenster haupt;
  Splash erneut(Splash::Modus::Erneut, u"4"_s, haupt.schritt(u"erzeugen"_s), haupt.schritt(u"zeigen"_s));
  erneut.show();
  QTest::qWait(200);
  QTest::keyClick(&erneut, Qt::Key_Space);
  EXPECT_EQ(std::tuple(haupt.protokoll, erneut.isVisible()), std::tuple(QStringList{u"zeigen"_s}, false));
}

// The number comes from the counter: empty store 1 at start; a reset gives 0 again.
TEST_F(SplashTest, StartnummerAusDemZaehler) {
  SettingsStore store(schluessel::anwendung());
  QStringList nummern;
  for (const QString& count : {QString(), u"2"_s, u"abc"_s}) {
    if (!count.isEmpty()) store.write(schluessel::abschnittTool(), schluessel::count(), count);
    nummern << startnummer(store, Splash::Modus::Programmstart) + u'/' + startnummer(store, Splash::Modus::Erneut);
  }
  EXPECT_EQ(nummern, (QStringList{u"1/0"_s, u"2/1"_s, u"abc/abc"_s}));
}

TEST(UeberTest, ModalAberNichtZuoberstMitDenAdressenDerKonfiguration) {
  QWidget hauptfenster;
  hauptfenster.show();
  QPointer<Copyright> ueber = zeigeUeber(&hauptfenster);
  EXPECT_EQ(QApplication::activeModalWidget(), ueber.data());
  EXPECT_FALSE(ueber->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(texte(ueber, {u"roLabel1(0)"_s, u"roLabel1(1)"_s}),
            (QStringList{QStringLiteral(BEWAHRIX_WEBSEITE), QStringLiteral(BEWAHRIX_KONTAKT)}));
  QTest::mouseClick(ueber->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ueber.isNull(); }, 5000));
}
