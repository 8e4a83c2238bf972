#include "ui/Lampe.h"

#include <QMouseEvent>
#include <QPainter>

namespace bewahrix {

namespace {
QColor farbe(Lampe::Zustand zustand) {
  switch (zustand) {
    case Lampe::Zustand::Gruen: return {0x2e, 0xb0, 0x44};
    case Lampe::Zustand::Gelb: return {0xf2, 0xc8, 0x12};
    case Lampe::Zustand::Rot: return {0xd8, 0x26, 0x2c};
    case Lampe::Zustand::Grau: break;
  }
  return {0x9c, 0x9c, 0x9c};
}
}  // namespace

Lampe::Lampe(QWidget* parent) : QWidget(parent) { setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); }

void Lampe::setzeZustand(Zustand zustand) {
  if (zustand == zustand_) return;
  zustand_ = zustand;
  update();
}

QSize Lampe::sizeHint() const { return {16, 16}; }

void Lampe::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // One pixel kept free all round so the outline is not cut off.
  const qreal d = qMax(2, qMin(width(), height()) - 2);
  const QRectF kreis((width() - d) / 2.0, (height() - d) / 2.0, d, d);
  const QColor f = farbe(zustand_);
  p.setPen(QPen(f.darker(260), 1.0));
  p.setBrush(f);
  p.drawEllipse(kreis);
  // The highlight sits upper left, so the middle keeps the plain colour.
  const QRectF glanz(kreis.left() + d * 0.22, kreis.top() + d * 0.16, d * 0.32, d * 0.24);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(glanz);
}

void Lampe::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    event->accept();
    emit geklickt();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace bewahrix
