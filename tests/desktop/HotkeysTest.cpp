// The global hotkey: tests/e2e/sitzung.sh runs the HotkeysX11 cases on a real X server; the portal's cases run
// against tests/e2e/dienste.py on the private bus of the CTest entry portal_kuerzel. Elsewhere they skip.

#include "desktop/HotkeyPortal.h"
#include "desktop/Hotkeys.h"
#include "support/DiensteProzess.h"

#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace bewahrix;
using namespace Qt::Literals::StringLiterals;

namespace {

// Offscreen every registration fails quietly: tests/lifecycle.
TEST(HotkeyIds, NachDerLetztenWiederAbEins) {
  EXPECT_EQ(hotkeys::naechsteId(hotkeys::kIdGrenze - 1), 1) << "0 would read as a failure";
}

template <typename T>
using XcbAntwort = std::unique_ptr<T, decltype(&std::free)>;

// A second client of the same server: another program that wants ALT+S.
class HotkeysX11 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
      GTEST_SKIP() << "braucht ein X-Display (QT_QPA_PLATFORM=xcb); tests/e2e/sitzung.sh führt es aus";
    fremd = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(fremd), 0);
    root = xcb_setup_roots_iterator(xcb_get_setup(fremd)).data->root;
    taste = tasteFuer(0x73);
    ASSERT_NE(taste, 0);
  }
  void TearDown() override { if (fremd) fremdLaesstAlles(), xcb_disconnect(fremd); }

  xcb_keycode_t tasteFuer(xcb_keysym_t sym) {
    const xcb_setup_t* setup = xcb_get_setup(fremd);
    const int anzahl = setup->max_keycode - setup->min_keycode + 1;
    XcbAntwort<xcb_get_keyboard_mapping_reply_t> antwort(
        xcb_get_keyboard_mapping_reply(
            fremd, xcb_get_keyboard_mapping(fremd, setup->min_keycode, static_cast<std::uint8_t>(anzahl)),
            nullptr),
        &std::free);
    if (!antwort) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(antwort.get());
    for (int k = 0; k < anzahl; ++k)
      if (syms[k * antwort->keysyms_per_keycode] == sym) return static_cast<xcb_keycode_t>(setup->min_keycode + k);
    return 0;
  }

  // True when the second client gets ALT+S with these extra modifiers.
  bool fremdGreift(std::uint16_t zusatz) {
    return XcbAntwort<xcb_generic_error_t>(xcb_request_check(fremd, xcb_grab_key_checked(
                                                                   fremd, 0, root, XCB_MOD_MASK_1 | zusatz, taste,
                                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)),
                                           &std::free) == nullptr;
  }
  void fremdLaesstAlles() {
    xcb_ungrab_key(fremd, XCB_GRAB_ANY, root, XCB_MOD_MASK_ANY);
    xcb_flush(fremd);
    // A round trip: the release is done before the next request elsewhere.
    XcbAntwort<xcb_get_input_focus_reply_t>(xcb_get_input_focus_reply(fremd, xcb_get_input_focus(fremd), nullptr),
                                            &std::free);
  }

  // Hands a key press on the root window to the program's event filters.
  bool drueckeTaste(xcb_keycode_t code, std::uint16_t zustand) {
    xcb_key_press_event_t ereignis{};
    ereignis.response_type = XCB_KEY_PRESS, ereignis.detail = code, ereignis.state = zustand;
    ereignis.root = ereignis.event = root;
    qintptr ergebnis = 0;
    return QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &ereignis, &ergebnis);
  }

  static constexpr std::uint16_t kLock = XCB_MOD_MASK_LOCK;
  static constexpr std::uint16_t kNum = XCB_MOD_MASK_2;
  xcb_connection_t* fremd = nullptr;
  xcb_window_t root = XCB_WINDOW_NONE;
  xcb_keycode_t taste = 0;
};

TEST_F(HotkeysX11, GriffMitAllenSperrtastenUndFreigabe) {
  Hotkeys hotkeys;
  const std::uint16_t varianten[] = {0, kLock, kNum, kLock | kNum};
  for (int runde = 1; runde <= 2; ++runde) {
    const int id = hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt);
    ASSERT_EQ(id, 2 * runde - 1) << "a new id after each release; the refused second grab used one up";
    for (std::uint16_t zusatz : varianten) EXPECT_FALSE(fremdGreift(zusatz)) << "Variante " << zusatz << " frei";
    // The same key twice would be released by either unregistration.
    EXPECT_EQ(hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt), 0);
    hotkeys.HotkeyUnregister(id + 10);  // an unknown id releases nothing
    EXPECT_FALSE(fremdGreift(0));
    hotkeys.HotkeyUnregister(id);
    EXPECT_EQ(hotkeys.anzahl(), 0);
    for (std::uint16_t zusatz : varianten) EXPECT_TRUE(fremdGreift(zusatz)) << "Variante " << zusatz << " belegt";
    fremdLaesstAlles();
  }
  // Only the NumLock variant taken: no grab, and no half grab left behind.
  ASSERT_TRUE(fremdGreift(kNum));
  EXPECT_EQ(hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt), 0);
  EXPECT_EQ(hotkeys.anzahl(), 0);
  for (int zusatz : {0, int{kLock}, kLock | kNum}) EXPECT_TRUE(fremdGreift(zusatz)) << zusatz;
}

// The lock keys do not matter; other combinations and keys pass on.
TEST_F(HotkeysX11, TastendruckMeldetDieId) {
  Hotkeys hotkeys;
  QSignalSpy gemeldet(&hotkeys, &Hotkeys::ausgeloest);
  const int id = hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt);
  ASSERT_NE(id, 0);
  const std::tuple<xcb_keycode_t, std::uint16_t, bool> faelle[] = {
      {taste, XCB_MOD_MASK_1, true},  {taste, XCB_MOD_MASK_1 | kLock | kNum, true},
      {taste, XCB_MOD_MASK_1 | XCB_MOD_MASK_CONTROL, false}, {taste, 0, false},
      {tasteFuer(0x61), XCB_MOD_MASK_1, false}};  // ALT+A
  for (const auto& [code, zustand, meins] : faelle) EXPECT_EQ(drueckeTaste(code, zustand), meins) << zustand;
  hotkeys.HotkeyUnregister(id);
  EXPECT_FALSE(drueckeTaste(taste, XCB_MOD_MASK_1));
  EXPECT_EQ(static_cast<QList<QVariantList>&>(gemeldet), (QList<QVariantList>{{id}, {id}}));
}

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
