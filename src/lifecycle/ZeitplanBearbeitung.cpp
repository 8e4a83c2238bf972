#include "lifecycle/Programm.h"

#include "platform/Dialoge.h"
#include "platform/Uhr.h"
#include "scheduler/Zeitplanfeld.h"
#include "ui/DatumsFeld.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// The schedule panel on the "Timer" page: which task it shows, editing its
// schedule, saving it, and the jumps to and from the copy-mode page.
namespace bewahrix {

namespace {

void geaendert(Saver& f) { f.statusTimer->setzeZustand(Lampe::Zustand::Rot); }

void formeSollDatum(Saver& f, int art) {
  const auto form = zeitplan::datumsForm(art);
  if (form.sichtbar) {
    f.sollDatum->setzeFormat(form.format);
    f.sollDatum->setCalendarPopup(form.kalender);
  }
  f.sollDatum->setVisible(form.sichtbar);
}

}  // namespace

void Programm::verbindeZeitplanfeld() {
  auto& f = *fenster_;
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    connect(f.optionTimerAufgabe.at(i), &QRadioButton::clicked, this, [this, i] { OptionTimerAufgabe_Click(i); });
    connect(f.cmdZuTimer.at(i), &QPushButton::clicked, this, [this, i] { cmd_zuTimer_Click(i); });
  }
  for (int k = 0; k < static_cast<int>(f.optionTime.size()); ++k) {
    // Also when the panel is loaded from the store: the picker fits the kind.
    connect(f.optionTime.at(k), &QRadioButton::toggled, this, [this, k](bool an) {
      if (an) formeSollDatum(*fenster_, k);
    });
    connect(f.optionTime.at(k), &QRadioButton::clicked, this, [this, k] { Option_Time_Click(k); });
  }
  connect(f.sollDatum, &QDateEdit::dateChanged, this, [this] { geaendert(*fenster_); });
  // Schedules work in whole minutes.
  connect(f.sollZeit, &QTimeEdit::timeChanged, this, [this](QTime zeit) {
    if (zeit.second() > 0) fenster_->sollZeit->setTime(QTime(zeit.hour(), zeit.minute()));
    geaendert(*fenster_);
  });
  connect(f.checkKopieZusatz, &QCheckBox::clicked, this, [this] { geaendert(*fenster_); });
  connect(f.cmdSaveZeitplan, &QPushButton::clicked, this, &Programm::cmd_SaveZeitplan_Click);
  connect(f.cmdVorgang, &QPushButton::clicked, this, &Programm::cmd_Vorgang_Click);
  connect(f.timerWarnung, &QTimer::timeout, this, [this] {
    QLabel* warnung = fenster_->txtVorgangInfo;
    warnung->setVisible(warnung->isHidden());
  });
}

void Programm::OptionTimerAufgabe_Click(int index) {
  auto& f = *fenster_;
  // Yes is the default: a hasty Enter keeps the edits rather than losing them.
  if (f.statusTimer->zustand() == Lampe::Zustand::Rot &&
      dialoge_.zeige({u"Es sind Einstellungen geändert wurden, die noch nicht gesichert sind.\n"
                      u"Sollen diese jetzt gesichert werden?"_s,
                      u"Bewahrix"_s, Symbol::Frage, Knoepfe::JaNein, Antwort::Ja}) == Antwort::Ja)
    cmd_SaveZeitplan_Click();  // still into the task shown so far
  RefreshSchedulePanel();
  zeitplanAufgabe_ = index;
}

void Programm::Option_Time_Click(int index) {
  auto& f = *fenster_;
  f.sollDatum->setDate(uhr_.jetzt().date());
  formeSollDatum(f, index);
  geaendert(f);
}

void Programm::cmd_SaveZeitplan_Click() {
  auto& f = *fenster_;
  const int j = zeitplanAufgabe_;
  const zeitplan::Feld feld{f.sollDatum->date(), f.sollZeit->time(), f.checkKopieZusatz->isChecked(),
                            Saver::gewaehlt(f.optionTime)};
  zeitplan::speichere(store_, j, feld);
  ShowScheduleDescriptions();
  f.statusTimer->setzeZustand(Lampe::Zustand::Gruen);
  for (const auto& zeile : zeitplan::speicherZeilen(j, feld, f.infoTimer.at(j)->text()))
    logbuch_.eintrag(zeile.text, zeile.kategorie);
  LogbuchAnzeigen();
}

void Programm::cmd_zuTimer_Click(int index) {
  auto& f = *fenster_;
  f.ssTab->setCurrentIndex(Saver::kSeiteTimer);
  // Unsaved edits keep the panel on its task.
  if (f.statusTimer->zustand() != Lampe::Zustand::Gruen) return;
  f.optionTimerAufgabe.at(index)->setChecked(true);
  OptionTimerAufgabe_Click(index);
}

void Programm::cmd_Vorgang_Click() {
  auto& f = *fenster_;
  f.ssTab->setCurrentIndex(Saver::kSeiteVerfahren);
  if (const auto i = Saver::gewaehlt(f.optionTimerAufgabe)) f.ssTabOptionen->setCurrentIndex(*i);
}

}  // namespace bewahrix
