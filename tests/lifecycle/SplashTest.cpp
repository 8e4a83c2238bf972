#include "lifecycle/Splash.h"

#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using bewahrix::Splash;

namespace {

QString text(const QWidget* fenster, const QString& name) {
  const auto* label = fenster->findChild<QLabel*>(name);
  return label ? label->text() : u"<fehlt: "_s + name + u'>';
}

// What the splash asked of the main window, and when.
struct Hauptfenster {
  QStringList protokoll;
  QElapsedTimer uhr;
  qint64 erzeugtNach = -1;
  qint64 gezeigtNach = -1;

  std::function<void()> erzeugen() {
    return [this] {
      protokoll << u"erzeugen"_s;
      erzeugtNach = uhr.elapsed();
    };
  }
  std::function<void()> zeigen() {
    return [this] {
      protokoll << u"zeigen"_s;
      gezeigtNach = uhr.elapsed();
    };
  }
};

}  // namespace

class SplashTest : public bewahrix::test::FrischeUmgebung {};

TEST_F(SplashTest, ProgrammstartErzeugtNach50msUndZeigtNachAnzeigezeit) {
  Hauptfenster haupt;
  haupt.uhr.start();
  QPointer<Splash> splash = bewahrix::zeigeSplash(u"1"_s, haupt.erzeugen(), haupt.zeigen());
  ASSERT_TRUE(splash);
  EXPECT_EQ(splash->objectName(), u"frmSplash"_s);
  EXPECT_TRUE(splash->isVisible());
  EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(text(splash, u"LaufInfo(0)"_s), u"Programmstart 1"_s);
  EXPECT_EQ(text(splash, u"LaufInfo(1)"_s), u"Programmstart 1"_s);
  EXPECT_EQ(text(splash, u"lblVersion(0)"_s), u"Version 3.02.02"_s);
  EXPECT_EQ(text(splash, u"lblVersion(1)"_s), u"Version 3.02.02"_s);
  EXPECT_EQ(text(splash, u"Go_Info"_s), u"Bitte warten, Initialisiere..."_s);
  EXPECT_TRUE(splash->findChild<QLabel*>(u"Go_Info"_s)->isVisible());
  EXPECT_FALSE(splash->findChild<QLabel*>(u"Image1"_s)->pixmap().isNull());
  EXPECT_TRUE(haupt.protokoll.isEmpty()) << "nichts vor dem Ladetimer";

  // The main window is built behind the splash, but not shown yet.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !haupt.protokoll.isEmpty(); }, 1000));
  EXPECT_EQ(haupt.protokoll, QStringList{u"erzeugen"_s});
  EXPECT_GE(haupt.erzeugtNach, 40);
  ASSERT_TRUE(splash);
  EXPECT_TRUE(splash->isVisible());

  ASSERT_TRUE(QTest::qWaitFor([&] { return haupt.protokoll.size() == 2; }, 5000));
  EXPECT_EQ(haupt.protokoll, (QStringList{u"erzeugen"_s, u"zeigen"_s}));
  EXPECT_GE(haupt.gezeigtNach, 1400);
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1000)) << "löscht sich selbst";
}

TEST_F(SplashTest, TasteInDenErsten50msErzeugtUndZeigtTrotzdemGenauEinmal) {
  Hauptfenster haupt;
  haupt.uhr.start();
  QPointer<Splash> splash = bewahrix::zeigeSplash(u"7"_s, haupt.erzeugen(), haupt.zeigen());
  QTest::keyClick(splash.data(), Qt::Key_A);
  EXPECT_EQ(haupt.protokoll, (QStringList{u"erzeugen"_s, u"zeigen"_s}));
  // Past the load and the display time: neither timer may act again.
  QTest::qWait(1700);
  EXPECT_EQ(haupt.protokoll, (QStringList{u"erzeugen"_s, u"zeigen"_s}));
  EXPECT_TRUE(splash.isNull());
}

TEST_F(SplashTest, JedeTasteSchliesstNachDemLaden) {
  Hauptfenster haupt;
  QPointer<Splash> splash = bewahrix::zeigeSplash(u"2"_s, haupt.erzeugen(), haupt.zeigen());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !haupt.protokoll.isEmpty(); }, 1000));
  QTest::keyClick(splash.data(), Qt::Key_Escape);
  EXPECT_EQ(haupt.protokoll, (QStringList{u"erzeugen"_s, u"zeigen"_s}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1000));
}

TEST_F(SplashTest, SchliessenWaehrendDasHauptfensterEntstehtZeigtEsDanach) {
  // The start sequence may wait in a message box (missed schedules) longer
  // than the splash stays: the window is shown only once it is complete.
  QStringList protokoll;
  QPointer<Splash> splash = bewahrix::zeigeSplash(
      u"1"_s,
      [&] {
        protokoll << u"erzeugen beginnt"_s;
        QTest::qWait(1800);
        protokoll << u"erzeugen fertig"_s;
      },
      [&] { protokoll << u"zeigen"_s; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return protokoll.contains(u"zeigen"_s); }, 5000));
  EXPECT_EQ(protokoll, (QStringList{u"erzeugen beginnt"_s, u"erzeugen fertig"_s, u"zeigen"_s}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1000));
}

TEST_F(SplashTest, ErneutModalFuenfSekundenOhneGoInfo) {
  QWidget hauptfenster;
  hauptfenster.show();
  QPointer<Splash> splash = bewahrix::zeigeSplashErneut(&hauptfenster, u"4"_s);
  ASSERT_TRUE(splash);
  EXPECT_EQ(QApplication::activeModalWidget(), splash.data());
  EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(text(splash, u"LaufInfo(0)"_s), u"Programmstart 4"_s);
  EXPECT_EQ(text(splash, u"LaufInfo(1)"_s), u"Programmstart 4"_s);
  EXPECT_EQ(text(splash, u"lblVersion(1)"_s), u"Version 3.02.02"_s);
  EXPECT_FALSE(splash->findChild<QLabel*>(u"Go_Info"_s)->isVisible());

  QTest::qWait(1700);
  ASSERT_TRUE(splash) << "schon nach der Anzeigezeit des Programmstarts geschlossen";
  EXPECT_TRUE(splash->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 6000));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(hauptfenster.isVisible());
}

TEST_F(SplashTest, ErneutErzeugtKeinZweitesHauptfenster) {
  Hauptfenster haupt;
  Splash splash(Splash::Modus::Erneut, u"4"_s, haupt.erzeugen(), haupt.zeigen());
  splash.show();
  QTest::qWait(200);
  QTest::keyClick(&splash, Qt::Key_Space);
  EXPECT_EQ(haupt.protokoll, QStringList{u"zeigen"_s});
  EXPECT_FALSE(splash.isVisible());
}

TEST_F(SplashTest, StartnummerAusDemZaehler) {
  namespace s = bewahrix::schluessel;
  using M = Splash::Modus;
  bewahrix::SettingsStore store(s::anwendung());
  // First start on an empty store: 1; the start sequence then stores 2, and
  // the splash shown again in the same run still says 1.
  EXPECT_EQ(bewahrix::startnummer(store, M::Programmstart), u"1"_s);
  store.write(s::abschnittTool(), s::count(), u"2"_s);
  EXPECT_EQ(bewahrix::startnummer(store, M::Erneut), u"1"_s);

  store.write(s::abschnittTool(), s::count(), u"130"_s);
  EXPECT_EQ(bewahrix::startnummer(store, M::Programmstart), u"130"_s);
  EXPECT_EQ(bewahrix::startnummer(store, M::Erneut), u"129"_s);

  // After "Programm Counter Reset" the key is gone: default 1, minus one.
  store.remove(s::abschnittTool(), s::count());
  EXPECT_EQ(bewahrix::startnummer(store, M::Erneut), u"0"_s);

  store.write(s::abschnittTool(), s::count(), u"abc"_s);
  EXPECT_EQ(bewahrix::startnummer(store, M::Programmstart), u"abc"_s);
  EXPECT_EQ(bewahrix::startnummer(store, M::Erneut), u"abc"_s);
}
