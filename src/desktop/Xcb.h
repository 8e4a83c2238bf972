#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// What the X11 parts of the desktop share: Qt's own connection and the
// replies that libxcb hands over to be freed.
namespace bewahrix::xcb {

template <typename T>
using Antwort = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Antwort<T> antwort(T* roh) {
  return Antwort<T>(roh, &std::free);
}

// Qt's own connection, so events arrive in its event loop; nullptr off X11.
xcb_connection_t* verbindung();

xcb_window_t wurzel(xcb_connection_t* c);

}  // namespace bewahrix::xcb
