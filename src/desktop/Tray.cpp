#include "desktop/Tray.h"

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

// A folder with a check mark (normal) or a cross (error), drawn here.
QIcon bild(bool fehler) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter maler(&pixmap);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(QPen(QColor(60, 60, 60), 1.5));
  maler.setBrush(QColor(235, 190, 90));
  maler.drawRoundedRect(QRectF(3, 8, 26, 19), 3, 3);
  maler.drawRect(QRectF(3, 5, 11, 5));
  maler.setPen(QPen(fehler ? QColor(200, 30, 30) : QColor(30, 140, 50), 3.5, Qt::SolidLine,
                    Qt::RoundCap, Qt::RoundJoin));
  if (fehler) {
    maler.drawLine(QPointF(11, 12), QPointF(21, 23));
    maler.drawLine(QPointF(21, 12), QPointF(11, 23));
  } else {
    maler.drawPolyline(QPolygonF({QPointF(9, 17), QPointF(14, 22), QPointF(23, 11)}));
  }
  return QIcon(pixmap);
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
