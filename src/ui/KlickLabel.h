#pragma once

#include <QLabel>

namespace bewahrix {

// A label that reports a left click, for the texts and pictures of the main
// window that act like links (Logo, InfoVerfahren, Label_OrtInfo).
class KlickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit KlickLabel(QWidget* parent = nullptr);

 signals:
  void geklickt();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace bewahrix
