// ALT+S through the portal, against tests/e2e/dienste.py on the private bus
// of the CTest entry portal_kuerzel; skipped elsewhere.

#include "desktop/HotkeyPortal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

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
    dienste.start(u"/usr/bin/python3"_s, {qEnvironmentVariable("BEWAHRIX_DIENSTE")});
    ASSERT_FALSE(naechste(u"bereit "_s).isEmpty());
  }
  void TearDown() override { dienste.kill(), dienste.waitForFinished(); }

  // The rest of the next line of dienste.py that begins so; empty after 10 s.
  QString naechste(const QString& anfang) {
    QString rest;
    (void)QTest::qWaitFor([&] {
      zeilen += QString::fromUtf8(dienste.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
      for (qsizetype i = 0; i < zeilen.size() && rest.isEmpty(); ++i)
        if (zeilen.at(i).startsWith(anfang)) rest = zeilen.takeAt(i).mid(anfang.size());
      return !rest.isEmpty();
    }, 10000);
    return rest;
  }

  QProcess dienste;
  QStringList zeilen;
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
  QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
      u"org.freedesktop.portal.Desktop"_s, u"/Test"_s, u"de.bewahrix.Test"_s, u"Ausloesen"_s));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !gedrueckt.isEmpty(); }, 5000));
  EXPECT_EQ(gedrueckt.takeFirst(), QVariantList{2});
  // Unchecking the menu item.
  portal.abmelden(2);
  EXPECT_EQ(naechste(u"geschlossen "_s), zweite);
  EXPECT_FALSE(zeilen.join(u'\n').contains(u"binden"_s)) << "the released first session was bound";
  EXPECT_EQ(portal.anzahl(), 0);
  EXPECT_TRUE(abgewiesen.isEmpty());
}

}  // namespace
