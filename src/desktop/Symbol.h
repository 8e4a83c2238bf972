#pragma once

#include <QIcon>
#include <QImage>

namespace bewahrix {

// The program's symbol, a shield over a folder, rendered from the same
// picture that is installed as the desktop's icon: what the window and the
// tray show cannot differ from the menu entry.
QImage symbolBild(int kante);

// The symbol in the sizes the window, the tray and the about window ask for.
QIcon programmSymbol();

}  // namespace bewahrix
