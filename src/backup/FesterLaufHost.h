#pragma once

#include "backup/LaufHost.h"
#include "store/Schluessel.h"

#include <array>

namespace bewahrix {

// A run host without a window: the controls are plain values. For
// benchmarks, tests and runs without a user interface.
class FesterLaufHost : public LaufHost {
 public:
  struct Aufgabe {
    QStringList quellen;
    int modus = 5;
    bool zielLeeren = false;
    bool papierkorb = true;
    bool markiert = false;
    bool zielUngesichert = false;
  };
  std::array<Aufgabe, schluessel::kAnzahlAufgaben> aufgaben;

  QStringList quellen(int index) const override { return aufgaben.at(index).quellen; }
  int gewaehlterModus(int index) const override { return aufgaben.at(index).modus; }
  bool zielLeerenAn(int index) const override { return aufgaben.at(index).zielLeeren; }
  bool papierkorbAn(int index) const override { return aufgaben.at(index).papierkorb; }
  bool markiert(int index) const override { return aufgaben.at(index).markiert; }
  bool zielUngesichert(int index) const override { return aufgaben.at(index).zielUngesichert; }
  void laufBeginnt(int) override {}
  void laufEndet() override {}
  void zeigerBeschaeftigt(bool) override {}
  void setzeLampe(int, bool) override {}
  void logbuchAnzeigen() override {}
  void fortschritt(qint64, const QString&, int) override {}
  void ereignisseVerarbeiten() override {}
};

}  // namespace bewahrix
