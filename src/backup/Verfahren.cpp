#include "backup/Verfahren.h"

#include "store/Datensaetze.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::verfahren {

namespace {
int gueltig(int modus) { return modus < 0 || modus > KeinVerfahren ? KeinVerfahren : modus; }
}  // namespace

QString beschriftung(int modus) {
  static const std::array<QString, 6> texte = {
      u"kopieren, evtl. vorhandene Dateien überschreiben"_s,
      u"wenn vorhanden, dann Datei nicht sichern"_s,
      u"aktualisieren, nur ältere Dateien überschreiben"_s,
      u"kopieren, kleinere Dateien überschreiben"_s,
      u"kopieren, größere Dateien überschreiben"_s,
      u"keinen Vorgang ausführen"_s,
  };
  return texte.at(gueltig(modus));
}

QString logZeile(int modus) {
  static const std::array<QString, 6> texte = {
      u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s,
      u"    => Vorgang: wenn Zieldatei vorhanden, dann nicht kopieren"_s,
      u"    => Vorgang: aktualisieren, nur ältere Zieldatei überschreiben"_s,
      u"    => Vorgang: kopieren, kleinere Zieldatei überschreiben"_s,
      u"    => Vorgang: kopieren, größere Zieldatei überschreiben"_s,
      u"    => Vorgang: kein Vorgang gewählt"_s,
  };
  return texte.at(gueltig(modus));
}

}  // namespace bewahrix::verfahren
