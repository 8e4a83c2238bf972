#include "lifecycle/Version.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

Programmversion programmversion() {
  return {BEWAHRIX_VERSION_HAUPT, BEWAHRIX_VERSION_NEBEN, BEWAHRIX_VERSION_REVISION};
}

QString versionstext(const Programmversion& version) {
  return u"Version "_s + QString::number(version.haupt) + u".0"_s + QString::number(version.neben) +
         u".0"_s + QString::number(version.revision);
}

QString versionstextUeber(const Programmversion& version) { return u' ' + versionstext(version); }

}  // namespace bewahrix
