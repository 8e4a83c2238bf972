#pragma once

#include "editing/Bearbeitung.h"

#include <QString>

#include <optional>

namespace bewahrix {

// The target directory and the title of the tasks.
class ZielUndTitel {
 public:
  explicit ZielUndTitel(const Bearbeitung& b) : b_(b) {}

  // The saved target of task i ("Aktualisieren" puts it into the field).
  QString gespeichertesZiel(int i) const;
  // "Speichern": on success the field shows the returned text (with the
  // trailing separator) and the indicator turns green; nullopt when a check
  // refused the text and nothing was saved.
  std::optional<QString> zielSpeichern(int i, const QString& feld);

  // The title dialog: its caption, prompt and preset text.
  static QString titelDialogUeberschrift();  // "Überschrift"
  static QString titelDialogFrage();
  QString titel(int i) const;

  struct NeuerTitel {
    QString titel;     // for the task's tab
    QString ortLabel;  // for the overview page
  };
  // The dialog's answer; empty (also on cancel) changes nothing.
  std::optional<NeuerTitel> titelAendern(int i, const QString& antwort);

 private:
  Bearbeitung b_;
};

namespace bearbeiten {
// The indicator beside the target field: green while the field equals the
// saved target exactly (letter case counts), red otherwise.
bool zielGesichert(const QString& feld, const QString& gespeichert);
}  // namespace bearbeiten

}  // namespace bewahrix
