#pragma once

#include "logbook/LogbuchSuche.h"
#include "platform/Dialoge.h"
#include "platform/Ergebnis.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace bewahrix {

class Dateisystem;
class Entferner;
class Logbuch;
class LogbuchModell;
class SettingsStore;

// Shows a folder picker with this title, starting in aktuell; returns the
// chosen directory, empty when cancelled.
using OrdnerWahl = std::function<QString(const QString& titel, const QString& aktuell)>;

// The buttons of the logbook page: search, clear, relocate, show the place.
// The window supplies the input box and the folder picker; whatever the
// operations change in the file, anzeigen refreshes the view afterwards.
class LogbuchVerwaltung {
 public:
  struct Umfeld {
    SettingsStore& store;
    Logbuch& logbuch;
    const LogbuchModell& modell;
    Dialoge& dialoge;
    Dateisystem& dateisystem;
    Entferner& entferner;
    std::function<void()> anzeigen;  // LogbuchAnzeigen
  };
  explicit LogbuchVerwaltung(Umfeld umfeld);

  // cmd_LogbuchSuchen_Click: asks for the term, stores it, hands every
  // matching row to markieren (which selects exactly these), then reports
  // the count. Empty when the user entered nothing: nothing changes.
  std::optional<QList<int>> cmd_LogbuchSuchen_Click(
      const EingabeFunktion& eingabe, const std::function<void(const QList<int>&)>& markieren);
  // The input box of the search, with the last term unless the store says
  // otherwise.
  Eingabe suchEingabe() const;

  // cmd_LogbuchClear_Click: after the question, both files go and a new
  // one begins whose first entry says it was cleared.
  void cmd_LogbuchClear_Click();

  // cmd_LogPfad_Click: moves Logbuch.log and Logbuch.1.log into the chosen
  // directory. Should a copy, removal or rename fail, the files and the
  // setting stay as they were and a box says why.
  void cmd_LogPfad_Click(const OrdnerWahl& ordnerWahl);
  static QString ordnerWahlTitel(const QString& aktuell);

 private:
  // One file, through a hidden copy beside ziel; on failure quelle stays.
  std::optional<Fehler> verschiebe(const QString& quelle, const QString& ziel);

  Umfeld u_;
};

// cmd_OrtLocgbuch_Click: where the logbook lives.
Meldung ortMeldung(const SettingsStore& store);
// Logbuch_DblClick: one line in full.
Meldung zeilenMeldung(const QString& zeile);
// The warning when entries cannot be written to the file at pfad.
Meldung schreibfehlerMeldung(const QString& pfad, const QString& grund);

}  // namespace bewahrix
