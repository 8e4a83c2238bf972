#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace bewahrix {

// The pointer takes this shape for as long as the object lives.
class Zeiger {
 public:
  explicit Zeiger(Qt::CursorShape form) { QGuiApplication::setOverrideCursor(QCursor(form)); }
  ~Zeiger() { QGuiApplication::restoreOverrideCursor(); }
  Zeiger(const Zeiger&) = delete;
  Zeiger& operator=(const Zeiger&) = delete;
};

}  // namespace bewahrix
