#pragma once

#include "backup/LaufHost.h"
#include "backup/LaufZustand.h"
#include "platform/Dateisystem.h"
#include "platform/Einhaengung.h"
#include "platform/Ergebnis.h"

#include <QElapsedTimer>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace bewahrix {

class Dateisystem;
class Dialoge;
class Entferner;
class LogSchalter;
class Logbuch;
class SettingsStore;
class Uhr;

// The kind of a source entry, told by its end.
enum class EintragsArt { Datei, Verzeichnis, Baum };

EintragsArt eintragsArt(const QString& eintrag);
// The directory an entry reads from, with a trailing separator.
QString quellverzeichnis(const QString& eintrag);

// Tasks whose run began and never stored its end (a crash, a power loss):
// each turns red with the time it began. Returns one logbook line for each.
QStringList unbeendeteLaeufe(SettingsStore& store);

// The backup run: one task from start to end (aufgabeKopieren), and the
// batch run of marked or all tasks. All three ways of starting a run (start
// button, batch, timer) come through here.
class Sicherung {
 public:
  struct Umgebung {
    SettingsStore& store;
    Logbuch& logbuch;
    const LogSchalter& schalter;
    LaufHost& host;
    Dialoge& dialoge;
    Dateisystem& dateisystem;
    Entferner& entferner;
    const Uhr& uhr;
  };

  explicit Sicherung(Umgebung umgebung);

  // AufgabeKopieren: runs task index (0 to 4).
  void aufgabeKopieren(int index);
  // Click of cmd_AutoSave: 0 runs the marked tasks, any other number all.
  void cmd_AutoSave_Click(int knopf);
  // These tasks as a batch, without the question: the user chose "Jetzt
  // nachholen" for missed schedules.
  void nachholen(const QList<int>& aufgaben);

  // Cancels the run that is yielding: it leaves the current file as it was,
  // records the cancellation, skips the rest of the task and of the batch
  // and unwinds. No task starts until abbruchAufheben().
  void abbrechen() { abbruch_ = true; }
  // Called once the cancelled run has unwound completely.
  void abbruchAufheben() { abbruch_ = false; }
  bool abgebrochen() const { return abbruch_; }
  // The task being run (0 to 4), -1 while none is.
  int aktuelleAufgabe() const { return laeuft_ ? aufgabe_ : -1; }

  LaufZustand& zustand() { return zustand_; }
  const LaufZustand& zustand() const { return zustand_; }
  // Files the last directory search found.
  qint64 anzahlGefunden() const { return anzahlGefunden_; }
  bool laeuft() const { return laeuft_; }

 private:
  // Run frame (AufgabeKopieren.cpp).
  void sammelLauf(const QString& anfang, const std::function<bool(int)>& gewaehlt);
  void laufInhalt(int index, const QStringList& quellen);
  void summenSchreiben(int index, const QStringList& quellen, bool manuell);
  void statusSetzen(int index, const QStringList& quellen);
  void zielAufPlatte(int index);
  // Every failure of a task goes through here: counted in fehlerGesamt and
  // kept as the task's status text; the first one is what the host hears.
  void fehlschlag(int index, const QString& beschreibung);
  // The same with its "    => Error, " line.
  void fehlerAlsStatus(int index, const QString& beschreibung);

  // The drive the target lies on (ZielDatentraeger.cpp).
  // Once per task before anything is written or cleared: true when the
  // target is not on the drive it was on, or looks like an absent drive.
  bool zielVerweigert(int index);
  // Before each directory the run writes into: the target is still on the
  // device it was on when the task began.
  bool zielNochDa(int index);
  // Creates verzeichnis (with missing levels) while the target is still
  // there; true when it was created now.
  bool imZielAnlegen(int index, const QString& verzeichnis);
  void datentraegerFehlt(int index, const QString& grund);
  // A file not copied because the target's drive went.
  void nichtGesichert();
  void datentraegerMerken(int index);

  // Entries and directory walk (EintragKopieren.cpp).
  void eintragKopieren(int index, const QString& eintrag);
  // Refuses an entry whose files would be copied onto themselves.
  bool aufSichSelbst(int index, const QString& eintrag);
  void verzeichnisKopieren(int index, const QString& eintrag);
  void baumKopieren(int index, const QString& eintrag);
  // A directory of a tree as the walk found it.
  struct Ordner {
    QString pfad;  // with trailing separator
    Verzeichnisinhalt inhalt;
  };
  Verzeichnisinhalt sucheDateien(int index, const QString& verzeichnis);
  Verzeichnisinhalt gefunden(int index, const QString& verzeichnis, Verzeichnisinhalt inhalt);
  // Leaves out the task's target, noting where it was found.
  void ordnerSammeln(QList<Ordner>& liste, const QString& pfad, QString& zielGefunden);

  // One file (DateiKopieren.cpp): its paths and what the file system said of both ends.
  struct Datei {
    QString quelle;
    QString ziel;
    QString zielverzeichnis;
    EintragsArt art;
    Ergebnis<Dateistatus> q;
    Ergebnis<Dateistatus> z;
  };
  void dateiKopieren(int index, const QString& quelle, const QString& ziel,
                     const QString& zielverzeichnis, EintragsArt art);
  bool wirdIgnoriert(int index, const QString& ziel);
  std::optional<Fehler> nachVerfahren(int index, int modus, Datei& datei);
  void verzeichnisVorbereiten(int index, int modus, const QString& zielverzeichnis, EintragsArt art);
  std::optional<Fehler> kopiere(Datei& datei);
  void resteEntfernen(const QString& zielverzeichnis);

  // Target clearing (ZielLeeren.cpp).
  void zielLeeren(int index, const QStringList& quellen);

  // The task's settings from the store: target, name prefix ("" when off)
  // and ignored names (case-folded). Read again whenever the store changed,
  // so a change made while the run yields counts from the next file on.
  struct Einstellungen {
    quint64 stand = 0;
    int index = -1;
    QString ziel;
    QString zusatz;
    QSet<QString> ignoriert;
  };
  const Einstellungen& einstellungen(int index);
  QString zielverzeichnis(int index) { return einstellungen(index).ziel; }
  QString zusatz(int index) { return einstellungen(index).zusatz; }

  void log(const QString& text, int kategorie);
  // Lets the window work, at most every few milliseconds; prozent is the
  // share of the current file copied, -1 between files.
  void nachgeben(const QString& aktuell, int prozent = -1);

  Umgebung u_;
  LaufZustand zustand_;
  LaufZaehler zaehler_;
  qint64 anzahlGefunden_ = 0;
  bool laeuft_ = false;
  bool abbruch_ = false;
  int aufgabe_ = -1;
  // Something was written into the task's target: it is flushed at the end.
  bool geschrieben_ = false;
  // Target directories already searched for leftovers in this run.
  QSet<QString> aufgeraeumt_;
  // What the run knows of the task's target.
  struct Ziel {
    std::optional<Einhaengung> einhaengung;  // the mount that held it when the task began
    std::optional<Dateikennung> kennung;     // the directory, once it exists
    bool verloren = false;                   // its drive went during the run
  };
  Ziel ziel_;
  LaufHost::Fehlschlag fehlschlag_;
  QElapsedTimer takt_;
  Einstellungen einstellungen_;
};

}  // namespace bewahrix
