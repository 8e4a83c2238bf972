#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace bewahrix {

// The about window ("Copyright"): title, version, maker and contact lines.
// Every control carries its name as objectName ("name(index)" for arrays).
class Copyright : public QDialog {
  Q_OBJECT

 public:
  // parent is the main window: its icon is the logo.
  explicit Copyright(QWidget* parent = nullptr);

  QLabel* imageLogo = nullptr;             // ImageLogo
  std::array<QLabel*, 2> txtTitel{};       // txt_Titel(0) shadow, (1) text
  QLabel* txtName = nullptr;               // txt_Name
  QLabel* roLabel = nullptr;               // roLabel: version
  std::array<QLabel*, 2> label1{};         // Label1(0) "Internet", (1) "Email"
  std::array<QLabel*, 2> roLabel1{};       // roLabel1(0) web, (1) mail
  QPushButton* cmdOK = nullptr;            // cmdOK "Okay"

 protected:
  bool event(QEvent* ereignis) override;

 private:
  // Logo, version and title: at creation and again on every activation, so
  // a changed main-window icon shows up.
  void auffrischen();
};

// "Copyright" menu item and the main window's logo: shows the about window
// modally and returns at once; the window deletes itself when closed.
Copyright* zeigeUeber(QWidget* parent);

}  // namespace bewahrix
