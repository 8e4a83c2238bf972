#pragma once

#include <QString>

class QAction;
class QLabel;

namespace bewahrix {

class Dialoge;

// "Bewahrix bei der Anmeldung starten": an entry in the desktop's autostart
// folder. The entry itself is the state, nothing is stored, so an entry
// removed in the desktop's own settings shows as unchecked here.
namespace anmeldestart {

// $XDG_CONFIG_HOME/autostart/<application id>.desktop
QString datei();

}  // namespace anmeldestart

// Adds the checkable item to the menu of nachbar, right behind it. A click
// writes or removes the entry; the check mark always shows the entry as it
// is, and a failure is a warning box with the reason. The pointer over the
// item puts its help sentence into the help line.
QAction* anmeldestartEinbauen(QAction& nachbar, QLabel& hilfeZeile, Dialoge& dialoge);

}  // namespace bewahrix
