#include "ui/DateiAblage.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace bewahrix {

namespace {

// The local paths a drag carries; empty when anything in it is not a local
// file.
QStringList lokalePfade(const QMimeData* daten) {
  if (daten == nullptr || !daten->hasUrls()) return {};
  QStringList pfade;
  for (const QUrl& url : daten->urls()) {
    if (!url.isLocalFile()) return {};
    pfade.append(url.toLocalFile());
  }
  return pfade;
}

}  // namespace

DateiAblage::DateiAblage(QWidget* ziel) : QObject(ziel) {
  ziel->setAcceptDrops(true);
  ziel->installEventFilter(this);
}

bool DateiAblage::eventFilter(QObject*, QEvent* ereignis) {
  switch (ereignis->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(ereignis);
      if (lokalePfade(drag->mimeData()).isEmpty()) {
        drag->ignore();
      } else {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(ereignis);
      const QStringList pfade = lokalePfade(drop->mimeData());
      if (pfade.isEmpty()) {
        drop->ignore();
        return true;
      }
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      // Message boxes during a drag would block the file manager's side.
      QMetaObject::invokeMethod(this, [this, pfade] { emit abgelegt(pfade); }, Qt::QueuedConnection);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace bewahrix
