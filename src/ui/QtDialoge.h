#pragma once

#include "platform/Dialoge.h"

#include <QPointer>
#include <QWidget>

namespace bewahrix {

// The real message boxes, modal over the given window.
class QtDialoge final : public Dialoge {
 public:
  explicit QtDialoge(QWidget* eltern);
  Antwort zeige(const Meldung& meldung) override;

 private:
  QPointer<QWidget> eltern_;
};

}  // namespace bewahrix
