#pragma once

namespace bewahrix::sitzung {

// The window is a native Wayland client: the compositor keeps its position
// to itself, and a minimised window cannot be brought back by the program.
bool waylandFenster();

}  // namespace bewahrix::sitzung
