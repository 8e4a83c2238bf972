#include "lifecycle/Splash.h"

#include "desktop/Symbol.h"
#include "lifecycle/Version.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"
#include "ui/Bau.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

constexpr int kBreite = 480;
constexpr int kHoehe = 300;
constexpr int kAnzeigeStart = 1500;
constexpr int kAnzeigeErneut = 5000;
constexpr int kLadeVerzoegerung = 50;

QPixmap zeichneBild() {
  QPixmap bild(kBreite, kHoehe);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient himmel(0, 0, 0, kHoehe);
  himmel.setColorAt(0, QColor(0x1b, 0x4f, 0x8c));
  himmel.setColorAt(1, QColor(0x0a, 0x1f, 0x3a));
  p.fillRect(bild.rect(), himmel);

  // Faint rings behind the symbol.
  p.setPen(QPen(QColor(255, 255, 255, 28), 2));
  for (int r = 40; r <= 200; r += 32) p.drawEllipse(QPoint(96, 96), r, r);

  p.drawPixmap(40, 40, programmSymbol().pixmap(112, 112));

  QFont titel(u"Sans Serif"_s, 34, QFont::Bold);
  p.setFont(titel);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(QRect(172, 52, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, u"Bewahrix"_s);
  p.setPen(Qt::white);
  p.drawText(QRect(170, 50, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, u"Bewahrix"_s);

  QFont zeile(u"Sans Serif"_s, 12);
  zeile.setItalic(true);
  p.setFont(zeile);
  p.setPen(QColor(0xc8, 0xdc, 0xf0));
  p.drawText(QRect(172, 108, 300, 28), Qt::AlignLeft | Qt::AlignVCenter,
             u"Ihre Dateien in Sicherheit"_s);
  return bild;
}

// A label and its shadow: element 0 dark and offset, element 1 on top.
void schattenPaar(std::array<QLabel*, 2>& paar, const QString& name, QWidget* eltern,
                  const QRect& platz, Qt::Alignment ausrichtung, int punkte) {
  for (int i = 0; i < 2; ++i) {
    QLabel* label = bau::fett(eltern, bau::feld(name, i), punkte);
    label->setAlignment(ausrichtung);
    label->setStyleSheet(i == 0 ? u"color: #000000;"_s : u"color: #ffffff;"_s);
    label->setGeometry(i == 0 ? platz.translated(1, 1) : platz);
    paar[static_cast<size_t>(i)] = label;
  }
}

}  // namespace

Splash::Splash(Modus modus, const QString& startnummer, std::function<void()> hauptfensterErzeugen,
               std::function<void()> hauptfensterZeigen, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      modus_(modus),
      erzeugen_(std::move(hauptfensterErzeugen)),
      zeigen_(std::move(hauptfensterZeigen)) {
  setObjectName(u"frmSplash"_s);
  setWindowTitle(u"Bewahrix"_s);
  setFixedSize(kBreite, kHoehe);
  setFocusPolicy(Qt::StrongFocus);
  if (modus_ == Modus::Erneut) erzeugung_ = Erzeugung::Fertig;

  image1 = new QLabel(this);
  image1->setObjectName(u"Image1"_s);
  image1->setGeometry(rect());
  image1->setPixmap(zeichneBild());

  frame1 = new QFrame(this);
  frame1->setObjectName(u"Frame1"_s);
  frame1->setFrameShape(QFrame::Box);
  frame1->setStyleSheet(u"QFrame#Frame1 { border: 1px solid rgba(255, 255, 255, 90); }"_s);
  frame1->setGeometry(16, 196, kBreite - 32, 88);

  const QString lauf = u"Programmstart "_s + startnummer;
  schattenPaar(laufInfo, u"LaufInfo"_s, frame1, QRect(12, 8, 200, 26),
               Qt::AlignLeft | Qt::AlignVCenter, 12);
  schattenPaar(lblVersion, u"lblVersion"_s, frame1, QRect(frame1->width() - 212, 8, 200, 26),
               Qt::AlignRight | Qt::AlignVCenter, 12);
  for (QLabel* label : laufInfo) label->setText(lauf);
  for (QLabel* label : lblVersion) label->setText(versionstext());

  goInfo = new QLabel(u"Bitte warten, Initialisiere..."_s, frame1);
  goInfo->setObjectName(u"Go_Info"_s);
  goInfo->setStyleSheet(u"color: #c8dcf0;"_s);
  goInfo->setAlignment(Qt::AlignCenter);
  goInfo->setGeometry(12, 48, frame1->width() - 24, 26);
  if (modus_ == Modus::Erneut) goInfo->hide();

  timer = new QTimer(this);
  timer->setObjectName(u"Timer"_s);
  timer->setSingleShot(true);
  timer->setInterval(modus_ == Modus::Erneut ? kAnzeigeErneut : kAnzeigeStart);
  connect(timer, &QTimer::timeout, this, &QWidget::close);

  timerLoad = new QTimer(this);
  timerLoad->setObjectName(u"Timer_Load"_s);
  timerLoad->setSingleShot(true);
  timerLoad->setInterval(kLadeVerzoegerung);
  connect(timerLoad, &QTimer::timeout, this, &Splash::erzeugeHauptfenster);
}

void Splash::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  if (gestartet_ || geschlossen_) return;
  gestartet_ = true;
  if (const QScreen* bildschirm = screen())
    move(bildschirm->availableGeometry().center() - rect().center());
  timer->start();
  if (erzeugung_ == Erzeugung::Offen) timerLoad->start();
  setFocus();
}

void Splash::keyPressEvent(QKeyEvent* ereignis) {
  ereignis->accept();
  close();
}

void Splash::erzeugeHauptfenster() {
  timerLoad->stop();
  if (erzeugung_ != Erzeugung::Offen) return;
  erzeugung_ = Erzeugung::Laeuft;
  if (erzeugen_) erzeugen_();
  erzeugung_ = Erzeugung::Fertig;
  if (zeigenAusstehend_) {
    zeigenAusstehend_ = false;
    if (zeigen_) zeigen_();
  }
  if (loeschenAusstehend_) deleteLater();
}

void Splash::closeEvent(QCloseEvent* ereignis) {
  QWidget::closeEvent(ereignis);
  if (geschlossen_) return;
  geschlossen_ = true;
  timer->stop();
  // A key within the first 50 ms: the main window is built here, before it
  // is shown.
  if (erzeugung_ == Erzeugung::Offen) erzeugeHauptfenster();
  if (erzeugung_ == Erzeugung::Laeuft) {
    zeigenAusstehend_ = true;
    // Not deleted while the building still runs inside our own timer slot.
    if (testAttribute(Qt::WA_DeleteOnClose)) {
      setAttribute(Qt::WA_DeleteOnClose, false);
      loeschenAusstehend_ = true;
    }
  } else if (zeigen_) {
    zeigen_();
  }
  emit geschlossen();
}

QString startnummer(const SettingsStore& store, Splash::Modus modus) {
  const QString gespeichert = store.read(schluessel::abschnittTool(), schluessel::count(), u"1"_s);
  if (modus == Splash::Modus::Programmstart) return gespeichert;
  const auto zahl = werte::alsZahl(gespeichert);
  return zahl ? QString::number(*zahl - 1, 'g', 15) : gespeichert;
}

Splash* zeigeSplash(const QString& startnummer, std::function<void()> hauptfensterErzeugen,
                    std::function<void()> hauptfensterZeigen) {
  auto* splash = new Splash(Splash::Modus::Programmstart, startnummer,
                            std::move(hauptfensterErzeugen), std::move(hauptfensterZeigen));
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  splash->activateWindow();
  return splash;
}

Splash* zeigeSplashErneut(QWidget* hauptfenster, const QString& startnummer) {
  auto* splash = new Splash(Splash::Modus::Erneut, startnummer, {}, {}, hauptfenster);
  splash->setAttribute(Qt::WA_DeleteOnClose);
  // The main window takes no input until the splash has gone.
  splash->setWindowModality(Qt::ApplicationModal);
  splash->show();
  splash->activateWindow();
  return splash;
}

}  // namespace bewahrix
