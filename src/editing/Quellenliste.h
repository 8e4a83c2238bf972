#pragma once

#include "editing/Bearbeitung.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace bewahrix {

class Dateisystem;

// One item dropped onto a task's input field.
struct Abgelegt {
  QString pfad;
  bool verzeichnis = false;
};

// The source list of the tasks (sections "Aufgabe" + i). Every entry passes
// through hinzufuegen(), also those from a drop.
class Quellenliste {
 public:
  explicit Quellenliste(const Bearbeitung& b) : b_(b) {}

  QStringList eintraege(int i) const;

  // "Hinzufügen": adds text to task i unless a check refuses it.
  Folge hinzufuegen(int i, const QString& text);
  // "Löschen" and a double-click: asks, then removes entry.
  Folge loeschen(int i, const QString& eintrag);
  // "alles Löschen": asks, then removes the whole list.
  Folge alleLoeschen(int i);

  // Items dropped on the input field of task i, holding eingabe, in order.
  // Reads the drag-and-drop options from the store.
  Folge ablegen(int i, const QString& eingabe, const QList<Abgelegt>& elemente, Dateisystem& fs);
  // Adds every visible file directly in verzeichnis as an entry of its own.
  Folge dateienAufnehmen(int i, const QString& verzeichnis, Dateisystem& fs);

  // The text a picked or dropped directory puts into the input field: the
  // files only ("/*.*") or the whole tree ("/*.***").
  static QString verzeichnisEintrag(const QString& verzeichnis, bool mitUnterverzeichnissen);
  // Option "mit Unterverzeichnisse (*.***)" as stored (default on).
  bool mitUnterverzeichnissen() const;

  // "Info": the syntax help as a message box.
  void zeigeInfo();
  static QString infoText();

 private:
  Bearbeitung b_;
};

}  // namespace bewahrix
