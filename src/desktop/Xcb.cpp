#include "desktop/Xcb.h"

#include <QGuiApplication>

namespace bewahrix::xcb {

xcb_connection_t* verbindung() {
  if (!qGuiApp) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_window_t wurzel(xcb_connection_t* c) {
  const auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
  if (it.rem <= 0) return XCB_WINDOW_NONE;
  return it.data->root;
}

}  // namespace bewahrix::xcb
