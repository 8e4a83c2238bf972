#include "lifecycle/Programm.h"

#include "editing/Quellenliste.h"
#include "platform/Pfade.h"
#include "store/Datensaetze.h"
#include "ui/DateiAblage.h"
#include "ui/Saver.h"
#include "ui/Zeiger.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

// The task pages' source lists: typed, picked and dropped entries, and
// deleting them.
namespace bewahrix {

void Programm::verbindeQuellen(int i) {
  auto& seite = fenster_->aufgabe.at(i);
  connect(seite.cmdDazu, &QPushButton::clicked, this, [this, i] { cmd_Dazu_Click(i); });
  connect(seite.txtZuSichern, &QLineEdit::returnPressed, this, [this, i] { cmd_Dazu_Click(i); });
  connect(seite.cmdSuchen, &QPushButton::clicked, this, [this, i] { cmd_Suchen_Click(i); });
  connect(seite.cmdVerzeichnisSuchen, &QPushButton::clicked, this, [this, i] { cmd_VerzeichnisSuchen_Click(i); });
  connect(seite.ablage, &DateiAblage::abgelegt, this,
          [this, i](const QStringList& pfade) { txt_zuSichern_OLEDragDrop(i, pfade); });
  connect(seite.cmdLoeschen, &QPushButton::clicked, this, [this, i] { cmd_Loeschen_Click(i); });
  connect(seite.txtSichernGesamt, &QListWidget::itemDoubleClicked, this, [this, i] { cmd_Loeschen_Click(i); });
  connect(seite.cmdLoeschenAlles, &QPushButton::clicked, this,
          [this, i] { folgeAnwenden(i, Quellenliste(bearbeitung()).alleLoeschen(i)); });
  connect(seite.cmdInfo, &QPushButton::clicked, this, [this] { Quellenliste(bearbeitung()).zeigeInfo(); });

  // An entry and its date stay side by side; deleting is offered for a
  // selected entry unless the task has no copy mode.
  connect(seite.txtSichernGesamt, &QListWidget::currentRowChanged, this, [this, i](int zeile) {
    auto& s = fenster_->aufgabe.at(i);
    s.cmdLoeschen->setEnabled(zeile >= 0 && gewaehlterModus(i) != KeinVerfahren);
    s.txtSichernDaten->setCurrentRow(zeile);
  });
  // A click offers it again after the copy mode changed.
  connect(seite.txtSichernGesamt, &QListWidget::itemClicked, this, [this, i] {
    fenster_->aufgabe.at(i).cmdLoeschen->setEnabled(gewaehlterModus(i) != KeinVerfahren);
  });
  connect(seite.txtSichernDaten, &QListWidget::currentRowChanged, this,
          [this, i](int zeile) { fenster_->aufgabe.at(i).txtSichernGesamt->setCurrentRow(zeile); });
}

void Programm::cmd_Dazu_Click(int i) {
  folgeAnwenden(i, Quellenliste(bearbeitung()).hinzufuegen(i, fenster_->aufgabe.at(i).txtZuSichern->text()));
}

void Programm::cmd_Suchen_Click(int i) {
  QLineEdit* feld = fenster_->aufgabe.at(i).txtZuSichern;
  if (bearbeiten::nochUebernehmen(dialoge_, feld->text())) cmd_Dazu_Click(i);
  const QString datei = dateiWahl(bearbeiten::dateiSuche());
  if (!datei.isEmpty()) feld->setText(datei);
}

void Programm::cmd_VerzeichnisSuchen_Click(int i) {
  // The home directory stands in for the program's own directory, which
  // on this system holds nothing of the user's.
  const QString ordner = quellordnerWahl(u"Suche eines Quellverzeichnisses"_s, pfade::standardWurzel());
  if (ordner.isEmpty()) return;
  const Quellenliste liste(bearbeitung());
  fenster_->aufgabe.at(i).txtZuSichern->setText(
      Quellenliste::verzeichnisEintrag(ordner, liste.mitUnterverzeichnissen()));
}

void Programm::txt_zuSichern_OLEDragDrop(int i, const QStringList& pfade) {
  QList<Abgelegt> elemente;
  for (const QString& pfad : pfade) elemente.append({pfad, QFileInfo(pfad).isDir()});
  // A folder of a thousand files takes a moment to add.
  const Zeiger zeiger(Qt::WaitCursor);
  folgeAnwenden(i, Quellenliste(bearbeitung()).ablegen(i, fenster_->aufgabe.at(i).txtZuSichern->text(), elemente,
                                                       dateisystem_));
}

void Programm::cmd_Loeschen_Click(int i) {
  const QListWidgetItem* gewaehlt = fenster_->aufgabe.at(i).txtSichernGesamt->currentItem();
  if (gewaehlt) folgeAnwenden(i, Quellenliste(bearbeitung()).loeschen(i, gewaehlt->text()));
}

void Programm::folgeAnwenden(int i, const Folge& folge) {
  auto& seite = fenster_->aufgabe.at(i);
  if (folge.neuLaden) {
    LoadSourceLists();
    LampenSeting(i);
    LogbuchAnzeigen();
  }
  if (folge.eingabe) seite.txtZuSichern->setText(*folge.eingabe);
  // A task without copy mode keeps its start button disabled.
  if (folge.startKnopf) seite.cmdKopieStart->setEnabled(*folge.startKnopf && gewaehlterModus(i) != KeinVerfahren);
  if (folge.fokusAufEingabe) seite.txtZuSichern->setFocus();
}

}  // namespace bewahrix
