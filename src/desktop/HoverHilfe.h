#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace bewahrix {

class SettingsStore;

// What a control shows in the help line: its code and, for the codes that
// take one, the extra text as it is at that moment.
struct HilfeEintrag {
  // Nearly every control reacts to the mouse; one reacts to a key press only.
  enum class Ausloeser { Maus, Taste };

  int code = 0;
  std::function<QString()> extra;
  Ausloeser ausloeser = Ausloeser::Maus;
};

// Keyed by objectName, control arrays as "name(index)".
using HilfeTabelle = QHash<QString, HilfeEintrag>;

// Writes the help line for the control under the mouse pointer. The event
// goes to the innermost widget; the entry of the nearest named widget
// above it decides, so the parts of a list or a tab strip count as the
// control itself. A named control or a label without an entry keeps the
// line as it is, as does everything outside the window.
class HoverHilfe : public QObject {
  Q_OBJECT

 public:
  HoverHilfe(QWidget* fenster, QLabel* zeile, HilfeTabelle tabelle, QObject* parent = nullptr);

  // The help routine: the line shows one blank and the code's text. It is
  // written also while the line is hidden.
  void zeige(int code, const QString& extra = {});

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  const HilfeEintrag* eintragFuer(QWidget* widget) const;
  void ausloesen(QWidget* widget, HilfeEintrag::Ausloeser ausloeser);

  QWidget* fenster_;
  QLabel* zeile_;
  HilfeTabelle tabelle_;
};

// The click on the checkable "Hilfefunktion" item, which Qt has already
// toggled: an is its new state. Shows or hides the line and stores the state.
void hilfeSchalten(bool an, QLabel& zeile, SettingsStore& store);

}  // namespace bewahrix
