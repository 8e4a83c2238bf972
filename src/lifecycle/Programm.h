#pragma once

#include "backup/AufgabenOptionen.h"
#include "backup/LaufHost.h"
#include "backup/Sicherung.h"
#include "editing/Bearbeitung.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "logbook/LogbuchModell.h"
#include "logbook/LogbuchVerwaltung.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "scheduler/Automatik.h"
#include "scheduler/Verpasst.h"
#include "store/Schluessel.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QAction;

namespace bewahrix {

class Benachrichtigungen;
class Dialoge;
class Hinweise;
class Hotkeys;
class Ruhezustand;
class Saver;
class SettingsStore;
class Tray;
class Uhr;

// The running program: the main window with everything behind it, its start
// sequence, its stop sequence and the handlers that connect the controls to
// the run, the logbook and the store. The window is the live copy of the
// task data; the store the persisted one.
class Programm : public QObject, private LaufHost, private LogSchalter {
  Q_OBJECT

 public:
  Programm(SettingsStore& store, const Uhr& uhr, Dialoge& dialoge);
  ~Programm() override;

  // Window placement is stored in twips, 15 to a pixel at 96 dots per inch.
  static constexpr int kTwipsProPixel = 15;

  Saver& fenster() { return *fenster_; }
  Tray& tray() { return *tray_; }
  Logbuch& logbuch() { return logbuch_; }
  Sicherung& sicherung() { return sicherung_; }
  bool loadComplete() const { return loadComplete_; }
  // The registration of ALT+S; 0 while none holds.
  int hotkeyId() const { return hotkeyId_; }

  // Fills the window from the store, writes the start record, counts and
  // records the start.
  void startSequence();
  // Shows the window, minimised when the start sequence asked for it.
  void zeigen();
  // What ends the process without the stop sequence (full reset); tests
  // replace it.
  std::function<void()> sofortBeenden;
  // The input box, the folder pickers and the file dialog; tests replace them.
  EingabeFunktion eingabe;
  OrdnerWahl ordnerWahl;
  OrdnerWahl quellordnerWahl;
  DateiWahl dateiWahl;

  // Handlers with their own logic, public for the window's owner and tests.
  void LampenSeting(int index);
  void LogbuchAnzeigen();
  void LoadSourceLists();
  // Editing a task's source list; each takes the task index.
  void cmd_Dazu_Click(int index);
  void cmd_Suchen_Click(int index);
  void cmd_VerzeichnisSuchen_Click(int index);
  void txt_zuSichern_OLEDragDrop(int index, const QStringList& pfade);
  void cmd_Loeschen_Click(int index);
  void cmd_Ignorier_Click(int index);
  void VerfahrenAnzeigen(int index, int modus);
  void BewahrixHerstellen_Click();
  void ExitProgram();
  // The desktop session ends (logout, SIGTERM): an orderly stop, no question.
  void sitzungEnde();
  // cmd_Aktuell: the schedule panel of the selected task from the store.
  void RefreshSchedulePanel();
  // After an error-free automatic run: logbook lamp green, normal tray look
  // (unless entries cannot be written).
  void Gruen_TimerNotError();
  // The 5 s tick: runs the tasks whose schedule is due in a new minute.
  void TimerAutomatik_Timer();
  // Schedules that fell due while the program was not running.
  void VerpassteAuftraege(verpasst::Modus modus);
  // "Jetzt nachholen": runs these tasks as a batch, once no other handler
  // that runs tasks is busy.
  void nachholen(const QList<int>& aufgaben);
  void ShowScheduleDescriptions();
  // The schedule panel: the task it shows, the kind, the save, the jumps
  // between the panel and the copy-mode page.
  void OptionTimerAufgabe_Click(int index);
  void Option_Time_Click(int index);
  void cmd_SaveZeitplan_Click();
  void cmd_zuTimer_Click(int index);
  void cmd_Vorgang_Click();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  // LaufHost: what a run reads from the window and shows there.
  QStringList quellen(int index) const override;
  int gewaehlterModus(int index) const override;
  bool zielLeerenAn(int index) const override;
  bool papierkorbAn(int index) const override;
  bool markiert(int index) const override;
  bool zielUngesichert(int index) const override;
  void laufBeginnt(int index) override;
  void laufEndet() override;
  void zeigerBeschaeftigt(bool beschaeftigt) override;
  void setzeLampe(int index, bool fehlerfrei) override;
  void aufgabeFehlgeschlagen(const Fehlschlag& f) override;
  void logbuchAnzeigen() override { LogbuchAnzeigen(); }
  void fortschritt(qint64 verarbeitet, const QString& datei, int prozent) override;
  void ereignisseVerarbeiten() override;
  // LogSchalter: the logbook menu's check marks.
  bool aufzeichnungAus() const override;
  bool kategorieAn(int kategorie) const override;

  void verbinden();
  void verbindeAufgabe(int index);
  void verbindeMenues();
  void optionGeaendert(bool protokolliert);
  void NoAufzeichenLogbuch_Click(bool aus);
  void HotkeyAktion_Click(bool an);
  void hotkeyAnmelden();
  void hotkeyAbgewiesen(int id, bool vomBenutzer);
  void PruefLampe_Click(int index);
  void verbindeLogbuchSeite();
  void verbindeZeitplaene();
  void verbindeZeitplanfeld();
  void verbindeQuellen(int index);
  void verbindeZielUndTitel(int index);
  // StatusZiel(i): green while the field holds the saved target.
  void zielAnzeigen(int index);
  // Txt_VorgangInfo blinks while the panel's task has no copy mode.
  void warnungAnzeigen(int index);
  Bearbeitung bearbeitung();
  void folgeAnwenden(int index, const Folge& folge);
  void markiereZeilen(const QList<int>& zeilen);
  // Red lamp and the tray's error look while the last automatic run had
  // errors or entries cannot be written; green and normal otherwise.
  void logbuchLampeSetzen();
  void logbuchSchreibzustand(const std::optional<Logbuch::Schreibfehler>& fehler);
  void trayGeklickt(bool links);
  void ResetStartCounter();
  void ResetAll();
  // The stop sequence; false when the user keeps the program running.
  bool QueryStop();
  void FinishStop();
  void andereFensterSchliessen();
  // A stop asked for while a run works: the run is cancelled after the
  // user's yes (none is asked at a session end) and the stop follows.
  void stopWaehrendLauf();
  // Runs lauf as a handler that runs tasks; what nachDemLauf deferred
  // follows when the outermost one returns.
  void imLaufRahmen(const std::function<void()>& lauf);
  // Runs aktion now, or, while a run works, cancels the run and runs it
  // once the run has unwound.
  void nachDemLauf(std::function<void()> aktion);
  void automatikTakt();
  void verpasstMelden(const verpasst::Ergebnis& ergebnis);
  void verbindeDienste();
  // Says when the store cannot keep what the user changes.
  void speicherUeberwachen();
  int zeitplanAnzahl() const;
  bool normalerZustand() const;

  SettingsStore& store_;
  const Uhr& uhr_;
  Dialoge& dialoge_;
  Logbuch logbuch_;
  PosixDateisystem dateisystem_;
  SystemEntferner entferner_;
  std::unique_ptr<Saver> fenster_;
  Tray* tray_;
  Hotkeys* hotkeys_;
  Hinweise* hinweise_;
  Ruhezustand* ruhe_;
  QAction* benachrichtigungen_ = nullptr;  // "Benachrichtigungen bei Fehlern"
  int hotkeyId_ = 0;
  LogbuchModell modell_;
  Sicherung sicherung_;
  bool loadComplete_ = false;
  AufgabenOptionen optionen_;
  LogbuchVerwaltung logbuchSeite_;
  AutomatikTakt takt_;
  std::array<QString, schluessel::kAnzahlAufgaben>& statusText_;
  bool startMinimiert_ = false;
  bool sitzungEndet_ = false;
  bool stopBestaetigt_ = false;
  bool schreibfehlerGemeldet_ = false;
  bool laufFehler_ = false;
  bool logbuchSchreibtNicht_ = false;
  bool logbuchFehlerGemeldet_ = false;
  int laufRahmen_ = 0;
  std::function<void()> nachLauf_;
  // A confirmed full reset waits for the run to unwind; a stop asked for
  // meanwhile does not take its place.
  bool resetWartet_ = false;
  QList<int> nachzuholen_;
  // FehlerGesamt when the current task's run began.
  int fehlerVorLauf_ = 0;
  bool beendet_ = false;
  bool zeigerGesetzt_ = false;
  bool timerLief_ = false;
  bool taktLaeuft_ = false;
  // ZeitplanAufgabe: the task the panel shows and a save writes to.
  int zeitplanAufgabe_ = 0;
  QString titelVorLauf_;
};

}  // namespace bewahrix
