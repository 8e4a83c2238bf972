#include "lifecycle/Programm.h"

#include "desktop/Taskleiste.h"
#include "desktop/Sitzung.h"
#include "desktop/Tray.h"
#include "platform/Dialoge.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/Saver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QSystemTrayIcon>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

int Programm::zeitplanAnzahl() const {
  int anzahl = 0;
  // A kind that is no number counts as no schedule: the stop must complete.
  for (int i = 0; i < Saver::kAufgaben; ++i)
    if (werte::alsGanzzahl(store_.read(s::abschnittTimer(), s::dayArt(i), u"4"_s)).value_or(KeinZeitplan) !=
        KeinZeitplan)
      ++anzahl;
  return anzahl;
}

bool Programm::QueryStop() {
  // A session that ends while the question is open closes it: no answer.
  if (zeitplanAnzahl() > 0 && !sitzungEndet_ && !stopBestaetigt_ &&
      dialoge_.zeige(frage(u"Ein oder mehrere Timer sind noch aktiv! Sind Sie sich sicher, dass Sie "
                           u"das Programm beenden wollen?"_s,
                           u"Programm beenden"_s)) != Antwort::Ja &&
      !sitzungEndet_)
    return false;
  for (int n = 0; n < s::kAnzahlKategorien; ++n)
    store_.write(s::abschnittTool(), s::logWriting(n),
                 werte::booleanText(fenster_->aufzeichenLogbuch.at(n)->isChecked()));
  logbuch_.eintrag(u"Programm beendet"_s, SonstigeMeldung);
  tray_->entfernen();
  const QDateTime jetzt = uhr_.jetzt();
  store_.write(s::abschnittTool(), s::endTime(), formate::stundeMinute(jetzt.time()) + u":00"_s);
  store_.write(s::abschnittTool(), s::endDatum(), formate::kurzDatum(jetzt.date()));
  // A Wayland compositor keeps the position to itself: the stored one stays.
  if (normalerZustand() && !sitzung::waylandFenster()) {
    store_.write(s::abschnittTool(), s::meLeft(), werte::zahlText(fenster_->x() * kTwipsProPixel));
    store_.write(s::abschnittTool(), s::meTop(), werte::zahlText(fenster_->y() * kTwipsProPixel));
  }
  return true;
}

void Programm::FinishStop() {
  if (normalerZustand()) {
    store_.write(s::abschnittProgramm(), s::width(), werte::zahlText(fenster_->width() * kTwipsProPixel));
    store_.write(s::abschnittProgramm(), s::height(), werte::zahlText(fenster_->height() * kTwipsProPixel));
  }
  andereFensterSchliessen();
}

void Programm::andereFensterSchliessen() {
  for (QWidget* fenster : QApplication::topLevelWidgets())
    if (fenster != fenster_.get() && fenster->isVisible()) fenster->close();
}

void Programm::imLaufRahmen(const std::function<void()>& lauf) {
  ++laufRahmen_;
  lauf();
  if (--laufRahmen_ > 0) return;
  sicherung_.abbruchAufheben();
  if (nachLauf_) return std::exchange(nachLauf_, {})();
  if (!nachzuholen_.isEmpty()) nachholen(nachzuholen_);
}

void Programm::nachDemLauf(std::function<void()> aktion) {
  if (laufRahmen_ == 0) {
    aktion();
    return;
  }
  // The run still uses the store, the window and the logbook: it unwinds
  // first, and a question it waits on is closed so that it can.
  sicherung_.abbrechen();
  nachLauf_ = std::move(aktion);
  andereFensterSchliessen();
}

void Programm::stopWaehrendLauf() {
  // The confirmed reset ends the program once the run has unwound.
  if (resetWartet_) return;
  const int aufgabe = sicherung_.abgebrochen() ? -1 : sicherung_.aktuelleAufgabe();
  if (!sitzungEndet_ && aufgabe >= 0 &&
      dialoge_.zeige(frage(u"Aufgabe "_s + QString::number(aufgabe + 1) +
                           u" wird gerade gesichert. Soll die Sicherung abgebrochen und Bewahrix "
                           u"beendet werden?"_s)) != Antwort::Ja &&
      !sitzungEndet_)
    return;
  // The user has said yes to ending: the timer question is not asked again.
  if (aufgabe >= 0) stopBestaetigt_ = true;
  nachDemLauf([this] { fenster_->close(); });
}

void Programm::sitzungEnde() {
  sitzungEndet_ = true;
  // A box the program waits on gets its harmless answer; the stop goes on
  // where it was asked, or begins here.
  andereFensterSchliessen();
  fenster_->close();
}

bool Programm::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != fenster_.get()) return false;
  if (ereignis->type() == QEvent::Close) {
    // During a run the close comes again once the run has unwound.
    if (laufRahmen_ > 0 && !beendet_) stopWaehrendLauf();
    if (beendet_ || laufRahmen_ > 0 || !QueryStop()) {
      ereignis->ignore();
      return true;
    }
    FinishStop();
    beendet_ = true;  // a later signal stops nothing twice
    QCoreApplication::quit();  // nothing to do without a running loop, as in tests
    return false;
  }
  // With a tray the icon stands for the program: no task bar entry.
  if (ereignis->type() == QEvent::Show && tray_->sichtbar()) taskleiste::ohneEintrag(*fenster_);
  // Minimised with a tray, the window goes out of sight and is reached
  // through the icon; without a tray it keeps its task bar entry.
  if (ereignis->type() == QEvent::WindowStateChange && fenster_->isMinimized() && tray_->sichtbar())
    QMetaObject::invokeMethod(fenster_.get(), &QWidget::hide, Qt::QueuedConnection);
  return false;
}

void Programm::ResetStartCounter() {
  Meldung meldung = frage(u"Wollen Sie den laufenden Programmzähler wiklich auf 0 setzen?"_s);
  meldung.standard = Antwort::Ja;
  if (dialoge_.zeige(meldung) != Antwort::Ja) return;
  store_.remove(s::abschnittTool(), s::count());
  logbuch_.eintrag(u"(Info: Zähler für lft. Programmstarts auf 0 gesetzt)"_s, SonstigeMeldung);
  LogbuchAnzeigen();
}

void Programm::ResetAll() {
  if (dialoge_.zeige(frage(u"Sollen wirklich alle Aufgaben und Einstellungen von Bewahrix gelöscht "
                           u"werden? Das Programm wird danach beendet."_s,
                           u"Löschen"_s)) != Antwort::Ja)
    return;
  resetWartet_ = laufRahmen_ > 0;
  nachDemLauf([this] {
    store_.removeAll();
    // Nothing may be written back into the emptied store.
    beendet_ = true;
    tray_->entfernen();
    sofortBeenden();
  });
}

}  // namespace bewahrix
