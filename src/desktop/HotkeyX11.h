#pragma once

#include "desktop/HotkeyWeg.h"

#include <QAbstractNativeEventFilter>
#include <QList>

#include <cstdint>

namespace bewahrix {

namespace hotkeys {

// Mask bits 1 SHIFT, 2 CTRL, 4 ALT as X modifier bits.
std::uint16_t x11Modifikatoren(int shiftMask);

}  // namespace hotkeys

// A key grab on the root window of the X server, taken with and without
// CapsLock and NumLock so that those do not switch the key off.
class HotkeyX11 : public HotkeyWeg, private QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  HotkeyX11() = default;
  ~HotkeyX11() override;

  bool anmelden(int id, int keyCode, int shiftMask) override;
  void abmelden(int id) override;
  int anzahl() const override { return static_cast<int>(liste_.size()); }

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
  bool umgeleitet_ = false;
};

}  // namespace bewahrix
