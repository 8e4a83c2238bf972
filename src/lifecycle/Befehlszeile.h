#pragma once

#include <optional>

namespace bewahrix {

// Reads the command line before anything else happens: "--help" and
// "--version" print their text (exit code 0), an unknown option or an
// argument prints an error and the usage (exit code 2). Nothing is opened
// or created for that. nullopt: start the program. Qt's own options
// ("-platform", "-style", ...) are left to Qt.
std::optional<int> befehlszeile(int argc, char* argv[]);

}  // namespace bewahrix
