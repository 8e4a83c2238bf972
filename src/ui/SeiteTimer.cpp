#include "scheduler/Zeitplanfeld.h"
#include "store/Datensaetze.h"
#include "ui/Bau.h"
#include "ui/DatumsFeld.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {
constexpr int kArten = 5;

QLabel* umbrechend(QWidget* eltern, const QString& text) {
  auto* l = bau::text(eltern, text);
  l->setWordWrap(true);
  return l;
}
}  // namespace

// Three rows, as the frames are too wide to stand side by side in the
// smallest window: every task's schedule, the schedule editor, its options.
QWidget* Saver::baueSeiteTimer() {
  auto* seite = new QWidget;
  auto* spalte = new QVBoxLayout(seite);
  bau::eng(spalte);

  auto* uebersicht = bau::rahmen(seite, u"Frame(6)"_s, u"Zeitpunkte der Automatischen Timer"_s);
  auto* uebersichtRaster = new QGridLayout(uebersicht);
  bau::eng(uebersichtRaster);
  for (int i = 0; i < kAufgaben; ++i) {
    checkSofort.at(i) = bau::neu<QCheckBox>(uebersicht, bau::feld(u"Check_sofort"_s, i));
    checkSofort.at(i)->setText(u"Aufgabe "_s + QString::number(i + 1));
    uebersichtRaster->addWidget(checkSofort.at(i), i, 0, Qt::AlignTop);
    infoTimer.at(i) = bau::neu<QLabel>(uebersicht, bau::feld(u"InfoTimer"_s, i));
    infoTimer.at(i)->setWordWrap(true);
    // The schedule description colours its background: it has to be filled.
    infoTimer.at(i)->setAutoFillBackground(true);
    uebersichtRaster->addWidget(infoTimer.at(i), i, 1, 1, 2);
  }
  cmdAutoSave.at(0) = bau::knopf(uebersicht, u"cmd_AutoSave(0)"_s, u"markierte jetzt ausführen"_s);
  uebersichtRaster->addWidget(cmdAutoSave.at(0), kAufgaben, 0, 1, 2);
  cmdAutoSave.at(1) = bau::knopf(uebersicht, u"cmd_AutoSave(1)"_s, u"alle Aufgaben jetzt ausführen"_s);
  uebersichtRaster->addWidget(cmdAutoSave.at(1), kAufgaben, 2);
  uebersichtRaster->setColumnStretch(1, 1);
  uebersichtRaster->setColumnStretch(2, 1);
  spalte->addWidget(uebersicht);

  auto* mitte = new QHBoxLayout;
  // The task and the kind are chosen independently although their buttons
  // share one frame: two groups.
  auto* plan = new QGroupBox(u"Zeitplan für..."_s, seite);
  auto* planRaster = new QGridLayout(plan);
  bau::eng(planRaster);
  auto* aufgaben = new QButtonGroup(plan);
  auto* arten = new QButtonGroup(plan);
  const std::array<QString, kArten> artTexte = {u"einmal zum festen Datum"_s, u"einmal im Monat"_s,
                                                u"einmal pro Woche"_s, u"einmal Täglich"_s,
                                                u"deaktiv, Timer aus"_s};
  for (int i = 0; i < kAufgaben; ++i) {
    optionTimerAufgabe.at(i) = bau::neu<QRadioButton>(plan, bau::feld(u"OptionTimerAufgabe"_s, i));
    optionTimerAufgabe.at(i)->setText(u"Aufgabe "_s + QString::number(i + 1));
    aufgaben->addButton(optionTimerAufgabe.at(i), i);
    planRaster->addWidget(optionTimerAufgabe.at(i), i, 0);
  }
  for (int k = 0; k < kArten; ++k) {
    optionTime.at(k) = bau::neu<QRadioButton>(plan, bau::feld(u"Option_Time"_s, k));
    optionTime.at(k)->setText(artTexte.at(k));
    arten->addButton(optionTime.at(k), k);
    planRaster->addWidget(optionTime.at(k), k, 1);
  }
  planRaster->addWidget(bau::text(plan, u"Start - Datum und Zeit"_s), kArten, 0, 1, 2);
  auto* wann = new QHBoxLayout;
  sollDatum = bau::neu<DatumsFeld>(plan, u"SollDatum"_s);
  sollDatum->setLocale(QLocale(QLocale::German, QLocale::Germany));
  const auto einmalig = zeitplan::datumsForm(Einmalig);
  sollDatum->setzeFormat(einmalig.format);
  sollDatum->setCalendarPopup(einmalig.kalender);
  wann->addWidget(sollDatum, 1);
  sollZeit = bau::neu<QTimeEdit>(plan, u"SollZeit"_s);
  sollZeit->setDisplayFormat(u"HH:mm:ss"_s);
  wann->addWidget(sollZeit);
  planRaster->addLayout(wann, kArten + 1, 0, 1, 2);
  txtVorgangInfo = bau::neu<QLabel>(plan, u"Txt_VorgangInfo"_s);
  txtVorgangInfo->setText(u"keine Verfahrensweise gewählt"_s);
  QPalette warnung = txtVorgangInfo->palette();
  warnung.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
  txtVorgangInfo->setPalette(warnung);
  planRaster->addWidget(txtVorgangInfo, kArten + 2, 0, 1, 2);
  mitte->addWidget(plan);

  auto* status = new QGridLayout;
  status->setContentsMargins(4, 0, 0, 0);
  auto* verwaltung = bau::text(seite, u"Timerverwaltung"_s);
  QFont fett = verwaltung->font();
  fett.setBold(true);
  verwaltung->setFont(fett);
  status->addWidget(verwaltung, 0, 0, 1, 2);
  status->addWidget(umbrechend(seite, u"Status des letzen automatischen Timers"_s), 1, 0, 1, 2);
  status->addWidget(bau::text(seite, u"gestartet am"_s), 2, 0, Qt::AlignTop);
  txtDate.at(1) = bau::neu<QLabel>(seite, u"TxtDate(1)"_s);
  txtDate.at(1)->setWordWrap(true);
  status->addWidget(txtDate.at(1), 2, 1);
  txtDate.at(0) = bau::neu<QLabel>(seite, u"TxtDate(0)"_s);
  txtDate.at(0)->setWordWrap(true);
  status->addWidget(txtDate.at(0), 3, 0, 1, 2);
  txtTime = bau::neu<QLabel>(seite, u"TxtTime"_s);
  status->addWidget(txtTime, 4, 0, 1, 2);
  status->setColumnStretch(1, 1);
  status->setRowStretch(5, 1);
  mitte->addLayout(status, 1);
  spalte->addLayout(mitte);

  auto* automatik = new QGroupBox(u"Automatischer Zeitplan"_s, seite);
  auto* automatikRaster = new QGridLayout(automatik);
  bau::eng(automatikRaster);
  automatikRaster->addWidget(umbrechend(automatik, u"Verfahrensweise beim Kopiervogang"_s), 0, 0);
  cmdVorgang = bau::knopf(automatik, u"cmd_Vorgang"_s, u"Verfahrensweise"_s);
  automatikRaster->addWidget(cmdVorgang, 0, 1);
  checkKopieZusatz = bau::neu<QCheckBox>(automatik, u"Check_KopieZusatz"_s);
  checkKopieZusatz->setText(u"Kopie mit Erweiterung \"Sicherheitskopie von...\""_s);
  automatikRaster->addWidget(checkKopieZusatz, 1, 0, 1, 4);
  cmdAktuell = bau::knopf(automatik, u"cmd_Aktuell"_s, u"Aktualisieren"_s);
  automatikRaster->addWidget(cmdAktuell, 0, 2);
  cmdSaveZeitplan = bau::knopf(automatik, u"cmd_SaveZeitplan"_s, u"Speichern"_s);
  automatikRaster->addWidget(cmdSaveZeitplan, 0, 3);
  statusTimer = bau::neu<Lampe>(automatik, u"StatusTimer"_s);
  automatikRaster->addWidget(statusTimer, 0, 4);
  automatikRaster->setColumnStretch(0, 1);
  spalte->addWidget(automatik);
  spalte->addStretch(1);
  return seite;
}

}  // namespace bewahrix
