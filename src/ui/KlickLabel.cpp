#include "ui/KlickLabel.h"

#include <QMouseEvent>

namespace bewahrix {

KlickLabel::KlickLabel(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void KlickLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A press dragged off the label and released elsewhere is no click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    event->accept();
    emit geklickt();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace bewahrix
