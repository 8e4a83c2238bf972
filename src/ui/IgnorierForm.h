#pragma once

#include "editing/Bearbeitung.h"
#include "editing/Ignorierliste.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace bewahrix {

// The ignore list of one task in a modal window of its own. Every change is
// stored at once; closing has nothing to save.
class IgnorierForm : public QDialog {
  Q_OBJECT

 public:
  IgnorierForm(const Bearbeitung& b, int index, DateiWahl dateiWahl, QWidget* eltern = nullptr);

  QLineEdit* txtZuSichern = nullptr;
  QListWidget* txtSichernGesamt = nullptr;
  QPushButton* cmdDazu = nullptr;
  QPushButton* cmdSuchen = nullptr;
  QPushButton* cmdLoeschen = nullptr;       // cmd_Löschen
  QPushButton* cmdLoeschenAlles = nullptr;  // cmd_LöschenAlles
  QPushButton* cmdExit = nullptr;

  void cmd_Dazu_Click();
  void cmd_Suchen_Click();
  void cmd_Loeschen_Click();
  void cmd_LoeschenAlles_Click();

 private:
  void Form_Activate();
  void anwenden(const Folge& folge);

  Ignorierliste liste_;
  Dialoge& dialoge_;
  DateiWahl dateiWahl_;
};

}  // namespace bewahrix
