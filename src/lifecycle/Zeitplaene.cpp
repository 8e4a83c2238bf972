#include "lifecycle/Programm.h"

#include "desktop/Hinweise.h"
#include "platform/Dialoge.h"
#include "platform/Uhr.h"
#include "scheduler/Verpasst.h"
#include "scheduler/Zeitplan.h"
#include "store/Formate.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/Saver.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>

// The window's side of the schedules: the two timers, the missed-schedule
// search and the schedule descriptions; the panel is in ZeitplanBearbeitung.
namespace bewahrix {

namespace s = schluessel;

void Programm::verbindeZeitplaene() {
  auto& f = *fenster_;
  connect(f.timerAutomatik, &QTimer::timeout, this, &Programm::TimerAutomatik_Timer);
  connect(f.timerUhr, &QTimer::timeout, this,
          [this] { fenster_->txtTime->setText(formate::langeZeit(uhr_.jetzt().time())); });
  // In the frame of a run: "Jetzt nachholen" chosen while the box is open
  // waits for it.
  connect(f.msgBoxVersaeumtSuchen, &QAction::triggered, this,
          [this] { imLaufRahmen([this] { VerpassteAuftraege(verpasst::Modus::Menue); }); });
  connect(f.msgBoxVersaeumt, &QAction::triggered, this, [this](bool an) {
    store_.write(s::abschnittOptionen(), s::msgBoxVersaeumt(), werte::booleanText(an));
  });
  verbindeZeitplanfeld();
}

void Programm::TimerAutomatik_Timer() {
  // A question this tick asks lets the timer fire again meanwhile; that tick
  // must not reset the counters or run tasks inside this one.
  if (taktLaeuft_) return;
  const QScopedValueRollback<bool> laeuft(taktLaeuft_, true);
  imLaufRahmen([this] { automatikTakt(); });
}

void Programm::automatikTakt() {
  auto& zustand = sicherung_.zustand();
  zustand.fehlerGesamt = 0;
  const auto ergebnis = takt_.takt(fenster_->msgBoxVersaeumt->isChecked());
  fenster_->txtDate.at(0)->setText(takt_.datumsBeschriftung());
  if (!ergebnis.neueMinute) return;
  zustand.automatikLauf = true;
  const auto schreibe = [this](const zeitplan::LogZeile& zeile) { logbuch_.eintrag(zeile.text, zeile.kategorie); };
  for (const auto& faellig : ergebnis.faellig) {
    if (sicherung_.abgebrochen()) break;
    const Logbuch::Lauf lauf(logbuch_);
    schreibe(zeitplan::anfangZeile());
    sicherung_.aufgabeKopieren(faellig.index);
    if (zustand.fehlerGesamt == 0) Gruen_TimerNotError();
    // A cancelled run did not back up: the schedule stays, red, for the
    // user to see and plan again.
    if (faellig.einmalig && !sicherung_.abgebrochen()) {
      zeitplan::entferneEinmalig(store_, faellig.index);
      // Through the click: unsaved edits of the panel get their question.
      if (fenster_->optionTimerAufgabe.at(faellig.index)->isChecked()) OptionTimerAufgabe_Click(faellig.index);
      schreibe(zeitplan::einmaligBeendetZeile(faellig.index));
      ShowScheduleDescriptions();
    }
    schreibe(zeitplan::endeZeile());
  }
  if (zustand.fehlerGesamt > 0) {
    laufFehler_ = true;
    logbuchLampeSetzen();
  }
  zustand.automatikLauf = false;
  // Only what the tick wrote: a search's marks and the user's place stay.
  if (!ergebnis.faellig.isEmpty()) LogbuchAnzeigen();
  // After the runs of this minute; not while a stop waits for the tick.
  if (!sicherung_.abgebrochen()) verpasstMelden(ergebnis.versaeumt);
}

void Programm::VerpassteAuftraege(verpasst::Modus modus) {
  verpasstMelden(verpasst::suche(store_, uhr_, modus, fenster_->msgBoxVersaeumt->isChecked()));
}

void Programm::verpasstMelden(const verpasst::Ergebnis& ergebnis) {
  for (const QString& zeile : ergebnis.logZeilen) logbuch_.eintrag(zeile, SonstigeMeldung);
  // The notification first: the box waits for a user who may not be there.
  hinweise_->verpasst(ergebnis.aufgaben);
  if (ergebnis.meldung) dialoge_.zeige(*ergebnis.meldung);
  if (!ergebnis.logZeilen.isEmpty()) LogbuchAnzeigen();
}

void Programm::ShowScheduleDescriptions() {
  const auto texte = zeitplan::beschreibungen(store_, uhr_);
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    QLabel* label = fenster_->infoTimer.at(i);
    label->setText(texte.at(i).text);
    // Through the palette: the hover help reads the colour back from there.
    QPalette farben = label->palette();
    farben.setColor(QPalette::Window, QColor::fromRgb(texte.at(i).hintergrund));
    farben.setColor(QPalette::WindowText, QColor::fromRgb(texte.at(i).schrift));
    label->setAutoFillBackground(true);
    label->setPalette(farben);
  }
}

}  // namespace bewahrix
