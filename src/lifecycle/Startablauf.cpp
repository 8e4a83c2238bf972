#include "lifecycle/Programm.h"

#include "backup/Sicherung.h"
#include "desktop/Hinweise.h"
#include "desktop/Hotkeys.h"
#include "desktop/Tray.h"
#include "platform/Dialoge.h"
#include "platform/Uhr.h"
#include "store/Anzeige.h"
#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/HilfeZeile.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

namespace {

// Sets a control from a stored value that could be read; an unreadable one
// leaves the control as it was.
template <typename T, typename F>
void falls(const std::optional<T>& wert, F&& setzen) {
  if (wert) setzen(*wert);
}

QString startZeile(qint64 nummer, int zeitplaene) {
  QString zusatz = u"; kein Zeitplan vorhanden"_s;
  if (zeitplaene == 1) zusatz = u"; 1 Zeitplan vorhanden"_s;
  if (zeitplaene > 1) zusatz = u"; "_s + QString::number(zeitplaene) + u" Zeitpläne vorhanden"_s;
  return u"Programm gestartet => Lft. Programmstart "_s + QString::number(nummer) + zusatz;
}

// A stored place on a screen that is gone (a second monitor unplugged)
// would leave the window out of reach: it comes onto the main screen. Some
// part big enough to grab counts as within reach.
void aufDenBildschirm(QWidget& fenster) {
  constexpr int kGriff = 40;
  const QRect rahmen = fenster.frameGeometry();
  for (const QScreen* bildschirm : QGuiApplication::screens()) {
    const QRect sichtbar = bildschirm->availableGeometry().intersected(rahmen);
    if (sichtbar.width() >= kGriff && sichtbar.height() >= kGriff) return;
  }
  const QScreen* hauptschirm = QGuiApplication::primaryScreen();
  if (hauptschirm == nullptr) return;
  const QRect platz = hauptschirm->availableGeometry();
  // Centred, but never with the title bar above or left of the screen.
  fenster.move(platz.topLeft() + QPoint(std::max(0, (platz.width() - rahmen.width()) / 2),
                                        std::max(0, (platz.height() - rahmen.height()) / 2)));
}

}  // namespace

void Programm::startSequence() {
  auto& f = *fenster_;
  const QDateTime jetzt = uhr_.jetzt();
  const Programmoptionen optionen = leseProgrammoptionen(store_);
  const Programmdaten daten = leseProgrammdaten(store_);

  tray_->hinzufuegen();
  falls(optionen.startMinimiert, [&](bool an) {
    f.checkStartUpPosition->setChecked(an);
    startMinimiert_ = an;
  });
  for (int n = 0; n < s::kAnzahlKategorien; ++n) f.aufzeichenLogbuch.at(n)->setChecked(optionen.kategorien.at(n));
  store_.write(s::abschnittTool(), s::startTime(), formate::langeZeit(jetzt.time()));
  store_.write(s::abschnittTool(), s::startDatum(), formate::kurzDatum(jetzt.date()));
  falls(optionen.dragDropSofort, [&](int an) { f.checkDragAndDrop->setChecked(an != 0); });
  falls(optionen.verzeichnisAuflisten, [&](int an) { f.checkAuflisten->setChecked(an != 0); });
  falls(optionen.verzeichnisSuche, [&](int option) {
    if (option == 0 || option == 1) f.optionVerzeichnisse.at(option)->setChecked(true);
  });
  // Each value on its own: one unreadable value leaves only its own axis.
  falls(daten.links, [&](int links) { f.move(links / kTwipsProPixel, f.y()); });
  falls(daten.oben, [&](int oben) { f.move(f.x(), oben / kTwipsProPixel); });

  f.txtTime->setText(formate::langeZeit(jetzt.time()));
  f.txtDate.at(0)->setText(u' ' + formate::langesDatum(jetzt.date()));
  f.txtDate.at(1)->setText(f.txtDate.at(0)->text() + u" um "_s + formate::langeZeit(jetzt.time()));

  // The counter holds the number of the start that begins now; an unreadable
  // one is left alone, and then there is no start line either.
  std::optional<qint64> startNummer;
  if (daten.startzaehler) {
    const auto zaehler = static_cast<qint64>(std::llround(*daten.startzaehler));
    store_.write(s::abschnittTool(), s::count(), werte::zahlText(zaehler + 1));
    startNummer = zaehler;
  }

  f.ssTab->setCurrentIndex(0);
  if (!store_.enthaelt(s::abschnittProgramm(), s::width()))
    f.resize(f.ersteGroesse());  // the defaults are the minimum, too small for a page
  else {
    falls(daten.breite, [&](int breite) { f.resize(breite / kTwipsProPixel, f.height()); });
    falls(daten.hoehe, [&](int hoehe) { f.resize(f.width(), hoehe / kTwipsProPixel); });
  }
  aufDenBildschirm(f);
  f.ssTabOptionen->setCurrentIndex(0);
  f.noAufzeichenLogbuch->setChecked(optionen.aufzeichnungAus);
  const qint64 grenze = leseLogGrenze(store_);
  for (int k = 0; k < s::kAnzahlLogGrenzen; ++k) f.logbuchGrenze.at(k)->setChecked(kLogGrenzen.at(k) == grenze);
  falls(optionen.hotkey, [&](bool an) { f.hotkeyAktion->setChecked(an); });
  if (f.hotkeyAktion->isChecked()) hotkeyAnmelden();
  f.menueAufzeichenLogbuch->setEnabled(!f.noAufzeichenLogbuch->isChecked());
  falls(optionen.meldungVersaeumt, [&](bool an) { f.msgBoxVersaeumt->setChecked(an); });
  falls(optionen.benachrichtigungen, [&](bool an) { benachrichtigungen_->setChecked(an); });
  hinweise_->schalten(benachrichtigungen_->isChecked());
  falls(optionen.hilfe, [&](bool an) { f.mueHelp->setChecked(an); });
  f.hilfe->setVisible(f.mueHelp->isChecked());

  // Before the lamps are read: a run that never ended shows red.
  const QStringList unbeendet = unbeendeteLaeufe(store_);
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    const Aufgabe a = leseAufgabe(store_, i, uhr_);
    falls(a.inPapierkorb, [&](int an) { f.checkAllFileKillUndo.at(i)->setChecked(an != 0); });
    falls(a.zielLeeren, [&](int an) { f.checkAllFileKill.at(i)->setChecked(an != 0); });
    f.checkAllFileKillUndo.at(i)->setEnabled(f.checkAllFileKill.at(i)->isChecked());
    f.aufgabe.at(i).titelText->setText(a.titel);
    f.labelOrtInfo.at(i)->setText(anzeige::ortText(i, a.titel));
    falls(a.kopierModus, [&](int modus) {
      VerfahrenAnzeigen(i, modus);
      if (modus >= 0 && modus <= KeinVerfahren) f.optionSoll.at(6 * i + modus)->setChecked(true);
    });
    f.aufgabe.at(i).txtSicherungsVerzeichnis->setText(a.ziel);
    LampenSeting(i);
  }

  // Green is "no errors" in its own help text; grey would explain nothing.
  // Set before the first entry, which may find the logbook unwritable.
  f.statusLogbuch->setzeZustand(Lampe::Zustand::Gruen);
  logbuch_.begrenzen();
  if (startNummer) logbuch_.eintrag(startZeile(*startNummer, zeitplanAnzahl()), SonstigeMeldung);
  for (const QString& zeile : unbeendet) logbuch_.eintrag(zeile, Fehlermeldung);
  meldeSpeicherZustand(store_, logbuch_);
  speicherUeberwachen();
  VerpassteAuftraege(verpasst::Modus::Start);
  LogbuchAnzeigen();
  LoadSourceLists();
  f.optionTimerAufgabe.at(0)->setChecked(true);
  RefreshSchedulePanel();
  ShowScheduleDescriptions();
  f.statusTimer->setzeZustand(Lampe::Zustand::Gruen);
  loadComplete_ = true;
  f.timerAutomatik->start();
  f.timerUhr->start();
  // "Jetzt nachholen" chosen while the start's box was open.
  if (!nachzuholen_.isEmpty()) QTimer::singleShot(0, this, [this] { nachholen(nachzuholen_); });
}

void Programm::speicherUeberwachen() {
  // Every schedule has stopped with it: not a thing for the logbook alone.
  if (const auto alt = store_.beiseitegelegt())
    dialoge_.zeige({u"Die Einstellungsdatenbank war nicht lesbar und wurde nach "_s + *alt +
                        u" verschoben. Bewahrix beginnt mit den Grundeinstellungen: Aufgaben und Zeitpläne "
                        u"müssen neu eingerichtet werden."_s,
                    u"Bewahrix"_s, Symbol::Ausrufezeichen});
  if (const auto fehler = store_.schreibfehler()) {
    logbuch_.eintrag(u"Die Einstellungen können nicht gespeichert werden: "_s + *fehler, Fehlermeldung);
    dialoge_.zeige({u"Die Einstellungen können nicht gespeichert werden: "_s + *fehler +
                        (store_.nurKopie() ? u". Bewahrix arbeitet mit den zuletzt gespeicherten Einstellungen; "_s
                                           : u". Bewahrix arbeitet mit den Grundeinstellungen; "_s) +
                        u"Änderungen gehen beim Beenden verloren."_s,
                    u"Bewahrix"_s, Symbol::Ausrufezeichen});
  }
  // A write can fail in the middle of anything: the report waits for the
  // event loop, and the box comes once per program run.
  store_.beiSchreibfehler = [this](const QString& fehler) {
    QMetaObject::invokeMethod(
        this,
        [this, fehler] {
          logbuch_.eintrag(u"Eine Änderung der Einstellungen wurde nicht gespeichert: "_s + fehler,
                           Fehlermeldung);
          if (std::exchange(schreibfehlerGemeldet_, true)) return;
          dialoge_.zeige({u"Eine Änderung der Einstellungen wurde nicht gespeichert: "_s + fehler +
                              u". Weitere solche Fehler stehen nur im Logbuch."_s,
                          u"Bewahrix"_s, Symbol::Ausrufezeichen});
        },
        Qt::QueuedConnection);
  };
}

void Programm::zeigen() {
  if (startMinimiert_)
    fenster_->showMinimized();
  else
    fenster_->show();
}

}  // namespace bewahrix
