#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

namespace bewahrix {

class HotkeyWeg;

namespace hotkeys {

// ALT+S, the program's one hotkey, in the terms of the registration.
inline constexpr int kTasteS = 83;
inline constexpr int kAlt = 4;

// Ids stay below 0xBFFF; 0 means failure, so the count skips it.
inline constexpr int kIdGrenze = 49151;
int naechsteId(int letzte);

// The key code of the registration (the letters and digits by their upper
// case character, F1 to F12 from 0x70) as an X keysym, which also names the
// key for the portal; 0 for any other key.
inline constexpr std::uint32_t kXkF1 = 0xffbe;
std::uint32_t keysym(int keyCode);

}  // namespace hotkeys

// The global hotkeys. In an X11 session a key grab on the root window; in a
// Wayland session (also for an X11 program on XWayland, where a grab only
// sees keys while one of its windows has focus) the desktop portal for
// global shortcuts. Without a desktop (offscreen) every registration fails
// quietly, just as when another program holds the key.
class Hotkeys : public QObject {
  Q_OBJECT

 public:
  enum class Weg { Keiner, X11, Portal };

  explicit Hotkeys(QObject* parent = nullptr);
  ~Hotkeys() override;

  // The new id, or 0 when the key cannot be taken; no message.
  int HotkeyRegister(int keyCode, int shiftMask);
  void HotkeyUnregister(int id);

  Weg weg() const { return art_; }
  int anzahl() const;

 signals:
  // The key of this registration was pressed.
  void ausgeloest(int id);
  // The portal did not bind a key it had accepted to ask for.
  void abgewiesen(int id, bool vomBenutzer);

 private:
  Weg art_ = Weg::Keiner;
  std::unique_ptr<HotkeyWeg> weg_;
  int naechsteId_ = 0;
};

}  // namespace bewahrix
