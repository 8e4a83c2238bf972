#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>

#include <cstdint>

namespace bewahrix {

namespace hotkeys {

// ALT+S, the program's one hotkey, in the terms of the registration.
inline constexpr int kTasteS = 83;
inline constexpr int kAlt = 4;

// Ids stay below 0xBFFF; 0 means failure, so the count skips it.
inline constexpr int kIdGrenze = 49151;
int naechsteId(int letzte);

// The key code of the registration (the letters and digits by their upper
// case character, F1 to F12 from 0x70) as an X keysym; 0 for any other key.
std::uint32_t keysym(int keyCode);
// Mask bits 1 SHIFT, 2 CTRL, 4 ALT as X modifier bits.
std::uint16_t x11Modifikatoren(int shiftMask);

}  // namespace hotkeys

// The global hotkeys: a key grab on the root window of the X server, taken
// with and without CapsLock and NumLock so that those do not switch the key
// off. Without X11 (Wayland, offscreen) every registration fails quietly,
// just as when another program holds the key.
class Hotkeys : public QObject, private QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit Hotkeys(QObject* parent = nullptr);
  ~Hotkeys() override;

  // The new id, or 0 when the key is taken or there is no X11; no message.
  int HotkeyRegister(int keyCode, int shiftMask);
  void HotkeyUnregister(int id);

  int anzahl() const { return static_cast<int>(liste_.size()); }

 signals:
  // The key of this registration was pressed.
  void ausgeloest(int id);

 private:
  struct Griff {
    int id;
    std::uint8_t keycode;
    std::uint16_t modifikatoren;
    std::uint32_t wurzel;
  };

  bool nativeEventFilter(const QByteArray& typ, void* nachricht, qintptr* ergebnis) override;
  void loslassen(const Griff& griff);
  void filterSetzen(bool an);

  QList<Griff> liste_;
  int naechsteId_ = 0;
  bool umgeleitet_ = false;
};

}  // namespace bewahrix
