// ALT+S through the portal, against tests/e2e/dienste.py on the private bus
// of the CTest entry portal_kuerzel; skipped elsewhere.

#include "desktop/HotkeyPortal.h"
#include "support/DiensteProzess.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace bewahrix;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(PortalAusloeser, NamenDerTasten) {
  EXPECT_EQ(hotkeys::portalAusloeser('S', 4), u"ALT+s"_s);
  EXPECT_EQ(hotkeys::portalAusloeser(0x70 + 11, 3), u"CTRL+SHIFT+F12"_s);
  EXPECT_EQ(hotkeys::portalAusloeser('7', 0), u"7"_s);
  EXPECT_EQ(hotkeys::portalAusloeser(0x20, 4), QString()) << "a key without a name is refused";
}

class HotkeyPortalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("BEWAHRIX_DIENSTE")) GTEST_SKIP() << "braucht den Sitzungsbus von portal_kuerzel";
    ASSERT_TRUE(dienste.starten());
  }
  QString naechste(const QString& anfang) { return dienste.naechste(anfang); }

  test::DiensteProzess dienste;
};

TEST_F(HotkeyPortalTest, JedeSitzungWirdGeschlossen) {
  HotkeyPortal portal;
  QSignalSpy gedrueckt(&portal, &HotkeyWeg::ausgeloest);
  QSignalSpy abgewiesen(&portal, &HotkeyWeg::abgewiesen);
  // Released before the portal answered: the session it makes anyway is closed.
  ASSERT_TRUE(portal.anmelden(1, 'S', 4));
  portal.abmelden(1);
  ASSERT_TRUE(portal.anmelden(2, 'S', 4));
  EXPECT_FALSE(portal.anmelden(3, 'S', 4)) << "one shortcut at a time";
  const QString erste = naechste(u"sitzung "_s);
  EXPECT_EQ(naechste(u"geschlossen "_s), erste);
  const QString zweite = naechste(u"sitzung "_s);
  EXPECT_EQ(naechste(u"binden "_s), u"fenster-zeigen ALT+s Bewahrix-Fenster wiederherstellen"_s);
  dienste.aufrufen(u"Ausloesen"_s);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !gedrueckt.isEmpty(); }, 5000));
  EXPECT_EQ(gedrueckt.takeFirst(), QVariantList{2});
  // Unchecking the menu item.
  portal.abmelden(2);
  EXPECT_EQ(naechste(u"geschlossen "_s), zweite);
  EXPECT_FALSE(dienste.alles().join(u'\n').contains(u"binden"_s)) << "the released first session was bound";
  EXPECT_EQ(portal.anzahl(), 0);
  EXPECT_TRUE(abgewiesen.isEmpty());
}

}  // namespace
