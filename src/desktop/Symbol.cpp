#include "desktop/Symbol.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

QImage symbolBild(int kante) {
  QImage bild(kante, kante, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::transparent);
  QSvgRenderer svg(u":/symbol.svg"_s);
  QPainter maler(&bild);
  svg.render(&maler);
  return bild;
}

QIcon programmSymbol() {
  QIcon symbol;
  for (const int kante : {16, 32, 48, 64, 128, 256}) symbol.addPixmap(QPixmap::fromImage(symbolBild(kante)));
  return symbol;
}

}  // namespace bewahrix
