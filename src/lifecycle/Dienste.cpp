#include "lifecycle/Programm.h"

#include "desktop/Hinweise.h"
#include "desktop/Ruhezustand.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/Saver.h"

#include <QAction>
#include <QTimer>

#include <utility>

// The desktop's services for a program that is left alone: notifications,
// no sleep in the middle of a run, a look back after waking up.
namespace bewahrix {

void Programm::verbindeDienste() {
  auto& f = *fenster_;
  connect(f.benachrichtigungen, &QAction::triggered, this, [this](bool an) {
    hinweise_->schalten(an);
    store_.write(schluessel::abschnittOptionen(), schluessel::benachrichtigungen(), werte::booleanText(an));
  });
  connect(hinweise_, &Hinweise::logbuchZeigen, f.mueLogbuch, &QAction::trigger);
  connect(hinweise_, &Hinweise::nachholen, this, &Programm::nachholen);
  // The minutes it slept through are looked at at once, not at the next tick.
  connect(ruhe_, &Ruhezustand::aufgewacht, this, [this] {
    if (fenster_->timerAutomatik->isActive()) TimerAutomatik_Timer();
  });
}

void Programm::nachholen(const QList<int>& aufgaben) {
  nachzuholen_ = aufgaben;
  if (laufRahmen_ > 0 || !loadComplete_ || beendet_) return;
  imLaufRahmen([this] { sicherung_.nachholen(std::exchange(nachzuholen_, {})); });
}

}  // namespace bewahrix
