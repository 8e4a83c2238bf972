#include "lifecycle/Copyright.h"

#include "Anwendung.h"

#include "desktop/Symbol.h"
#include "lifecycle/Version.h"
#include "ui/Bau.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

constexpr int kLogoKante = 64;

// Two labels in one grid cell, the first offset as a shadow of the second.
void schattenPaar(QGridLayout* raster, int zeile, int spalte, std::array<QLabel*, 2>& paar,
                  const QString& name, QWidget* eltern, int punkte) {
  for (int i = 0; i < 2; ++i) {
    QLabel* label = bau::fett(eltern, bau::feld(name, i), punkte);
    label->setContentsMargins(i == 0 ? 2 : 0, i == 0 ? 2 : 0, i == 0 ? 0 : 2, i == 0 ? 0 : 2);
    if (i == 0) label->setStyleSheet(u"color: #b8c4d0;"_s);
    raster->addWidget(label, zeile, spalte);
    paar[static_cast<size_t>(i)] = label;
  }
}

}  // namespace

Copyright::Copyright(QWidget* parent) : QDialog(parent) {
  setObjectName(u"Copyright"_s);
  setWindowTitle(u"Copyright"_s);

  auto* logo = new QFrame(this);
  logo->setObjectName(u"Logo"_s);
  logo->setFrameShape(QFrame::Box);
  logo->setFrameShadow(QFrame::Sunken);
  imageLogo = new QLabel(logo);
  imageLogo->setObjectName(u"ImageLogo"_s);
  imageLogo->setFixedSize(kLogoKante, kLogoKante);
  imageLogo->setAlignment(Qt::AlignCenter);
  auto* logoRahmen = new QHBoxLayout(logo);
  logoRahmen->setContentsMargins(6, 6, 6, 6);
  logoRahmen->addWidget(imageLogo);

  auto* kopf = new QGridLayout;
  schattenPaar(kopf, 0, 0, txtTitel, u"txt_Titel"_s, this, 18);
  txtName = new QLabel(u"Bewahrix-Team"_s, this);
  txtName->setObjectName(u"txt_Name"_s);
  kopf->addWidget(txtName, 1, 0);
  roLabel = new QLabel(this);
  roLabel->setObjectName(u"roLabel"_s);
  kopf->addWidget(roLabel, 2, 0);
  kopf->setRowStretch(3, 1);

  auto* oben = new QHBoxLayout;
  oben->addWidget(logo, 0, Qt::AlignTop);
  oben->addSpacing(12);
  oben->addLayout(kopf, 1);

  auto* linie = new QFrame(this);
  linie->setObjectName(u"Line3D1"_s);
  linie->setFrameShape(QFrame::HLine);
  linie->setFrameShadow(QFrame::Sunken);

  // The addresses the build was given (placeholders unless a distributor set them).
  const std::array<QString, 2> beschriftung = {u"Internet"_s, u"Email"_s};
  const std::array<QString, 2> kontakt = {QString::fromUtf16(anwendung::kWebseite),
                                          QString::fromUtf16(anwendung::kKontakt)};
  auto* kontakte = new QGridLayout;
  for (size_t i = 0; i < 2; ++i) {
    const QString index = u'(' + QString::number(i) + u')';
    label1[i] = new QLabel(beschriftung[i], this);
    label1[i]->setObjectName(u"Label1"_s + index);
    roLabel1[i] = new QLabel(kontakt[i], this);
    roLabel1[i]->setObjectName(u"roLabel1"_s + index);
    roLabel1[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    kontakte->addWidget(label1[i], static_cast<int>(i), 0);
    kontakte->addWidget(roLabel1[i], static_cast<int>(i), 1);
  }
  kontakte->setHorizontalSpacing(16);
  kontakte->setColumnStretch(1, 1);

  cmdOK = new QPushButton(u"Okay"_s, this);
  cmdOK->setObjectName(u"cmdOK"_s);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
  auto* knopfZeile = new QHBoxLayout;
  knopfZeile->addStretch(1);
  knopfZeile->addWidget(cmdOK);

  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(oben);
  spalte->addWidget(linie);
  spalte->addLayout(kontakte);
  spalte->addLayout(knopfZeile);
  spalte->setContentsMargins(16, 16, 16, 12);
  spalte->setSpacing(10);
  spalte->setSizeConstraint(QLayout::SetFixedSize);

  auffrischen();
}

void Copyright::auffrischen() {
  QIcon symbol = parentWidget() ? parentWidget()->windowIcon() : QIcon();
  if (symbol.isNull()) symbol = programmSymbol();
  imageLogo->setPixmap(symbol.pixmap(kLogoKante, kLogoKante));
  roLabel->setText(versionstextUeber());
  for (QLabel* titel : txtTitel) titel->setText(u"Bewahrix"_s);
}

bool Copyright::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::WindowActivate) auffrischen();
  return QDialog::event(ereignis);
}

Copyright* zeigeUeber(QWidget* parent) {
  auto* fenster = new Copyright(parent);
  fenster->setAttribute(Qt::WA_DeleteOnClose);
  // Modal like a message box, but not above other programs' windows.
  fenster->setWindowModality(Qt::ApplicationModal);
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
  return fenster;
}

}  // namespace bewahrix
