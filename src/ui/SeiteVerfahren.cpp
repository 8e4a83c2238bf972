#include "backup/Verfahren.h"
#include "ui/Bau.h"
#include "ui/Saver.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {
constexpr int kModi = 6;
}  // namespace

QWidget* Saver::baueSeiteVerfahren() {
  // One column: the copy-mode captions and the drag-and-drop options are too
  // wide to stand side by side in the smallest window.
  auto* seite = new QWidget;
  auto* zeile = new QVBoxLayout(seite);
  bau::eng(zeile);

  ssTabOptionen = bau::neu<QTabWidget>(seite, u"SSTabOptionen"_s);
  ssTabOptionen->setUsesScrollButtons(true);
  // The captions as the program has always shown them, "Augabe 2" included.
  const std::array<QString, kAufgaben> reiter = {u"Aufgabe 1"_s, u"Augabe 2"_s, u"Aufgabe 3"_s,
                                                 u"Aufgabe 4"_s, u"Aufgabe 5"_s};
  for (int i = 0; i < kAufgaben; ++i) {
    auto* innen = new QWidget;
    auto* innenSpalte = new QVBoxLayout(innen);
    bau::eng(innenSpalte);
    auto* rahmen = bau::rahmen(innen, bau::feld(u"FrameEinstellung"_s, i), u"Kopiervorgang"_s);
    auto* spalte = new QVBoxLayout(rahmen);
    bau::eng(spalte);
    // One group per task: radio buttons of one parent would otherwise all
    // exclude each other, and each task has a mode of its own.
    auto* gruppe = new QButtonGroup(rahmen);
    for (int m = 0; m < kModi; ++m) {
      const int n = kModi * i + m;
      auto* knopf = bau::neu<QRadioButton>(rahmen, bau::feld(u"Option_SOLL"_s, n));
      knopf->setText(verfahren::beschriftung(m));
      gruppe->addButton(knopf, m);
      optionSoll.at(n) = knopf;
      spalte->addWidget(knopf);
    }
    checkAllFileKill.at(i) = bau::neu<QCheckBox>(rahmen, bau::feld(u"Check_AllFileKill"_s, i));
    checkAllFileKill.at(i)->setText(u"vor dem kopieren, Zielverzeichnis leeren"_s);
    spalte->addWidget(checkAllFileKill.at(i));
    checkAllFileKillUndo.at(i) = bau::neu<QCheckBox>(rahmen, bau::feld(u"Check_AllFileKill_Undo"_s, i));
    checkAllFileKillUndo.at(i)->setText(u"Dateien / Verzeichnisse in den Papierkorb legen"_s);
    spalte->addWidget(checkAllFileKillUndo.at(i));
    cmdZuTimer.at(i) = bau::knopf(rahmen, bau::feld(u"cmd_zuTimer"_s, i), u"zu den Timer"_s);
    spalte->addWidget(cmdZuTimer.at(i), 0, Qt::AlignLeft);
    innenSpalte->addWidget(rahmen);
    innenSpalte->addStretch(1);
    ssTabOptionen->addTab(innen, reiter.at(i));
  }
  zeile->addWidget(ssTabOptionen);

  // The options for all tasks below the tasks' own.
  auto* suche = new QGroupBox(u"Suche von Verzeichnissen"_s, seite);
  auto* sucheSpalte = new QVBoxLayout(suche);
  bau::eng(sucheSpalte);
  auto* verzeichnisse = new QButtonGroup(suche);
  const std::array<QString, 2> tiefe = {u"ohne Unterverzeichnisse (*.*)"_s,
                                        u"mit Unterverzeichnisse (*.***)"_s};
  for (int k = 0; k < 2; ++k) {
    optionVerzeichnisse.at(k) = bau::neu<QRadioButton>(suche, bau::feld(u"Option_Verzeichnisse"_s, k));
    optionVerzeichnisse.at(k)->setText(tiefe.at(k));
    verzeichnisse->addButton(optionVerzeichnisse.at(k), k);
    sucheSpalte->addWidget(optionVerzeichnisse.at(k));
  }
  zeile->addWidget(suche);

  // A group box title reads "&&" as one shown "&".
  auto* ziehen = bau::rahmen(seite, u"Frame1"_s, u"Drag && Drap"_s);
  auto* ziehenSpalte = new QVBoxLayout(ziehen);
  bau::eng(ziehenSpalte);
  checkAuflisten = bau::neu<QCheckBox>(ziehen, u"Check_Auflisten"_s);
  checkAuflisten->setText(u"Dateien aus Verzeichnis auflisten statt *.* bzw. *.***"_s);
  ziehenSpalte->addWidget(checkAuflisten);
  checkDragAndDrop = bau::neu<QCheckBox>(ziehen, u"Check_DragAndDrop"_s);
  checkDragAndDrop->setText(u"Automatisch hinzufügen (abspeichern)"_s);
  ziehenSpalte->addWidget(checkDragAndDrop);
  zeile->addWidget(ziehen);
  zeile->addStretch(1);
  return seite;
}

}  // namespace bewahrix
