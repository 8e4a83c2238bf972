// The global hotkey: tests/e2e/sitzung.sh runs the HotkeysX11 cases on a real X server, elsewhere they skip;
// tests/e2e/wayland.sh binds it through the portal.

#include "desktop/Hotkeys.h"
#include "desktop/Xcb.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace bewahrix;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(HotkeyIds, NachDerLetztenWiederAbEins) {
  EXPECT_EQ(hotkeys::naechsteId(hotkeys::kIdGrenze - 1), 1) << "0 would read as a failure";
}

// A second client of the same server: another program that wants ALT+S.
class HotkeysX11 : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
      GTEST_SKIP() << "braucht ein X-Display (QT_QPA_PLATFORM=xcb); tests/e2e/sitzung.sh führt es aus";
    fremd = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(fremd), 0);
    root = xcb::wurzel(fremd);
    taste = tasteFuer(0x73);
    ASSERT_NE(taste, 0);
  }
  void TearDown() override { if (fremd) fremdLaesstAlles(), xcb_disconnect(fremd); }

  xcb_keycode_t tasteFuer(xcb_keysym_t sym) {
    const xcb_setup_t* setup = xcb_get_setup(fremd);
    const int anzahl = setup->max_keycode - setup->min_keycode + 1;
    const auto antwort = xcb::antwort(xcb_get_keyboard_mapping_reply(
        fremd, xcb_get_keyboard_mapping(fremd, setup->min_keycode, static_cast<std::uint8_t>(anzahl)), nullptr));
    for (int k = 0; antwort && k < anzahl; ++k)
      if (xcb_get_keyboard_mapping_keysyms(antwort.get())[k * antwort->keysyms_per_keycode] == sym)
        return static_cast<xcb_keycode_t>(setup->min_keycode + k);
    return 0;
  }
  // True when the second client gets ALT+S with these extra modifiers.
  bool fremdGreift(std::uint16_t zusatz) {
    return !xcb::antwort(xcb_request_check(fremd, xcb_grab_key_checked(fremd, 0, root, XCB_MOD_MASK_1 | zusatz, taste,
                                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
  }
  // Checked: the release is done before the next request elsewhere.
  void fremdLaesstAlles() {
    xcb::antwort(xcb_request_check(fremd, xcb_ungrab_key_checked(fremd, XCB_GRAB_ANY, root, XCB_MOD_MASK_ANY)));
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
  const int id = hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt);
  ASSERT_EQ(id, 1);
  for (std::uint16_t zusatz : varianten) EXPECT_FALSE(fremdGreift(zusatz)) << "Variante " << zusatz << " frei";
  // The same key twice would be released by either unregistration.
  EXPECT_EQ(hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt), 0);
  hotkeys.HotkeyUnregister(id + 10);  // an unknown id releases nothing
  EXPECT_FALSE(fremdGreift(0));
  hotkeys.HotkeyUnregister(id);
  for (std::uint16_t zusatz : varianten) EXPECT_TRUE(fremdGreift(zusatz)) << "Variante " << zusatz << " belegt";
  // Only the NumLock variant taken: no grab, and no half grab left behind.
  fremdLaesstAlles();
  ASSERT_TRUE(fremdGreift(kNum));
  EXPECT_EQ(hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt), 0);
  EXPECT_EQ(hotkeys.anzahl(), 0);
  for (int zusatz : {0, int{kLock}, kLock | kNum}) EXPECT_TRUE(fremdGreift(zusatz)) << "Variante " << zusatz << " belegt";
  fremdLaesstAlles();
  EXPECT_EQ(hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt), 4) << "the key again; each refusal used an id up";
}

// The lock keys do not matter; other combinations and keys pass on.
TEST_F(HotkeysX11, TastendruckMeldetDieId) {
  Hotkeys hotkeys;
  QSignalSpy gemeldet(&hotkeys, &Hotkeys::ausgeloest);
  const int id = hotkeys.HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt);
  ASSERT_NE(id, 0);
  const std::tuple<const char*, xcb_keycode_t, std::uint16_t, bool> faelle[] = {
      {"ALT+S", taste, XCB_MOD_MASK_1, true}, {"mit Sperrtasten", taste, XCB_MOD_MASK_1 | kLock | kNum, true},
      {"CTRL+ALT+S", taste, XCB_MOD_MASK_1 | XCB_MOD_MASK_CONTROL, false}, {"S", taste, 0, false},
      {"ALT+A", tasteFuer(0x61), XCB_MOD_MASK_1, false}};
  for (const auto& [name, code, zustand, meins] : faelle) EXPECT_EQ(drueckeTaste(code, zustand), meins) << name;
  hotkeys.HotkeyUnregister(id);
  EXPECT_FALSE(drueckeTaste(taste, XCB_MOD_MASK_1)) << "released";
  EXPECT_EQ(static_cast<QList<QVariantList>&>(gemeldet), (QList<QVariantList>{{id}, {id}}));
}

}  // namespace
