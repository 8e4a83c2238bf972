#pragma once

#include <QString>

namespace bewahrix {

struct Programmversion {
  int haupt = 0;
  int neben = 0;
  int revision = 0;
};

// The version of this build; it comes from the CMake project version, the
// only place where it is written.
Programmversion programmversion();

// "Version 3.02.02". The ".0" goes in front of minor and revision whatever
// their number of digits, so 3.12.2 reads "Version 3.012.02".
QString versionstext(const Programmversion& version = programmversion());
// The about window's text carries a leading blank.
QString versionstextUeber(const Programmversion& version = programmversion());

}  // namespace bewahrix
