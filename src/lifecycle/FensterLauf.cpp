#include "lifecycle/Programm.h"

#include "desktop/Hinweise.h"
#include "desktop/Ruhezustand.h"
#include "platform/Uhr.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// What a run reads from the window and what it shows there.
namespace bewahrix {

QStringList Programm::quellen(int index) const {
  QStringList eintraege;
  const QListWidget* liste = fenster_->aufgabe.at(index).txtSichernGesamt;
  for (int zeile = 0; zeile < liste->count(); ++zeile) eintraege.append(liste->item(zeile)->text());
  return eintraege;
}

int Programm::gewaehlterModus(int index) const {
  for (int m = 0; m < 5; ++m)
    if (fenster_->optionSoll.at(6 * index + m)->isChecked()) return m;
  return 5;
}

bool Programm::zielLeerenAn(int index) const { return fenster_->checkAllFileKill.at(index)->isChecked(); }

bool Programm::papierkorbAn(int index) const {
  return fenster_->checkAllFileKillUndo.at(index)->isChecked();
}

bool Programm::markiert(int index) const { return fenster_->checkSofort.at(index)->isChecked(); }

bool Programm::zielUngesichert(int index) const {
  return fenster_->aufgabe.at(index).statusZiel->zustand() == Lampe::Zustand::Rot;
}

void Programm::laufBeginnt(int index) {
  ruhe_->sperren(u"Aufgabe "_s + QString::number(index + 1) + u" wird gesichert"_s);
  fehlerVorLauf_ = sicherung_.zustand().fehlerGesamt;
  timerLief_ = fenster_->timerAutomatik->isActive();
  fenster_->timerAutomatik->stop();
  zeigerBeschaeftigt(true);
  titelVorLauf_ = fenster_->windowTitle();
  fenster_->setWindowTitle(u"Bitte Warten, verarbeite Aufgabe "_s + QString::number(index + 1));
  for (const auto& seite : fenster_->aufgabe) seite.cmdKopieStart->setEnabled(false);
  fenster_->statusBar()->show();
}

void Programm::laufEndet() {
  for (const auto& seite : fenster_->aufgabe) seite.cmdKopieStart->setEnabled(true);
  fenster_->setWindowTitle(titelVorLauf_);
  fenster_->statusBar()->clearMessage();
  fenster_->statusBar()->hide();
  if (timerLief_) fenster_->timerAutomatik->start();
  ruhe_->freigeben();
}

void Programm::zeigerBeschaeftigt(bool beschaeftigt) {
  if (beschaeftigt == zeigerGesetzt_) return;
  zeigerGesetzt_ = beschaeftigt;
  if (beschaeftigt)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void Programm::setzeLampe(int index, bool fehlerfrei) {
  fenster_->aufgabe.at(index).pruefLampe->setzeZustand(fehlerfrei ? Lampe::Zustand::Gruen
                                                                  : Lampe::Zustand::Rot);
  if (fehlerfrei) hinweise_->fehlerfrei(index);
}

void Programm::aufgabeFehlgeschlagen(const Fehlschlag& f) {
  // Manual runs have their summary box; a user away from the screen has only this.
  const LaufZustand& zustand = sicherung_.zustand();
  if (!zustand.automatikLauf) return;
  if (f.datentraegerFehlt)
    hinweise_->datentraegerFehlt(f.index, f.grund, uhr_.jetzt().date());
  else
    hinweise_->fehlgeschlagen(f.index, zustand.fehlerGesamt - fehlerVorLauf_, f.grund);
}

void Programm::fortschritt(qint64 verarbeitet, const QString& datei, int prozent) {
  QString text = QString::number(verarbeitet) + u" Datei(en) verarbeitet – "_s + datei;
  if (prozent >= 0) text += u" ("_s + QString::number(prozent) + u" %)"_s;
  fenster_->statusBar()->showMessage(text);
}

void Programm::ereignisseVerarbeiten() { QCoreApplication::processEvents(); }

bool Programm::aufzeichnungAus() const { return fenster_->noAufzeichenLogbuch->isChecked(); }

bool Programm::kategorieAn(int kategorie) const {
  if (kategorie < 0 || kategorie >= schluessel::kAnzahlKategorien) return true;
  return fenster_->aufzeichenLogbuch.at(kategorie)->isChecked();
}

}  // namespace bewahrix
