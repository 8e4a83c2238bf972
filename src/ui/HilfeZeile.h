#pragma once

#include <QLabel>

namespace bewahrix {

// The hover-help line at the window's foot: its text wraps onto a second
// line, and what does not fit into two ends in "…", the whole text then
// being its tooltip. It always keeps the height of two lines, so the
// window does not jump as the texts change.
class HilfeZeile : public QLabel {
 public:
  explicit HilfeZeile(QWidget* parent = nullptr);

  // What the line shows at its present width, lines separated by "\n",
  // and whether it had to shorten the text.
  struct Anzeige {
    QString zeilen;
    bool gekuerzt = false;
  };
  Anzeige angezeigt() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* ereignis) override;
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  static constexpr int kZeilen = 2;
};

}  // namespace bewahrix
