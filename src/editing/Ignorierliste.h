#pragma once

#include "editing/Bearbeitung.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace bewahrix {

// The ignore list of one task (section "IgnorierListe_" + task number). Its
// changes leave the task's status and lamp alone.
class Ignorierliste {
 public:
  // i is the task index; the window and the texts show the number i + 1.
  Ignorierliste(const Bearbeitung& b, int i) : b_(b), i_(i) {}

  QString fensterTitel() const;  // "Ignorierliste für Aufgabe " + number
  QStringList eintraege() const;

  // "Hinzufügen": no check of the shape, a path is stored as typed.
  Folge hinzufuegen(const QString& text);
  // "Löschen" and a double-click; nullopt when no line is selected.
  Folge loeschen(const std::optional<QString>& auswahl);
  Folge alleLoeschen();

  // The file dialog hands back a full path; the list takes its name only.
  static QString ausDateiDialog(const QString& pfad);

 private:
  QString nummer() const;

  Bearbeitung b_;
  int i_;
};

}  // namespace bewahrix
