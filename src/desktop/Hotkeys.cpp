#include "desktop/Hotkeys.h"

#include "desktop/HotkeyPortal.h"
#include "desktop/HotkeyX11.h"
#include "desktop/Sitzung.h"

#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace hotkeys {

int naechsteId(int letzte) {
  const int id = (letzte + 1) % kIdGrenze;
  return id == 0 ? 1 : id;
}

std::uint32_t keysym(int keyCode) {
  if (keyCode >= 'A' && keyCode <= 'Z') return static_cast<std::uint32_t>(keyCode - 'A' + 'a');
  if (keyCode >= '0' && keyCode <= '9') return static_cast<std::uint32_t>(keyCode);
  constexpr int kF1 = 0x70;
  if (keyCode >= kF1 && keyCode < kF1 + 12) return kXkF1 + static_cast<std::uint32_t>(keyCode - kF1);
  return 0;
}

}  // namespace hotkeys

namespace {

Hotkeys::Weg wegDerSitzung() {
  if (sitzung::waylandFenster()) return Hotkeys::Weg::Portal;
  if (QGuiApplication::platformName() != u"xcb"_s) return Hotkeys::Weg::Keiner;
  return qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ? Hotkeys::Weg::Portal : Hotkeys::Weg::X11;
}

}  // namespace

Hotkeys::Hotkeys(QObject* parent) : QObject(parent), art_(wegDerSitzung()) {
  if (art_ == Weg::X11) weg_ = std::make_unique<HotkeyX11>();
  if (art_ == Weg::Portal) weg_ = std::make_unique<HotkeyPortal>();
  if (!weg_) return;
  connect(weg_.get(), &HotkeyWeg::ausgeloest, this, &Hotkeys::ausgeloest);
  connect(weg_.get(), &HotkeyWeg::abgewiesen, this, &Hotkeys::abgewiesen);
}

Hotkeys::~Hotkeys() = default;

int Hotkeys::HotkeyRegister(int keyCode, int shiftMask) {
  // The id is used up also when the registration fails.
  naechsteId_ = hotkeys::naechsteId(naechsteId_);
  return weg_ && weg_->anmelden(naechsteId_, keyCode, shiftMask) ? naechsteId_ : 0;
}

void Hotkeys::HotkeyUnregister(int id) {
  if (weg_) weg_->abmelden(id);
}

int Hotkeys::anzahl() const { return weg_ ? weg_->anzahl() : 0; }

}  // namespace bewahrix
