#pragma once

class QWidget;

namespace bewahrix::taskleiste {

// Marks the window as one without a task bar entry, for while the tray icon
// stands for the program. Call it while the window is about to be shown:
// the hint is read when the window is mapped. Does nothing off X11.
void ohneEintrag(QWidget& fenster);

}  // namespace bewahrix::taskleiste
