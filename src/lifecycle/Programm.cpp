#include "lifecycle/Programm.h"

#include "desktop/Anmeldestart.h"
#include "desktop/Benachrichtigungen.h"
#include "desktop/Hinweise.h"
#include "desktop/Hotkeys.h"
#include "desktop/HoverHilfe.h"
#include "desktop/Ruhezustand.h"
#include "desktop/SaverHilfe.h"
#include "desktop/Sitzung.h"
#include "desktop/Tray.h"
#include "desktop/Versionspruefung.h"
#include "lifecycle/Copyright.h"
#include "lifecycle/Splash.h"
#include "lifecycle/Version.h"
#include "platform/Dialoge.h"
#include "platform/Uhr.h"
#include "scheduler/Lampen.h"
#include "store/Anzeige.h"
#include "store/Datensaetze.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/HilfeZeile.h"
#include "ui/Lampe.h"
#include "ui/Dateiwahl.h"
#include "ui/DatumsFeld.h"
#include "ui/LogbuchDruck.h"
#include "ui/QtDialoge.h"
#include "ui/Saver.h"

#include <QAction>
#include <QInputDialog>
#include <QItemSelection>
#include <QLineEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

Programm::Programm(SettingsStore& store, const Uhr& uhr, Dialoge& dialoge)
    : sofortBeenden([] { QCoreApplication::exit(0); }),
      store_(store),
      uhr_(uhr),
      dialoge_(dialoge),
      logbuch_(store, uhr, *this),
      fenster_(std::make_unique<Saver>()),
      tray_(new Tray(*fenster_->bewahrixFormer, this)),
      hotkeys_(new Hotkeys(this)),
      hinweise_(new Hinweise(*new Benachrichtigungen(*tray_, this), this)),
      ruhe_(new Ruhezustand(this)),
      modell_(logbuch_),
      sicherung_({store, logbuch_, *this, *this, dialoge, dateisystem_, entferner_, uhr}),
      optionen_(store, logbuch_, loadComplete_),
      logbuchSeite_({store, logbuch_, modell_, dialoge, dateisystem_, entferner_,
                     [this] { LogbuchAnzeigen(); }}),
      takt_(store, uhr),
      statusText_(sicherung_.zustand().aufgabenStatusText) {
  eingabe = [this](const Eingabe& e) {
    return QInputDialog::getText(fenster_.get(), e.titel, e.aufforderung, QLineEdit::Normal, e.vorgabe);
  };
  ordnerWahl = [this](const QString& text, const QString& aktuell) {
    return logbuchOrdnerWaehlen(dialogEltern(fenster_.get()), text, aktuell);
  };
  quellordnerWahl = [this](const QString& titel, const QString& start) {
    return quellordnerWaehlen(dialogEltern(fenster_.get()), titel, start);
  };
  dateiWahl = [this](const DateiSuche& suche) { return dateiWaehlen(dialogEltern(fenster_.get()), suche); };
  fenster_->logbuch->setModel(&modell_);
  fenster_->logbuch->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fenster_->installEventFilter(this);
  logbuch_.beiSchreibzustand = [this](const auto& fehler) { logbuchSchreibzustand(fehler); };
  verbinden();
}

Programm::~Programm() { store_.beiSchreibfehler = nullptr; }

void Programm::verbinden() {
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    verbindeAufgabe(i);
    verbindeQuellen(i);
    verbindeZielUndTitel(i);
  }
  verbindeMenues();
  verbindeLogbuchSeite();
  verbindeZeitplaene();
  verbindeDienste();
  auto& f = *fenster_;
  for (int k = 0; k < 2; ++k)
    connect(f.cmdAutoSave.at(k), &QPushButton::clicked, this,
            [this, k] { imLaufRahmen([this, k] { sicherung_.cmd_AutoSave_Click(k); }); });
  connect(f.checkAuflisten, &QCheckBox::clicked, this,
          [this](bool an) { optionen_.check_Auflisten_Click(an); });
  connect(f.checkDragAndDrop, &QCheckBox::clicked, this,
          [this](bool an) { optionen_.check_DragAndDrop_Click(an); });
  for (int k = 0; k < 2; ++k)
    connect(f.optionVerzeichnisse.at(k), &QRadioButton::clicked, this,
            [this, k] { optionen_.option_Verzeichnisse_Click(k); });
  connect(f.cmdAktualisieren, &QPushButton::clicked, this, &Programm::LogbuchAnzeigen);
  connect(f.cmdAktuell, &QPushButton::clicked, this, &Programm::RefreshSchedulePanel);
  connect(f.cmdEnde, &QPushButton::clicked, this, &Programm::ExitProgram);
  connect(f.cmdMinimize, &QPushButton::clicked, this, [this] { fenster_->showMinimized(); });
  connect(tray_, &Tray::geklickt, this, &Programm::trayGeklickt);
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { sitzungEndet_ = true; });
}

void Programm::verbindeAufgabe(int i) {
  auto& f = *fenster_;
  auto& seite = f.aufgabe.at(i);
  connect(seite.cmdKopieStart, &QPushButton::clicked, this,
          [this, i] { imLaufRahmen([this, i] { sicherung_.aufgabeKopieren(i); }); });
  connect(seite.pruefLampe, &Lampe::geklickt, this, [this, i] { PruefLampe_Click(i); });
  // The Recycle-Bin choice is offered exactly while the target is emptied,
  // also while the start sequence sets the box.
  connect(f.checkAllFileKill.at(i), &QCheckBox::toggled, this, [this, i](bool an) {
    fenster_->checkAllFileKillUndo.at(i)->setEnabled(an);
    optionGeaendert(optionen_.check_AllFileKill_Click(i, an));
  });
  connect(f.checkAllFileKillUndo.at(i), &QCheckBox::toggled, this,
          [this, i](bool an) { optionGeaendert(optionen_.check_AllFileKill_Undo_Click(i, an)); });
  for (int m = 0; m < 6; ++m) {
    connect(f.optionSoll.at(6 * i + m), &QRadioButton::clicked, this, [this, i, m] {
      optionGeaendert(optionen_.option_SOLL_Click(i, m));
      if (!loadComplete_) return;
      VerfahrenAnzeigen(i, m);
      // The panel's warning follows the copy mode at once.
      if (fenster_->optionTimerAufgabe.at(i)->isChecked()) warnungAnzeigen(i);
    });
  }
}

void Programm::verbindeMenues() {
  auto& f = *fenster_;
  connect(f.clickAlles, &QAction::triggered, this,
          [this] { imLaufRahmen([this] { sicherung_.cmd_AutoSave_Click(1); }); });
  connect(f.bewahrixAusfueren, &QAction::triggered, this,
          [this] { imLaufRahmen([this] { sicherung_.cmd_AutoSave_Click(2); }); });
  connect(f.mueEnde, &QAction::triggered, this, &Programm::ExitProgram);
  connect(f.bewahrixEnd, &QAction::triggered, this, &Programm::ExitProgram);
  connect(f.bewahrixHerstellen, &QAction::triggered, this, &Programm::BewahrixHerstellen_Click);
  connect(f.mueLogbuch, &QAction::triggered, this, [this] {
    BewahrixHerstellen_Click();
    fenster_->ssTab->setCurrentIndex(Saver::kSeiteLogbuch);
  });
  connect(f.noAufzeichenLogbuch, &QAction::triggered, this, &Programm::NoAufzeichenLogbuch_Click);
  for (int k = 0; k < s::kAnzahlLogGrenzen; ++k)
    connect(f.logbuchGrenze.at(k), &QAction::triggered, this, [this, k] {
      store_.write(s::abschnittLogBuch(), s::logGrenze(), werte::zahlText(kLogGrenzen.at(k)));
    });
  connect(f.hotkeyAktion, &QAction::triggered, this, &Programm::HotkeyAktion_Click);
  // Below the hotkey item: the items above keep their places in the menu.
  anmeldestartEinbauen(*f.hotkeyAktion, *f.hilfe, dialoge_);
  connect(hotkeys_, &Hotkeys::ausgeloest, this, [this] {
    if (fenster_->hotkeyAktion->isChecked()) BewahrixHerstellen_Click();
  });
  connect(hotkeys_, &Hotkeys::abgewiesen, this, &Programm::hotkeyAbgewiesen);
  connect(f.checkStartUpPosition, &QAction::triggered, this, [this](bool an) {
    store_.write(s::abschnittTool(), s::startMinimiert(), werte::booleanText(an));
  });
  connect(f.mueCountReset, &QAction::triggered, this, &Programm::ResetStartCounter);
  connect(f.nueReset, &QAction::triggered, this, &Programm::ResetAll);
  connect(f.mueInfo, &QAction::triggered, this, [this] { zeigeUeber(fenster_.get()); });
  connect(fenster_.get(), &Saver::logoGeklickt, this, [this] { zeigeUeber(fenster_.get()); });
  connect(f.mueBegruessung, &QAction::triggered, this, [this] {
    zeigeSplashErneut(fenster_.get(), startnummer(store_, Splash::Modus::Erneut));
  });
  // Triggered, not toggled: the start sequence sets the mark without storing it.
  connect(f.mueHelp, &QAction::triggered, this, [this](bool an) { hilfeSchalten(an, *fenster_->hilfe, store_); });
  new HoverHilfe(fenster_.get(), f.hilfe, saverHilfe(f), fenster_.get());
  const Programmversion v = programmversion();
  auto* pruefung = new Versionspruefung(dialoge_, {v.haupt, v.neben, v.revision}, versionspruefung::standardServer(),
                                        versionspruefung::standardWebseite(), fenster_.get());
  connect(f.mueNewVersion, &QAction::triggered, pruefung, &Versionspruefung::pruefen);
  connect(f.zumWeb, &QAction::triggered, pruefung, &Versionspruefung::webseiteOeffnen);
}

void Programm::verbindeLogbuchSeite() {
  auto& f = *fenster_;
  connect(f.cmdLogbuchSuchen, &QPushButton::clicked, this, [this] {
    logbuchSeite_.cmd_LogbuchSuchen_Click(eingabe, [this](const QList<int>& zeilen) { markiereZeilen(zeilen); });
  });
  connect(f.cmdLogbuchClear, &QPushButton::clicked, this, [this] { logbuchSeite_.cmd_LogbuchClear_Click(); });
  connect(f.cmdLogbuchPrint, &QPushButton::clicked, this,
          [this] { LogbuchDruck(modell_, dialoge_).cmd_LogbuchPrint_Click(); });
  connect(f.cmdLogPfad, &QPushButton::clicked, this, [this] { logbuchSeite_.cmd_LogPfad_Click(ordnerWahl); });
  connect(f.cmdOrtLocgbuch, &QPushButton::clicked, this, [this] { dialoge_.zeige(ortMeldung(store_)); });
  connect(f.checkAeltereEintraege, &QCheckBox::clicked, this, [this](bool an) {
    modell_.zeigeAeltere(an);
    LogbuchAnzeigen();
  });
  connect(f.logbuch, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { dialoge_.zeige(zeilenMeldung(modell_.zeile(index.row()))); });
}

void Programm::markiereZeilen(const QList<int>& zeilen) {
  // Runs of neighbouring rows: a million single rows would take long.
  QItemSelection auswahl;
  for (const auto& [erste, letzte] : bereiche(zeilen)) auswahl.select(modell_.index(erste), modell_.index(letzte));
  fenster_->logbuch->selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
  if (!zeilen.isEmpty()) fenster_->logbuch->scrollTo(modell_.index(zeilen.first()));
}

void Programm::optionGeaendert(bool protokolliert) {
  if (!protokolliert) return;
  LogbuchAnzeigen();
  // Every recorded task option refreshes the schedule descriptions (the copy
  // mode colours them); the panel's unsaved edits stay.
  ShowScheduleDescriptions();
}

void Programm::VerfahrenAnzeigen(int index, int modus) {
  const auto verfahren = anzeige::verfahren(modus);
  fenster_->aufgabe.at(index).cmdKopieStart->setEnabled(verfahren.startAktiv);
  fenster_->aufgabe.at(index).infoVerfahren->setText(verfahren.beschreibung);
}

void Programm::LampenSeting(int index) {
  statusText_.at(index) =
      store_.read(s::abschnittStatus(), s::msgbox(index), keineStatusInformation());
  const auto code = store_.enthaelt(s::abschnittStatus(), s::color(index))
                        ? std::optional(store_.read(s::abschnittStatus(), s::color(index), QString()))
                        : std::nullopt;
  // Not a number: the lamp stays as it was.
  if (const auto zustand = lampen::ausCode(code)) fenster_->aufgabe.at(index).pruefLampe->setzeZustand(*zustand);
}

void Programm::PruefLampe_Click(int index) {
  dialoge_.zeige(information(statusText_.at(index), u"Information"_s));
}

void Programm::LogbuchAnzeigen() {
  modell_.neuLaden();
  if (modell_.rowCount() > 0) {
    const QModelIndex letzte = modell_.index(modell_.rowCount() - 1);
    fenster_->logbuch->setCurrentIndex(letzte);
    fenster_->logbuch->scrollTo(letzte);
  }
  fenster_->labelLogbuch->setText(modell_.groessenText());
  fenster_->checkAeltereEintraege->setChecked(modell_.zeigtAeltere());
  fenster_->checkAeltereEintraege->setEnabled(modell_.hatAeltere());
}

void Programm::LoadSourceLists() {
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    auto& seite = fenster_->aufgabe.at(i);
    seite.cmdLoeschen->setEnabled(false);
    seite.txtSichernGesamt->clear();
    seite.txtSichernDaten->clear();
    for (const auto& [eintrag, datum] : store_.list(s::aufgabe(i))) {
      seite.txtSichernGesamt->addItem(eintrag);
      seite.txtSichernDaten->addItem(datum);
    }
    fenster_->inhaltAuftraege.at(i)->setText(anzeige::anzahlText(seite.txtSichernGesamt->count()));
  }
}

void Programm::NoAufzeichenLogbuch_Click(bool aus) {
  auto* schalter = fenster_->noAufzeichenLogbuch;
  if (!loadComplete_) {
    schalter->setChecked(!aus);
    return;
  }
  if (aus) {
    // The last entry before the pause says that recording stops.
    schalter->setChecked(false);
    logbuch_.eintrag(u"Logbuch gestoppt"_s, SonstigeMeldung);
    schalter->setChecked(true);
  } else {
    logbuch_.eintrag(u"Logbuch wird geführt"_s, SonstigeMeldung);
  }
  fenster_->menueAufzeichenLogbuch->setEnabled(!aus);
  store_.write(s::abschnittLogBuch(), s::logBuchAus(), werte::booleanText(aus));
  LogbuchAnzeigen();
}

// The action has already flipped its mark; the stored state is the user's
// wish even when the key cannot be had in this session.
void Programm::HotkeyAktion_Click(bool an) {
  if (an) {
    hotkeyAnmelden();
  } else {
    hotkeys_->HotkeyUnregister(hotkeyId_);
    hotkeyId_ = 0;
  }
  store_.write(s::abschnittTool(), s::hotkeyAktion(), werte::booleanText(an));
}

// A grab refused by the X server leaves the mark on and no key active,
// without a word. Through the portal the mark shows what is really bound.
void Programm::hotkeyAnmelden() {
  hotkeyId_ = hotkeys_->HotkeyRegister(hotkeys::kTasteS, hotkeys::kAlt);
  if (hotkeyId_ == 0 && hotkeys_->weg() == Hotkeys::Weg::Portal) fenster_->hotkeyAktion->setChecked(false);
}

void Programm::hotkeyAbgewiesen(int id, bool vomBenutzer) {
  if (id == 0 || id != hotkeyId_) return;
  hotkeyId_ = 0;
  fenster_->hotkeyAktion->setChecked(false);
  // Declined in the desktop's dialog: not asked again at the next start.
  if (vomBenutzer) store_.write(s::abschnittTool(), s::hotkeyAktion(), werte::booleanText(false));
}

void Programm::BewahrixHerstellen_Click() {
  // A Wayland client learns neither that it was minimised nor may it raise
  // itself; mapped anew, the window is back in front.
  if (sitzung::waylandFenster() && !fenster_->isActiveWindow()) fenster_->hide();
  fenster_->showNormal();
  fenster_->raise();
  fenster_->activateWindow();
}

void Programm::trayGeklickt(bool links) {
  // A host on D-Bus opens the menu itself; a click on the icon restores.
  if (tray_->ueberDBus()) {
    if (links) BewahrixHerstellen_Click();
    return;
  }
  if (!normalerZustand()) {
    tray_->menueOeffnen();
    return;
  }
  if (links) BewahrixHerstellen_Click();
  fenster_->raise();
}

bool Programm::normalerZustand() const {
  return fenster_->isVisible() &&
         !(fenster_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

void Programm::ExitProgram() { fenster_->close(); }

void Programm::RefreshSchedulePanel() {
  auto& f = *fenster_;
  const auto gewaehlt = Saver::gewaehlt(f.optionTimerAufgabe);
  if (!gewaehlt) return;
  const int i = *gewaehlt;
  const Aufgabe a = leseAufgabe(store_, i, uhr_);
  if (a.zeitplanArt && *a.zeitplanArt >= 0 && *a.zeitplanArt <= KeinZeitplan)
    f.optionTime.at(*a.zeitplanArt)->setChecked(true);
  if (a.zeitplanDatum) f.sollDatum->setDate(*a.zeitplanDatum);
  if (a.zeitplanZeit) f.sollZeit->setTime(*a.zeitplanZeit);
  if (a.namensZusatz) f.checkKopieZusatz->setChecked(*a.namensZusatz != 0);
  warnungAnzeigen(i);
  f.statusTimer->setzeZustand(Lampe::Zustand::Gruen);
}

void Programm::warnungAnzeigen(int i) {
  auto& f = *fenster_;
  // The warning blinks while the task has no copy mode.
  const bool ohneVerfahren = f.optionSoll.at(6 * i + KeinVerfahren)->isChecked();
  f.txtVorgangInfo->setVisible(ohneVerfahren);
  if (ohneVerfahren)
    f.timerWarnung->start();
  else
    f.timerWarnung->stop();
}

void Programm::Gruen_TimerNotError() {
  laufFehler_ = false;
  logbuchLampeSetzen();
}

void Programm::logbuchLampeSetzen() {
  const bool rot = laufFehler_ || logbuchSchreibtNicht_;
  fenster_->statusLogbuch->setzeZustand(rot ? Lampe::Zustand::Rot : Lampe::Zustand::Gruen);
  if (rot)
    tray_->fehler();
  else
    tray_->normal(u"Bewahrix (rechte Maustaste)"_s);
}

void Programm::logbuchSchreibzustand(const std::optional<Logbuch::Schreibfehler>& fehler) {
  logbuchSchreibtNicht_ = fehler.has_value();
  logbuchLampeSetzen();
  if (!fehler || std::exchange(logbuchFehlerGemeldet_, true)) return;
  // The write may fail in the middle of a run: the box waits for the event loop.
  QMetaObject::invokeMethod(
      this, [this, meldung = schreibfehlerMeldung(fehler->pfad, fehler->grund)] { dialoge_.zeige(meldung); },
      Qt::QueuedConnection);
}

}  // namespace bewahrix
