#pragma once

#include "store/Schluessel.h"

#include <array>

namespace bewahrix {

// The live switches that decide whether an entry is recorded: the master
// switch "keine Aufzeichnung" and one switch per category. The window's menu
// is the real source; the logbook asks at every entry.
class LogSchalter {
 public:
  virtual ~LogSchalter() = default;
  virtual bool aufzeichnungAus() const = 0;
  virtual bool kategorieAn(int kategorie) const = 0;
};

// Switches held as plain values, for programs and tests without a menu.
class LogSchalterWerte final : public LogSchalter {
 public:
  LogSchalterWerte() { an_.fill(true); }
  bool aufzeichnungAus() const override { return aus_; }
  // A category outside the known range is recorded rather than lost.
  bool kategorieAn(int kategorie) const override {
    return kategorie < 0 || kategorie >= schluessel::kAnzahlKategorien || an_.at(kategorie);
  }
  void setzeAufzeichnungAus(bool aus) { aus_ = aus; }
  void setzeKategorie(int kategorie, bool an) { an_.at(kategorie) = an; }

 private:
  bool aus_ = false;
  std::array<bool, schluessel::kAnzahlKategorien> an_{};
};

}  // namespace bewahrix
