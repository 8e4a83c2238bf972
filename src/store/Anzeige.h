#pragma once

#include <QString>

// Texts the main window shows for stored task data.
namespace bewahrix::anzeige {

// "(1) Sicherungsaufgabe 1"; a title over 25 characters is cut to 22 + " ...".
QString ortText(int index, const QString& titel);
// "1 Auftrag", otherwise the number and " Aufträge".
QString anzahlText(qsizetype anzahl);

struct Verfahren {
  QString beschreibung;
  bool startAktiv = true;
};
// The copy-mode description; code 5 disables the start button, a code
// outside 0 to 5 gives no text and leaves it enabled.
Verfahren verfahren(int code);

}  // namespace bewahrix::anzeige
