#include "ui/Saver.h"

#include "ui/Bau.h"
#include "ui/HilfeZeile.h"
#include "ui/KlickLabel.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

// 7875 × 5940 twips at 15 twips per pixel: the least the window has.
constexpr int kMindestBreite = 525;
constexpr int kMindestHoehe = 396;

// The program's picture: two sheets, the copy in front, and a green arrow.
QPixmap logoBild() {
  constexpr int kGroesse = 28;
  QPixmap bild(kGroesse, kGroesse);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn on a grid of 36 units, scaled to the picture's size.
  p.scale(kGroesse / 36.0, kGroesse / 36.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x4e, 0x8c));
  p.drawRoundedRect(QRectF(1, 1, 34, 34), 6, 6);
  const QPen rand(QColor(0x12, 0x30, 0x58), 1.0);
  p.setPen(rand);
  p.setBrush(QColor(0xdd, 0xe6, 0xf2));
  p.drawRect(QRectF(6.5, 5.5, 14, 18));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(14.5, 12.5, 14, 18));
  QPainterPath pfeil;
  pfeil.moveTo(17, 19);
  pfeil.lineTo(22, 19);
  pfeil.lineTo(22, 15);
  pfeil.lineTo(27, 21.5);
  pfeil.lineTo(22, 28);
  pfeil.lineTo(22, 24);
  pfeil.lineTo(17, 24);
  pfeil.closeSubpath();
  p.setPen(QPen(QColor(0x1b, 0x6e, 0x2a), 1.0));
  p.setBrush(QColor(0x2e, 0xb0, 0x44));
  p.drawPath(pfeil);
  return bild;
}

// Unlike a plain scroll area a page wishes for the room its controls need,
// and at least for the room they cannot do without: the window's wish and
// its minimum show every page whole. It scrolls only on a screen smaller
// than that.
class Seite : public QScrollArea {
 public:
  QSize sizeHint() const override { return widget()->sizeHint() + rand(); }
  QSize minimumSizeHint() const override {
    // Wrapped texts are taller when narrow: the height at the least width.
    QSize inhalt = widget()->minimumSizeHint();
    if (widget()->hasHeightForWidth())
      inhalt.setHeight(std::max(inhalt.height(), widget()->heightForWidth(inhalt.width())));
    return inhalt + rand();
  }

 private:
  QSize rand() const { return {2 * frameWidth(), 2 * frameWidth()}; }
};

// Qt caps the wish of a scrolling tab row at 200 pixels: the window's wish
// would hide tabs behind the scroll arrows.
class Reiter : public QTabWidget {
 public:
  using QTabWidget::QTabWidget;
  QSize sizeHint() const override {
    return QTabWidget::sizeHint().expandedTo({tabBar()->sizeHint().width(), 0});
  }
};

QScrollArea* alsSeite(QWidget* inhalt) {
  auto* seite = new Seite;
  seite->setFrameShape(QFrame::NoFrame);
  seite->setWidgetResizable(true);
  seite->setWidget(inhalt);
  return seite;
}

}  // namespace

Saver::Saver(QWidget* parent) : QMainWindow(parent) {
  setObjectName(u"Saver"_s);
  setWindowTitle(u"Bewahrix"_s);

  baueMenues();

  auto* mitte = new QWidget(this);
  auto* spalte = new QVBoxLayout(mitte);
  bau::eng(spalte);
  spalte->addWidget(baueKopf());

  ssTab = bau::neu<Reiter>(mitte, u"SSTab"_s);
  // Nine captions are wider than the smallest window: scroll the tab row.
  ssTab->setUsesScrollButtons(true);
  ssTab->addTab(alsSeite(baueSeiteInhalt()), u"Inhalt"_s);
  for (int i = 0; i < kAufgaben; ++i)
    ssTab->addTab(alsSeite(baueSeiteAufgabe(i)), u"Aufgabe "_s + QString::number(i + 1));
  ssTab->addTab(alsSeite(baueSeiteVerfahren()), u"Verfahren"_s);
  ssTab->addTab(alsSeite(baueSeiteTimer()), u"Timer"_s);
  ssTab->addTab(alsSeite(baueSeiteLogbuch()), u"Logbuch"_s);
  spalte->addWidget(ssTab, 1);

  spalte->addWidget(baueFuss());
  setCentralWidget(mitte);

  baueZeitgeber();
  verbindeNavigation();
  // Every page's controls within reach without scrolling, and never below
  // 525 × 396, unless the screen is smaller.
  QSize mindestens = minimumSizeHint().expandedTo({kMindestBreite, kMindestHoehe});
  if (const QScreen* bildschirm = screen()) mindestens = mindestens.boundedTo(bildschirm->availableGeometry().size());
  setMinimumSize(mindestens);
}

QWidget* Saver::baueKopf() {
  auto* kopf = new QWidget;
  auto* zeilen = new QVBoxLayout(kopf);
  zeilen->setContentsMargins(2, 0, 2, 0);
  zeilen->setSpacing(0);
  auto* label5 = bau::neu<QLabel>(kopf, u"Label5"_s);
  label5->setText(u"Bewahrix der Automatische Dateikopierer"_s);
  QFont fett = label5->font();
  fett.setBold(true);
  label5->setFont(fett);
  zeilen->addWidget(label5);
  auto* regeln =
      bau::text(kopf, u"Die drei Grundregeln für jeden PC User lauten: sichern, sichern und sichern"_s);
  QFont schraeg = regeln->font();
  schraeg.setItalic(true);
  regeln->setFont(schraeg);
  zeilen->addWidget(regeln);
  return kopf;
}

QWidget* Saver::baueFuss() {
  auto* fuss = new QWidget;
  auto* zeile = new QHBoxLayout(fuss);
  zeile->setContentsMargins(0, 0, 0, 0);
  auto* bild = new KlickLabel(fuss);
  bild->setObjectName(u"Logo"_s);
  bild->setPixmap(logoBild());
  logo = bild;
  zeile->addWidget(logo);
  // The help line takes the width between the picture and the buttons.
  hilfe = bau::neu<HilfeZeile>(fuss, u"Hilfe"_s);
  zeile->addWidget(hilfe, 1);
  cmdMinimize = bau::knopf(fuss, u"cmd_Minimize"_s, u"Minimieren"_s);
  zeile->addWidget(cmdMinimize);
  cmdEnde = bau::knopf(fuss, u"cmd_Ende"_s, u"Ende"_s);
  zeile->addWidget(cmdEnde);
  return fuss;
}

QSize Saver::ersteGroesse() const {
  QSize groesse = sizeHint().expandedTo(minimumSize());
  if (const QScreen* bildschirm = screen()) groesse = groesse.boundedTo(bildschirm->availableGeometry().size());
  return groesse;
}

void Saver::baueZeitgeber() {
  const auto zeitgeber = [this](const QString& name, int ms) {
    auto* t = new QTimer(this);
    t->setObjectName(name);
    t->setInterval(ms);
    return t;
  };
  // Created stopped: the start sequence decides when each one runs.
  timerAutomatik = zeitgeber(u"TimerAutomatik"_s, 5000);
  timerUhr = zeitgeber(u"TimerUhr"_s, 1000);
  timerWarnung = zeitgeber(u"TimerWarnung"_s, 400);
}

void Saver::verbindeNavigation() {
  for (int k = 0; k < static_cast<int>(mappe.size()); ++k)
    connect(mappe.at(k), &QAction::triggered, ssTab, [this, k] {
      ssTab->setCurrentIndex(k);
      // A task chosen from the menu is ready for typing its next entry.
      if (k >= 1 && k <= kAufgaben) aufgabe.at(k - 1).txtZuSichern->setFocus();
    });
  for (int i = 0; i < kAufgaben; ++i) {
    auto* info = static_cast<KlickLabel*>(aufgabe.at(i).infoVerfahren);
    connect(info, &KlickLabel::geklickt, this, [this, i] {
      ssTab->setCurrentIndex(kSeiteVerfahren);
      ssTabOptionen->setCurrentIndex(i);
      emit infoVerfahrenGeklickt(i);
    });
  }
  connect(static_cast<KlickLabel*>(logo), &KlickLabel::geklickt, this, &Saver::logoGeklickt);
}

}  // namespace bewahrix
