#include "desktop/Taskleiste.h"

#include "desktop/Xcb.h"

#include <QWidget>

#include <algorithm>
#include <cstring>
#include <vector>

namespace bewahrix::taskleiste {

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  const auto antwort = xcb::antwort(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return antwort ? antwort->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<xcb_atom_t> atome(xcb_connection_t* c, xcb_window_t fenster, xcb_atom_t eigenschaft) {
  const auto antwort = xcb::antwort(
      xcb_get_property_reply(c, xcb_get_property(c, 0, fenster, eigenschaft, XCB_ATOM_ATOM, 0, 4096), nullptr));
  if (!antwort || antwort->format != 32 || antwort->type != XCB_ATOM_ATOM) return {};
  const auto* werte = static_cast<const xcb_atom_t*>(xcb_get_property_value(antwort.get()));
  return {werte, werte + xcb_get_property_value_length(antwort.get()) / sizeof(xcb_atom_t)};
}

bool enthaelt(const std::vector<xcb_atom_t>& liste, xcb_atom_t a) {
  return std::find(liste.begin(), liste.end(), a) != liste.end();
}

}  // namespace

void ohneEintrag(QWidget& fenster) {
  xcb_connection_t* c = xcb::verbindung();
  if (c == nullptr) return;
  const auto fensterId = static_cast<xcb_window_t>(fenster.winId());
  const xcb_atom_t zustand = atom(c, "_NET_WM_STATE");
  const xcb_atom_t ohne = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
  if (zustand == XCB_ATOM_NONE || ohne == XCB_ATOM_NONE) return;

  // Only a window manager draws a task bar. Without one the hint would
  // only confuse the toolkit, which then takes a restored window for a
  // minimised one.
  if (!enthaelt(atome(c, xcb::wurzel(c), atom(c, "_NET_SUPPORTED")), ohne)) return;
  // The toolkit keeps states it does not know of when it maps the window,
  // so the hint joins whatever is already set.
  std::vector<xcb_atom_t> zustaende = atome(c, fensterId, zustand);
  if (enthaelt(zustaende, ohne)) return;
  zustaende.push_back(ohne);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, fensterId, zustand, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(zustaende.size()), zustaende.data());
  xcb_flush(c);
}

}  // namespace bewahrix::taskleiste
