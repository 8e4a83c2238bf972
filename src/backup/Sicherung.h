#pragma once

#include "backup/LaufZustand.h"
#include "platform/Dateisystem.h"
#include "platform/Ergebnis.h"

#include <QElapsedTimer>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace bewahrix {

class Dateisystem;
class Dialoge;
class Entferner;
class LaufHost;
class LogSchalter;
class Logbuch;
class SettingsStore;
class Uhr;

// The kind of a source entry, told by its end.
enum class EintragsArt { Datei, Verzeichnis, Baum };

EintragsArt eintragsArt(const QString& eintrag);

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

  LaufZustand& zustand() { return zustand_; }
  const LaufZustand& zustand() const { return zustand_; }
  // Files the last directory search found.
  qint64 anzahlGefunden() const { return anzahlGefunden_; }
  bool laeuft() const { return laeuft_; }

 private:
  // Run frame (AufgabeKopieren.cpp).
  void laufInhalt(int index, const QStringList& quellen);
  void summenSchreiben(int index, const QStringList& quellen, bool manuell);
  void statusSetzen(int index, const QStringList& quellen);
  void fehlerAlsStatus(int index, const QString& beschreibung);

  // Entries and directory walk (EintragKopieren.cpp).
  void eintragKopieren(int index, const QString& eintrag);
  void verzeichnisKopieren(int index, const QString& eintrag);
  void baumKopieren(int index, const QString& eintrag);
  // A directory of a tree as the walk found it.
  struct Ordner {
    QString pfad;  // with trailing separator
    Verzeichnisinhalt inhalt;
  };
  Verzeichnisinhalt sucheDateien(int index, const QString& verzeichnis);
  Verzeichnisinhalt gefunden(int index, const QString& verzeichnis, Verzeichnisinhalt inhalt);
  void ordnerSammeln(QList<Ordner>& liste, const QString& pfad);

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
  std::optional<Fehler> nachVerfahren(int modus, Datei& datei);
  void verzeichnisVorbereiten(int modus, const QString& zielverzeichnis, EintragsArt art);
  std::optional<Fehler> kopiere(Datei& datei);

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
  void nachgeben(const QString& aktuell);

  Umgebung u_;
  LaufZustand zustand_;
  LaufZaehler zaehler_;
  qint64 anzahlGefunden_ = 0;
  bool laeuft_ = false;
  QElapsedTimer takt_;
  Einstellungen einstellungen_;
};

}  // namespace bewahrix
