#include "desktop/Tray.h"

#include "desktop/Symbol.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

constexpr int kVersuche = 30;
constexpr int kAbstandMs = 1000;

// The program's symbol; the error look puts a red disc with a white cross
// over its lower right corner.
QIcon bild(bool fehler) {
  if (!fehler) return programmSymbol();
  QImage symbol = symbolBild(32);
  QPainter maler(&symbol);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(QPen(Qt::white, 1.5));
  maler.setBrush(QColor(200, 30, 30));
  maler.drawEllipse(QRectF(15, 15, 16, 16));
  maler.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
  maler.drawLine(QPointF(19.5, 19.5), QPointF(26.5, 26.5));
  maler.drawLine(QPointF(26.5, 19.5), QPointF(19.5, 26.5));
  return QIcon(QPixmap::fromImage(symbol));
}

}  // namespace

Tray::Tray(QObject* parent) : QObject(parent), icon_(new QSystemTrayIcon(this)) {
  icon_->setIcon(bild(false));
  icon_->setToolTip(u"Bewahrix"_s);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason grund) {
    if (grund == QSystemTrayIcon::Trigger) emit geklickt(true);
    if (grund == QSystemTrayIcon::Context) emit geklickt(false);
  });
}

void Tray::hinzufuegen() {
  gewuenscht_ = true;
  normal(u"Bewahrix"_s);
  versuche_ = 0;
  versuchen();
}

void Tray::versuchen() {
  if (!gewuenscht_ || icon_->isVisible()) return;
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    icon_->show();
    emit bereit();
    return;
  }
  if (++versuche_ < kVersuche) QTimer::singleShot(kAbstandMs, this, &Tray::versuchen);
}

void Tray::entfernen() {
  gewuenscht_ = false;
  icon_->hide();
}

void Tray::normal(const QString& tooltip) {
  fehler_ = false;
  icon_->setIcon(bild(false));
  icon_->setToolTip(tooltip);
}

void Tray::fehler() {
  fehler_ = true;
  icon_->setIcon(bild(true));
  icon_->setToolTip(u"Error! Bewahrix (rechte Maustaste)"_s);
}

bool Tray::sichtbar() const { return icon_->isVisible(); }

QString Tray::tooltip() const { return icon_->toolTip(); }

}  // namespace bewahrix
