#pragma once

#include "desktop/HoverHilfe.h"

namespace bewahrix {

class Saver;

// Every control of the main window that has help, with its code and extra
// text; the window's background, its frames and tab strips clear the line.
// The extra texts read the window when the pointer arrives.
HilfeTabelle saverHilfe(const Saver& saver);

}  // namespace bewahrix
