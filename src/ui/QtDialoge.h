#pragma once

#include "platform/Dialoge.h"

#include <QPointer>
#include <QWidget>

namespace bewahrix {

// The window a new dialog belongs to: the modal window open now (such as
// the ignore list), else fenster.
QWidget* dialogEltern(QWidget* fenster);

// The real message boxes, modal over the given window.
class QtDialoge final : public Dialoge {
 public:
  explicit QtDialoge(QWidget* eltern);
  Antwort zeige(const Meldung& meldung) override;

 private:
  QPointer<QWidget> eltern_;
};

}  // namespace bewahrix
