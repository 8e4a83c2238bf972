#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace bewahrix {

// Lets files and folders from a file manager be dropped on a widget, and
// nothing else: no text, no web links. The drop is reported after the drag
// has ended, so the handler may ask questions.
class DateiAblage : public QObject {
  Q_OBJECT

 public:
  explicit DateiAblage(QWidget* ziel);

 signals:
  void abgelegt(const QStringList& pfade);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

}  // namespace bewahrix
