#include "ui/HilfeZeile.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

HilfeZeile::HilfeZeile(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

HilfeZeile::Anzeige HilfeZeile::angezeigt() const {
  const int breite = contentsRect().width();
  QTextLayout satz(text(), font());
  satz.beginLayout();
  Anzeige anzeige;
  for (int n = 0; n < kZeilen; ++n) {
    QTextLine zeile = satz.createLine();
    if (!zeile.isValid()) break;
    zeile.setLineWidth(breite);
    if (n > 0) anzeige.zeilen += u'\n';
    if (n < kZeilen - 1) {
      anzeige.zeilen += text().mid(zeile.textStart(), zeile.textLength()).trimmed();
      continue;
    }
    // The last line takes the whole rest, shortened to fit.
    const QString rest = text().mid(zeile.textStart()).trimmed();
    const QString passend = fontMetrics().elidedText(rest, Qt::ElideRight, breite);
    anzeige.zeilen += passend;
    anzeige.gekuerzt = passend != rest;
  }
  satz.endLayout();
  return anzeige;
}

QSize HilfeZeile::sizeHint() const { return minimumSizeHint(); }

QSize HilfeZeile::minimumSizeHint() const {
  const QMargins rand = contentsMargins();
  return {1, kZeilen * fontMetrics().lineSpacing() + rand.top() + rand.bottom()};
}

bool HilfeZeile::event(QEvent* ereignis) {
  if (ereignis->type() != QEvent::ToolTip) return QLabel::event(ereignis);
  // Only a shortened text needs its tooltip.
  if (angezeigt().gekuerzt)
    QToolTip::showText(static_cast<QHelpEvent*>(ereignis)->globalPos(), text(), this);
  else
    QToolTip::hideText();
  return true;
}

void HilfeZeile::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.setPen(palette().color(foregroundRole()));
  maler.drawText(contentsRect(), static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter), angezeigt().zeilen);
}

}  // namespace bewahrix
