#include "ui/IgnorierForm.h"

#include "ui/Bau.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

IgnorierForm::IgnorierForm(const Bearbeitung& b, int index, DateiWahl dateiWahl, QWidget* eltern)
    : QDialog(eltern), liste_(b, index), dialoge_(b.dialoge), dateiWahl_(std::move(dateiWahl)) {
  setObjectName(u"Ignorier_Form"_s);
  setWindowTitle(liste_.fensterTitel());
  setModal(true);
  auto* raster = new QGridLayout(this);
  auto* hinweis = bau::neu<QLabel>(this, u"Label1"_s);
  hinweis->setWordWrap(true);
  hinweis->setText(
      u"Die hier aufgelisteten Dateien, werden nicht kopiert. Die zu ignorierenden Dateien sind "
      u"für alle Verzeichnisse gültig, geben Sie keine Pfadangabe sondern nur den Dateinamen an. "
      u"Ein Beispiel wären die Dateien Desktop.ini oder Thumbs.db."_s);
  raster->addWidget(hinweis, 0, 0, 1, 2);
  txtZuSichern = bau::neu<QLineEdit>(this, u"txt_zuSichern"_s);
  raster->addWidget(txtZuSichern, 1, 0);
  cmdDazu = bau::knopf(this, u"cmd_Dazu"_s, u"Hinzufügen"_s);
  raster->addWidget(cmdDazu, 1, 1);
  txtSichernGesamt = bau::neu<QListWidget>(this, u"txt_SichernGesamt"_s);
  raster->addWidget(txtSichernGesamt, 2, 0, 5, 1);
  cmdSuchen = bau::knopf(this, u"cmd_Suchen"_s, u"Datei suchen"_s);
  raster->addWidget(cmdSuchen, 2, 1);
  cmdLoeschen = bau::knopf(this, u"cmd_Löschen"_s, u"Löschen"_s);
  raster->addWidget(cmdLoeschen, 3, 1);
  cmdLoeschenAlles = bau::knopf(this, u"cmd_LöschenAlles"_s, u"alles Löschen"_s);
  raster->addWidget(cmdLoeschenAlles, 4, 1);
  cmdExit = bau::knopf(this, u"cmd_Exit"_s, u"zurück"_s);
  raster->addWidget(cmdExit, 6, 1, Qt::AlignBottom);
  raster->setRowStretch(5, 1);
  raster->setColumnStretch(0, 1);

  // Return in the field adds, it never closes the window.
  for (auto* knopf : {cmdDazu, cmdSuchen, cmdLoeschen, cmdLoeschenAlles, cmdExit}) knopf->setAutoDefault(false);
  connect(txtZuSichern, &QLineEdit::returnPressed, this, &IgnorierForm::cmd_Dazu_Click);
  connect(cmdDazu, &QPushButton::clicked, this, &IgnorierForm::cmd_Dazu_Click);
  connect(cmdSuchen, &QPushButton::clicked, this, &IgnorierForm::cmd_Suchen_Click);
  connect(cmdLoeschen, &QPushButton::clicked, this, &IgnorierForm::cmd_Loeschen_Click);
  connect(txtSichernGesamt, &QListWidget::itemDoubleClicked, this, &IgnorierForm::cmd_Loeschen_Click);
  connect(cmdLoeschenAlles, &QPushButton::clicked, this, &IgnorierForm::cmd_LoeschenAlles_Click);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);
  Form_Activate();
}

void IgnorierForm::Form_Activate() {
  txtSichernGesamt->clear();
  txtSichernGesamt->addItems(liste_.eintraege());
}

void IgnorierForm::anwenden(const Folge& folge) {
  if (folge.neuLaden) Form_Activate();
  if (folge.eingabe) txtZuSichern->setText(*folge.eingabe);
}

void IgnorierForm::cmd_Dazu_Click() { anwenden(liste_.hinzufuegen(txtZuSichern->text())); }

void IgnorierForm::cmd_Suchen_Click() {
  if (bearbeiten::nochUebernehmen(dialoge_, txtZuSichern->text())) cmd_Dazu_Click();
  const QString datei = dateiWahl_(bearbeiten::dateiSuche());
  if (!datei.isEmpty()) txtZuSichern->setText(Ignorierliste::ausDateiDialog(datei));
}

void IgnorierForm::cmd_Loeschen_Click() {
  const QListWidgetItem* gewaehlt = txtSichernGesamt->currentItem();
  const bool markiert = gewaehlt != nullptr && gewaehlt->isSelected();
  anwenden(liste_.loeschen(markiert ? std::optional(gewaehlt->text()) : std::nullopt));
}

void IgnorierForm::cmd_LoeschenAlles_Click() { anwenden(liste_.alleLoeschen()); }

}  // namespace bewahrix
