#include "ui/Bau.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::bau {

namespace {
constexpr int kRand = 4;
constexpr int kAbstand = 4;
}  // namespace

QString feld(const QString& name, int index) { return name + u'(' + QString::number(index) + u')'; }

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text) {
  auto* k = neu<QPushButton>(eltern, name);
  k->setText(text);
  return k;
}

QLabel* text(QWidget* eltern, const QString& text) { return new QLabel(text, eltern); }

QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& titel) {
  auto* r = new QGroupBox(titel, eltern);
  r->setObjectName(name);
  return r;
}

void eng(QBoxLayout* layout) {
  layout->setContentsMargins(kRand, kRand, kRand, kRand);
  layout->setSpacing(kAbstand);
}

void eng(QGridLayout* layout) {
  layout->setContentsMargins(kRand, kRand, kRand, kRand);
  layout->setHorizontalSpacing(kAbstand);
  layout->setVerticalSpacing(kAbstand);
}

QLabel* fett(QWidget* eltern, const QString& name, int punkte) {
  auto* label = neu<QLabel>(eltern, name);
  QFont schrift = label->font();
  schrift.setPointSize(punkte);
  schrift.setBold(true);
  label->setFont(schrift);
  return label;
}

}  // namespace bewahrix::bau
