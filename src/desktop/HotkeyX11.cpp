#include "desktop/HotkeyX11.h"

#include "desktop/Hotkeys.h"
#include "desktop/Xcb.h"

#include <xcb/xcb.h>

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace bewahrix {

namespace hotkeys {

std::uint16_t x11Modifikatoren(int shiftMask) {
  std::uint16_t mod = 0;
  if (shiftMask & 1) mod |= XCB_MOD_MASK_SHIFT;
  if (shiftMask & 2) mod |= XCB_MOD_MASK_CONTROL;
  if (shiftMask & 4) mod |= XCB_MOD_MASK_1;
  return mod;
}

}  // namespace hotkeys

namespace {

// CapsLock and NumLock (Mod2 on every common layout) must not switch the key
// off, so each grab is taken in all four combinations.
constexpr std::array<std::uint16_t, 4> kVarianten{
    0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t kBeachtet = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 |
                                    XCB_MOD_MASK_3 | XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

// Waits for the releases: once this returns, another program can take the key.
void freigeben(xcb_connection_t* c, xcb_keycode_t taste, xcb_window_t root, std::uint16_t mod,
               const std::array<bool, kVarianten.size()>& welche) {
  std::array<xcb_void_cookie_t, kVarianten.size()> auftraege{};
  for (std::size_t i = 0; i < kVarianten.size(); ++i)
    if (welche.at(i)) auftraege.at(i) = xcb_ungrab_key_checked(c, taste, root, mod | kVarianten.at(i));
  for (std::size_t i = 0; i < kVarianten.size(); ++i)
    if (welche.at(i)) std::free(xcb_request_check(c, auftraege.at(i)));
}

// The key that gives the symbol, asked from the server's keyboard mapping
// (plain libxcb: the keysyms helper library is not always installed).
xcb_keycode_t tastencode(xcb_connection_t* c, std::uint32_t sym) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  const xcb_keycode_t erster = setup->min_keycode;
  const auto anzahl = static_cast<std::uint8_t>(setup->max_keycode - erster + 1);
  const auto antwort =
      xcb::antwort(xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, erster, anzahl), nullptr));
  if (!antwort || antwort->keysyms_per_keycode == 0) return 0;
  const int proTaste = antwort->keysyms_per_keycode;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(antwort.get());
  const int laenge = xcb_get_keyboard_mapping_keysyms_length(antwort.get());
  // Without Shift first: the grab then needs no Shift either.
  for (int spalte = 0; spalte < std::min(proTaste, 2); ++spalte)
    for (int k = 0; k * proTaste + spalte < laenge; ++k)
      if (syms[k * proTaste + spalte] == sym) return static_cast<xcb_keycode_t>(erster + k);
  return 0;
}

}  // namespace

HotkeyX11::~HotkeyX11() {
  for (const Griff& griff : std::as_const(liste_)) loslassen(griff);
  filterSetzen(false);
}

bool HotkeyX11::anmelden(int id, int keyCode, int shiftMask) {
  xcb_connection_t* c = xcb::verbindung();
  if (!c) return false;
  const xcb_window_t root = xcb::wurzel(c);
  const std::uint32_t sym = hotkeys::keysym(keyCode);
  const xcb_keycode_t taste = sym ? tastencode(c, sym) : 0;
  if (root == XCB_WINDOW_NONE || taste == 0) return false;
  const std::uint16_t mod = hotkeys::x11Modifikatoren(shiftMask);
  // The server would let this program grab its own key twice; one release
  // would then end both.
  for (const Griff& griff : std::as_const(liste_))
    if (griff.keycode == taste && griff.modifikatoren == mod) return false;

  std::array<xcb_void_cookie_t, kVarianten.size()> auftraege{};
  for (std::size_t i = 0; i < kVarianten.size(); ++i)
    auftraege.at(i) = xcb_grab_key_checked(c, 0, root, mod | kVarianten.at(i), taste, XCB_GRAB_MODE_ASYNC,
                                           XCB_GRAB_MODE_ASYNC);
  std::array<bool, kVarianten.size()> erhalten{};
  for (std::size_t i = 0; i < kVarianten.size(); ++i) {
    // BadAccess: another client holds this combination.
    const auto fehler = xcb::antwort(xcb_request_check(c, auftraege.at(i)));
    erhalten.at(i) = !fehler;
  }
  if (std::find(erhalten.begin(), erhalten.end(), false) != erhalten.end()) {
    // Half a hotkey would fire only with some lock keys on.
    freigeben(c, taste, root, mod, erhalten);
    return false;
  }
  liste_.append({id, taste, mod, root});
  filterSetzen(true);
  return true;
}

void HotkeyX11::abmelden(int id) {
  const auto griff = std::find_if(liste_.cbegin(), liste_.cend(), [id](const Griff& g) { return g.id == id; });
  if (griff == liste_.cend()) return;
  loslassen(*griff);
  liste_.erase(griff);
  if (liste_.isEmpty()) filterSetzen(false);
}

void HotkeyX11::loslassen(const Griff& griff) {
  xcb_connection_t* c = xcb::verbindung();
  if (!c) return;
  freigeben(c, griff.keycode, griff.wurzel, griff.modifikatoren, {true, true, true, true});
}

void HotkeyX11::filterSetzen(bool an) {
  if (an == umgeleitet_ || !QCoreApplication::instance()) return;
  if (an)
    QCoreApplication::instance()->installNativeEventFilter(this);
  else
    QCoreApplication::instance()->removeNativeEventFilter(this);
  umgeleitet_ = an;
}

bool HotkeyX11::nativeEventFilter(const QByteArray& typ, void* nachricht, qintptr* /*ergebnis*/) {
  if (typ != "xcb_generic_event_t") return false;
  const auto* ereignis = static_cast<const xcb_generic_event_t*>(nachricht);
  if ((ereignis->response_type & 0x7f) != XCB_KEY_PRESS) return false;
  const auto* taste = reinterpret_cast<const xcb_key_press_event_t*>(ereignis);
  const std::uint16_t mod = taste->state & kBeachtet;
  for (const Griff& griff : std::as_const(liste_)) {
    if (griff.keycode == taste->detail && griff.modifikatoren == mod && griff.wurzel == taste->event) {
      emit ausgeloest(griff.id);
      return true;
    }
  }
  return false;
}

}  // namespace bewahrix
