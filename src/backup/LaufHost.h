#pragma once

#include <QString>
#include <QStringList>

namespace bewahrix {

// What a run reads from the live controls of the window and what it shows
// there. The main window implements it; tests and benchmarks use a plain one.
class LaufHost {
 public:
  virtual ~LaufHost() = default;

  // The task's source list as shown (txt_SichernGesamt).
  virtual QStringList quellen(int index) const = 0;
  // The copy mode set among the task's option buttons: the first of 0 to 4
  // that is set, otherwise 5.
  virtual int gewaehlterModus(int index) const = 0;
  virtual bool zielLeerenAn(int index) const = 0;   // Check_AllFileKill
  virtual bool papierkorbAn(int index) const = 0;   // Check_AllFileKill_Undo
  virtual bool markiert(int index) const = 0;       // Check_sofort
  // The target field holds a directory that has not been saved yet.
  virtual bool zielUngesichert(int index) const = 0;

  // Timer off, busy pointer, caption "Bitte Warten, verarbeite Aufgabe " + n,
  // start buttons disabled.
  virtual void laufBeginnt(int index) = 0;
  // Everything laufBeginnt changed back; all start buttons enabled.
  virtual void laufEndet() = 0;
  virtual void zeigerBeschaeftigt(bool beschaeftigt) = 0;
  virtual void setzeLampe(int index, bool fehlerfrei) = 0;
  // A task's run ended with failures (not by a cancellation). Every kind of
  // failure comes here, once per run and after the lamp: the place to tell
  // a user who is not looking.
  struct Fehlschlag {
    int index = 0;
    QString grund;                   // the first failure, as logged
    bool datentraegerFehlt = false;  // the target's drive was not there
  };
  virtual void aufgabeFehlgeschlagen(const Fehlschlag&) {}
  virtual void logbuchAnzeigen() = 0;
  // How far the run is: files processed so far, the one it is on (as
  // shown) and how much of it is copied in percent, -1 when not copying.
  virtual void fortschritt(qint64 verarbeitet, const QString& datei, int prozent) = 0;
  // Lets the window repaint and take input.
  virtual void ereignisseVerarbeiten() = 0;
};

}  // namespace bewahrix
