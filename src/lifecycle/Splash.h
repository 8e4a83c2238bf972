#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace bewahrix {

class SettingsStore;

// The splash window (frmSplash): the program's picture, the version and the
// number of the start. At program start it creates the main window behind
// itself 50 ms after it appears and shows it when it closes (after 1.5 s or
// on any key). Shown again from the menu it stays 5 s and leaves the main
// window alone. Controls carry their names as objectName.
class Splash : public QWidget {
  Q_OBJECT

 public:
  enum class Modus { Programmstart, Erneut };

  // startnummer: the text after "Programmstart " (see startnummer() below).
  // hauptfensterErzeugen runs once, from the load timer or, when the splash
  // closes first, right before hauptfensterZeigen. Mode Erneut runs neither
  // the creation nor the load timer: the main window exists.
  Splash(Modus modus, const QString& startnummer, std::function<void()> hauptfensterErzeugen,
         std::function<void()> hauptfensterZeigen, QWidget* parent = nullptr);

  Modus modus() const { return modus_; }

  QLabel* image1 = nullptr;                 // Image1: the drawn picture
  QFrame* frame1 = nullptr;                 // Frame1
  std::array<QLabel*, 2> laufInfo{};        // LaufInfo(0) shadow, (1) text
  QLabel* goInfo = nullptr;                 // Go_Info
  std::array<QLabel*, 2> lblVersion{};      // lblVersion(0) shadow, (1) text
  QTimer* timer = nullptr;                  // Timer: display time
  QTimer* timerLoad = nullptr;              // Timer_Load: 50 ms

 signals:
  void geschlossen();

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  enum class Erzeugung { Offen, Laeuft, Fertig };
  void erzeugeHauptfenster();

  Modus modus_;
  std::function<void()> erzeugen_;
  std::function<void()> zeigen_;
  Erzeugung erzeugung_ = Erzeugung::Offen;
  bool gestartet_ = false;
  bool geschlossen_ = false;
  // Closed while the main window was still being built (its start sequence
  // can wait in a message box): it is shown once the building returns.
  bool zeigenAusstehend_ = false;
  bool loeschenAusstehend_ = false;
};

// The number the splash shows, from "Tool"/"Count" (default 1): at program
// start the stored text as it is (the start that is beginning); shown again,
// that number minus one, since the counter already points at the next
// start. A stored text that is no number is shown unchanged.
QString startnummer(const SettingsStore& store, Splash::Modus modus);

// Program start: shows the splash and returns at once. The splash deletes
// itself once closed.
Splash* zeigeSplash(const QString& startnummer, std::function<void()> hauptfensterErzeugen,
                    std::function<void()> hauptfensterZeigen);

// Menu "Begrüßungsbildschirm": shows the splash modally over the main
// window for 5 s (or until a key) and returns at once; no second instance
// test, no second main window. Deletes itself once closed.
Splash* zeigeSplashErneut(QWidget* hauptfenster, const QString& startnummer);

}  // namespace bewahrix
