#include "lifecycle/Programm.h"

#include "desktop/Hinweise.h"
#include "desktop/Ruhezustand.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/HilfeZeile.h"
#include "ui/Saver.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include <utility>

using namespace Qt::Literals::StringLiterals;

// The desktop's services for a program that is left alone: notifications,
// no sleep in the middle of a run, a look back after waking up.
namespace bewahrix {

void Programm::verbindeDienste() {
  auto& f = *fenster_;
  // An item of this program's own, below the one about missed schedules.
  auto* menue = qobject_cast<QMenu*>(f.msgBoxVersaeumt->parent());
  benachrichtigungen_ = new QAction(u"Benachrichtigungen bei Fehlern"_s, menue);
  benachrichtigungen_->setObjectName(u"Benachrichtigungen"_s);
  benachrichtigungen_->setCheckable(true);
  benachrichtigungen_->setChecked(true);
  menue->insertAction(f.msgBoxVersaeumtSuchen, benachrichtigungen_);
  connect(benachrichtigungen_, &QAction::hovered, f.hilfe, [this] {
    fenster_->hilfe->setText(u" Fehler automatischer Sicherungen und versäumte Zeitpläne als Benachrichtigung melden"_s);
  });
  connect(benachrichtigungen_, &QAction::triggered, this, [this](bool an) {
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
