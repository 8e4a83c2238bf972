#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace bewahrix {

class Dialoge;
class Logbuch;
class SettingsStore;
class Uhr;

// What editing a task needs: every change goes to the store and the logbook,
// every refusal or question through the message-box seam.
struct Bearbeitung {
  SettingsStore& store;
  Logbuch& logbuch;
  Dialoge& dialoge;
  const Uhr& uhr;
};

// What the window must do after an operation. Empty fields mean: leave it.
struct Folge {
  // The store changed: rebuild the lists, refresh the logbook view and the
  // task's lamp.
  bool neuLaden = false;
  // New text of the input field.
  std::optional<QString> eingabe;
  // Enable (true) or disable (false) the task's start button.
  std::optional<bool> startKnopf;
  // Put the input focus back into the input field.
  bool fokusAufEingabe = false;

  // The effect of two operations one after the other.
  void danach(const Folge& spaeter);
};

// The file dialog as the program opens it; the answer is the chosen file's
// full path, empty when the user cancelled.
struct DateiSuche {
  QString titel;
  QString verzeichnis;
  QStringList filter;  // "Name (*.a *.b)", the first one preselected
};
using DateiWahl = std::function<QString(const DateiSuche&)>;

namespace bearbeiten {

// "Datei suchen" in the home directory, for source and ignore lists alike.
DateiSuche dateiSuche();

// The entries of a section in the order the store lists them.
QStringList eintraege(const SettingsStore& store, const QString& abschnitt);

// "Es steht noch eine Datei in der Liste, …": asked before a file dialog
// while the input field holds text.
bool nochUebernehmen(Dialoge& dialoge, const QString& eingabe);

// Sets status "3" of task i with "am <Datum> um <Zeit>" + ende.
void setzeGeaendert(const Bearbeitung& b, int i, const QString& ende);
void entferneStatus(SettingsStore& store, int i);

}  // namespace bearbeiten
}  // namespace bewahrix
