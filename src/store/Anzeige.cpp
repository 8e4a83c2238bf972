#include "store/Anzeige.h"

#include "store/Datensaetze.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::anzeige {

QString ortText(int index, const QString& titel) {
  const QString kurz = titel.size() > 25 ? titel.left(22) + u" ..."_s : titel;
  return u'(' + QString::number(index + 1) + u") "_s + kurz;
}

QString anzahlText(qsizetype anzahl) {
  if (anzahl == 1) return u"1 Auftrag"_s;
  return QString::number(anzahl) + u" Aufträge"_s;
}

Verfahren verfahren(int code) {
  static const std::array<QString, 6> texte = {
      u"Kopieren, vorhandene Zieldateien werden überschreiben"_s,
      u"Es wird nur kopiert, wenn Datei als Ziel nicht vorhanden ist"_s,
      u"Aktualisieren, nur ältere Zieldateien überschreiben"_s,
      u"Nur kleinere Dateien überschreiben"_s,
      u"Nur größere Dateien werden überschreiben"_s,
      u"Wählen Sie zuerst das Verfahren aus"_s,
  };
  if (code < 0 || code > KeinVerfahren) return {};
  return {texte.at(code), code != KeinVerfahren};
}

}  // namespace bewahrix::anzeige
