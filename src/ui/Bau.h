#pragma once

#include <QString>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Small helpers for composing the main window, shared by its page files.
namespace bewahrix::bau {

// The objectName of element index of a control array: "cmd_Dazu(2)".
QString feld(const QString& name, int index);

template <class T>
T* neu(QWidget* eltern, const QString& name) {
  auto* w = new T(eltern);
  w->setObjectName(name);
  return w;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text);
// A label without a name of its own: captions and column headings.
QLabel* text(QWidget* eltern, const QString& text);
// A named label in bold type of this size: headings and picture captions.
QLabel* fett(QWidget* eltern, const QString& name, int punkte);
QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& titel);

// Margins and spacing kept tight: the window's minimum stays small.
void eng(QBoxLayout* layout);
void eng(QGridLayout* layout);

}  // namespace bewahrix::bau
