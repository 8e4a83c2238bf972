#pragma once

#include "store/Schluessel.h"

#include <QMainWindow>

#include <QRadioButton>

#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimeEdit;
class QTimer;

namespace bewahrix {

class DateiAblage;
class DatumsFeld;
class HilfeZeile;
class Lampe;

// The controls of one task page ("Aufgabe 1" … "Aufgabe 5").
struct AufgabenSeite {
  QLabel* titelText = nullptr;             // TitelText(i)
  QLabel* infoVerfahren = nullptr;         // InfoVerfahren(i), clickable
  Lampe* pruefLampe = nullptr;             // PrüfLampe(i)
  QPushButton* cmdUeberschrift = nullptr;  // cmd_Überschrift(i)
  QPushButton* cmdKopieStart = nullptr;    // cmd_KopieStart(i)
  QListWidget* txtSichernGesamt = nullptr; // txt_SichernGesamt(i): the entries
  QListWidget* txtSichernDaten = nullptr;  // txt_SichernGesamt(i + 5): their dates, kept in step
  QLineEdit* txtZuSichern = nullptr;       // txt_zuSichern(i)
  DateiAblage* ablage = nullptr;           // files and folders dropped on txt_zuSichern(i)
  QPushButton* cmdDazu = nullptr;
  QPushButton* cmdSuchen = nullptr;
  QPushButton* cmdVerzeichnisSuchen = nullptr;
  QPushButton* cmdLoeschen = nullptr;      // cmd_Löschen(i)
  QPushButton* cmdLoeschenAlles = nullptr; // cmd_LöschenAlles(i)
  QPushButton* cmdIgnorier = nullptr;
  QPushButton* cmdInfo = nullptr;
  QLineEdit* txtSicherungsVerzeichnis = nullptr;
  QPushButton* cmdVerzeichnisSpeichern = nullptr;
  QPushButton* cmdPfadLesen = nullptr;
  Lampe* statusZiel = nullptr;             // StatusZiel(i)
};

// The main window: menu bar, the tab control SSTab with its nine pages and
// the controls outside it. Every control carries its name as objectName
// (control arrays as "name(index)"), so tests and the hover help find it.
// This class only composes and lays out; behaviour is connected elsewhere.
class Saver : public QMainWindow {
  Q_OBJECT

 public:
  explicit Saver(QWidget* parent = nullptr);

  static constexpr int kAufgaben = schluessel::kAnzahlAufgaben;
  // Pages of SSTab after the overview (0) and the task pages (1..5).
  static constexpr int kSeiteVerfahren = 6;
  static constexpr int kSeiteTimer = 7;
  static constexpr int kSeiteLogbuch = 8;
  // The size at a first start: every tab and every page whole, within the
  // screen.
  QSize ersteGroesse() const;

  // The checked button of an option group; nullopt when none is.
  template <std::size_t N>
  static std::optional<int> gewaehlt(const std::array<QRadioButton*, N>& gruppe);

  // Menu "Programm".
  QAction* mueNewVersion = nullptr;   // Mü_NewVersion
  QAction* zumWeb = nullptr;          // ZumWeb
  std::array<QAction*, 9> mappe{};    // Mappe(0..8)
  QAction* clickAlles = nullptr;      // click_alles
  QAction* mueEnde = nullptr;         // Mü_Ende
  // Menu "Logbuch".
  QMenu* menueAufzeichenLogbuch = nullptr;                               // MenüAufzeichenLogbuch
  std::array<QAction*, schluessel::kAnzahlKategorien> aufzeichenLogbuch{};  // checkable
  QAction* noAufzeichenLogbuch = nullptr;                                // checkable
  QMenu* menueLogbuchGrenze = nullptr;     // "Logbuch begrenzen auf"
  std::array<QAction*, schluessel::kAnzahlLogGrenzen> logbuchGrenze{};  // LogbuchGrenze(k), one checked
  // Menu "Hilfe".
  QAction* mueHelp = nullptr;                 // Mü_Help, checkable
  QAction* checkStartUpPosition = nullptr;    // checkable
  QAction* hotkeyAktion = nullptr;            // checkable
  QAction* msgBoxVersaeumt = nullptr;         // MsgBoxVersäumt, checkable
  QAction* msgBoxVersaeumtSuchen = nullptr;   // MsgBoxVersäumtSuchen
  QAction* mueCountReset = nullptr;           // Mü_CountReset
  QAction* nueReset = nullptr;                // Nü_Reset
  QAction* mueInfo = nullptr;                 // Mü_Info
  QAction* mueBegruessung = nullptr;          // Mü_Begruessung
  // Tray popup menu "Former" (never in the menu bar).
  QMenu* bewahrixFormer = nullptr;
  QAction* bewahrixAusfueren = nullptr;
  QAction* mueLogbuch = nullptr;              // Mü_Logbuch
  QAction* bewahrixHerstellen = nullptr;
  QAction* bewahrixEnd = nullptr;

  QTabWidget* ssTab = nullptr;                // SSTab, pages 0..8

  // Page 0 "Inhalt".
  std::array<QLabel*, kAufgaben> labelOrtInfo{};     // Label_OrtInfo(i)
  std::array<QLabel*, kAufgaben> inhaltAuftraege{};  // InhaltAufträge(i)

  // Pages 1..5.
  std::array<AufgabenSeite, kAufgaben> aufgabe{};

  // Page 6 "Verfahren".
  QTabWidget* ssTabOptionen = nullptr;                      // SSTabOptionen
  std::array<QRadioButton*, 6 * kAufgaben> optionSoll{};    // Option_SOLL(6 * i + m)
  std::array<QCheckBox*, kAufgaben> checkAllFileKill{};
  std::array<QCheckBox*, kAufgaben> checkAllFileKillUndo{}; // Check_AllFileKill_Undo(i)
  std::array<QPushButton*, kAufgaben> cmdZuTimer{};         // cmd_zuTimer(i)
  std::array<QRadioButton*, 2> optionVerzeichnisse{};
  QCheckBox* checkAuflisten = nullptr;
  QCheckBox* checkDragAndDrop = nullptr;

  // Page 7 "Timer".
  std::array<QCheckBox*, kAufgaben> checkSofort{};
  std::array<QPushButton*, 2> cmdAutoSave{};
  std::array<QLabel*, kAufgaben> infoTimer{};
  std::array<QRadioButton*, kAufgaben> optionTimerAufgabe{};
  std::array<QRadioButton*, 5> optionTime{};                // Option_Time(0..4)
  QTimeEdit* sollZeit = nullptr;
  DatumsFeld* sollDatum = nullptr;
  QLabel* txtVorgangInfo = nullptr;                         // Txt_VorgangInfo
  QPushButton* cmdVorgang = nullptr;
  QPushButton* cmdAktuell = nullptr;
  QPushButton* cmdSaveZeitplan = nullptr;
  Lampe* statusTimer = nullptr;
  QCheckBox* checkKopieZusatz = nullptr;
  std::array<QLabel*, 2> txtDate{};                         // TxtDate(0..1)
  QLabel* txtTime = nullptr;
  QTimer* timerAutomatik = nullptr;                         // 5000 ms, not started here
  QTimer* timerUhr = nullptr;                               // 1000 ms, not started here
  QTimer* timerWarnung = nullptr;                           // 400 ms, not started here

  // Page 8 "Logbuch".
  QListView* logbuch = nullptr;                             // Logbuch; the model is set by the owner
  QLabel* labelLogbuch = nullptr;                           // Label_Logbuch, "(xx)"
  Lampe* statusLogbuch = nullptr;
  QCheckBox* checkAeltereEintraege = nullptr;               // view, search and print: Logbuch.1.log
  QPushButton* cmdLogbuchSuchen = nullptr;
  QPushButton* cmdAktualisieren = nullptr;
  QPushButton* cmdLogbuchClear = nullptr;
  QPushButton* cmdLogbuchPrint = nullptr;
  QPushButton* cmdOrtLocgbuch = nullptr;
  QPushButton* cmdLogPfad = nullptr;

  // Outside the tabs.
  QPushButton* cmdEnde = nullptr;
  QPushButton* cmdMinimize = nullptr;
  QLabel* logo = nullptr;        // clickable picture of the program's own
  HilfeZeile* hilfe = nullptr;   // hover-help line

 signals:
  void logoGeklickt();
  void infoVerfahrenGeklickt(int index);

 private:
  // One builder per region of the window; each creates the controls above and
  // returns the page it filled.
  void baueMenues();
  QWidget* baueSeiteInhalt();
  QWidget* baueSeiteAufgabe(int i);
  QWidget* baueSeiteVerfahren();
  QWidget* baueSeiteTimer();
  QWidget* baueSeiteLogbuch();
  QWidget* baueKopf();
  QWidget* baueFuss();
  void baueZeitgeber();
  void verbindeNavigation();
};

template <std::size_t N>
std::optional<int> Saver::gewaehlt(const std::array<QRadioButton*, N>& gruppe) {
  for (std::size_t k = 0; k < N; ++k)
    if (gruppe.at(k)->isChecked()) return static_cast<int>(k);
  return std::nullopt;
}

}  // namespace bewahrix
