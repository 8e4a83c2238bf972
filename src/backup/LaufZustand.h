#pragma once

#include "store/Schluessel.h"

#include <QString>

#include <array>

namespace bewahrix {

// The main window's run state, shared by manual, batch and automatic runs.
struct LaufZustand {
  static constexpr int kFehlerHoechstens = 32767;

  bool automatikLauf = false;  // the automatic timer is starting runs
  bool sammelLauf = false;     // a batch run of marked or all tasks
  // Failed files (and unreadable entries) since the caller last reset it.
  int fehlerGesamt = 0;
  // The last-run text of each task: success, or the last error.
  std::array<QString, schluessel::kAnzahlAufgaben> aufgabenStatusText;

  // Counts one failure; stops at the largest value instead of wrapping.
  void fehlerZaehlen() {
    if (fehlerGesamt < kFehlerHoechstens) ++fehlerGesamt;
  }
};

// The counters of one run.
struct LaufZaehler {
  qint64 volumenGesamt = 0;   // source bytes of every processed file
  qint64 volumenKopiert = 0;  // source bytes of the copied files
  qint64 dateienGesamt = 0;
  qint64 dateienFehlerfrei = 0;
  qint64 dateienFehlerhaft = 0;
  qint64 verzeichnisseFehlerhaft = 0;  // source directories that could not be read
  qint64 sonstigeFehler = 0;           // a cancellation, a failed flush of the target
};

}  // namespace bewahrix
