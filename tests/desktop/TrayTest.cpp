// The icon's own menu; tests/e2e/sitzung.sh clicks the real icon in a tray.

#include "desktop/Tray.h"

#include <QGuiApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

// The window went to the tray while it had the focus, and the click on the icon comes before the program has
// lost its activation, which closes every popup: the menu waits for that, or a second at most.
TEST(TrayMenue, OeffnetErstWennDieAktivierungDesVerstecktenFenstersWeg) {
  QWidget fenster, anderes;
  fenster.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
  fenster.hide();
  ASSERT_EQ(QGuiApplication::focusWindow(), fenster.windowHandle()) << "the platform took the activation at once";
  QMenu menue;
  menue.addAction(u"Wiederherstellen"_s);
  Tray tray(menue);
  tray.menueOeffnen();
  EXPECT_FALSE(menue.isVisible()) << "opened while the deactivation that closes it was still to come";
  anderes.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return menue.isVisible(); }, 5000)) << "not opened once the focus moved";
  menue.hide();
  anderes.hide();
  ASSERT_TRUE(QGuiApplication::focusWindow() && !QGuiApplication::focusWindow()->isVisible());
  tray.menueOeffnen();
  EXPECT_FALSE(menue.isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return menue.isVisible(); }, 5000)) << "not opened when the focus stays put";
}
