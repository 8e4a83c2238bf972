#include "ui/Bau.h"
#include "ui/KlickLabel.h"
#include "ui/Saver.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

QWidget* Saver::baueSeiteInhalt() {
  auto* seite = new QWidget;
  auto* spalte = new QVBoxLayout(seite);
  bau::eng(spalte);
  auto* rahmen = bau::rahmen(seite, u"Frame(5)"_s, u"Übersicht Aufträge"_s);
  auto* raster = new QGridLayout(rahmen);
  bau::eng(raster);
  for (int i = 0; i < kAufgaben; ++i) {
    const QString nummer = QString::number(i + 1);
    auto* ort = new KlickLabel(rahmen);
    ort->setObjectName(bau::feld(u"Label_OrtInfo"_s, i));
    ort->setText(u"Aufgabe "_s + nummer + u" beinhaltet"_s);
    // A click on the task's line opens the task's page.
    connect(ort, &KlickLabel::geklickt, this, [this, i] { ssTab->setCurrentIndex(i + 1); });
    labelOrtInfo.at(i) = ort;
    inhaltAuftraege.at(i) = bau::neu<QLabel>(rahmen, bau::feld(u"InhaltAufträge"_s, i));
    inhaltAuftraege.at(i)->setText(u"xx Aufträge"_s);
    raster->addWidget(ort, i, 0);
    raster->addWidget(inhaltAuftraege.at(i), i, 1, Qt::AlignRight);
  }
  raster->setColumnStretch(0, 1);
  spalte->addWidget(rahmen);
  spalte->addStretch(1);
  return seite;
}

}  // namespace bewahrix
