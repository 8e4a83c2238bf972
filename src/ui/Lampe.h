#pragma once

#include "scheduler/Lampen.h"

#include <QWidget>

namespace bewahrix {

// A status lamp: a small picture of the program's own in one of four states.
// The state is kept as a value, so it is read back without comparing pictures.
class Lampe : public QWidget {
  Q_OBJECT

 public:
  // The states of a task lamp, the logbook lamp and the change lamps.
  using Zustand = lampen::Zustand;

  explicit Lampe(QWidget* parent = nullptr);

  Zustand zustand() const { return zustand_; }
  void setzeZustand(Zustand zustand);
  QSize sizeHint() const override;

 signals:
  void geklickt();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Zustand zustand_ = Zustand::Grau;
};

}  // namespace bewahrix
