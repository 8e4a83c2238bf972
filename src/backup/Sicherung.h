#pragma once

#include "backup/LaufZustand.h"
#include "platform/Ergebnis.h"

#include <QElapsedTimer>
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
struct Verzeichnisinhalt;

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
  // Click of cmd_AutoSave: 0 runs the marked tasks, 1 all tasks.
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
  Verzeichnisinhalt sucheDateien(int index, const QString& verzeichnis);
  void ordnerSammeln(QStringList& liste, const QString& pfad);

  // One file (DateiKopieren.cpp).
  void dateiKopieren(int index, const QString& quelle, const QString& ziel,
                     const QString& zielverzeichnis, EintragsArt art);
  bool wirdIgnoriert(int index, const QString& ziel);
  std::optional<Fehler> nachVerfahren(int modus, const QString& quelle, const QString& ziel,
                                      const QString& zielverzeichnis, EintragsArt art);
  void verzeichnisVorbereiten(int modus, const QString& zielverzeichnis, EintragsArt art);
  std::optional<Fehler> kopiere(const QString& quelle, const QString& ziel);

  // Target clearing (ZielLeeren.cpp).
  void zielLeeren(int index, const QStringList& quellen);

  // Task settings read from the store wherever a step needs them.
  QString zielverzeichnis(int index) const;
  QString zusatz(int index) const;  // the name prefix, or ""

  void log(const QString& text, int kategorie);
  void nachgeben(const QString& aktuell);

  Umgebung u_;
  LaufZustand zustand_;
  LaufZaehler zaehler_;
  qint64 anzahlGefunden_ = 0;
  bool laeuft_ = false;
  QElapsedTimer takt_;
};

}  // namespace bewahrix
