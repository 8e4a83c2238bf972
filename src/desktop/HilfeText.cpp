#include "desktop/HilfeText.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::hilfe {

QString text(int code, const QString& extra) {
  switch (code) {
    case 0: return {};
    case 1: return u"Hilfefenster"_s;
    case 2: return u"alle Dateien / Verzeichnisse im Ziel vor dem kopieren löschen"_s;
    case 3: return u"Logbuch"_s;
    // Two blanks before "der", as the program has always shown it.
    case 4: return u"Programm startet minimiert (Icon in  der rechten Taskleiste)"_s;
    case 5: return extra;
    case 6: return u"Uhrzeit"_s;
    case 7: return u"führt bei den Aufgaben den Kopiervorgang durch"_s;
    case 8: return u"Zielverzeichnis speichern"_s;
    case 9: return u"Liste mit Dateinamen, die nicht kopiert werden sollen"_s;
    case 10: return u"alle Dateien in der Aufgabe "_s + extra + u" jetzt verarbeiten"_s;
    case 11: return u"alle Aufträge in der Aufgabe "_s + extra + u" löschen"_s;
    case 12: return u"löscht den markierten Eintrag aus Aufgabe "_s + extra + u" aus der Liste"_s;
    case 13: return u"nach einer neuen Datei suchen, die hinzugefügt werden soll"_s;
    case 14: return u"fügt den Eintrag "_s + extra + u" in die Liste"_s;
    case 15: return u"genaue Dateiangabe der zu speichernen Datei oder Drag & Drop"_s;
    case 16: return u"Liste aller zu kopierenden Dateien und Verzeichnisse"_s;
    case 17: return u"akuelles Zielverzeichnis zeigen"_s;
    case 18: return u"Zielverzeichnis der zu kopierenden Verzeichnisse und Dateien"_s;
    case 19: return extra;
    case 20: return u"Grün = keine Fehler, Rot = letzter automatischer Kopiervorgang Fehlerhaft"_s;
    case 21: return u"legen Sie hier den Kopiervorgang für die Aufgabe "_s + extra + u" fest"_s;
    case 22: return u"gesetzter automatischer Zeitplan"_s + extra;
    case 23: return u"Datum für den automatischen Zeitplan festlegen"_s;
    case 24: return u"Uhrzeit für den automatischen Zeitplan festlegen"_s;
    case 25: return u"Rhythmus festlegen"_s;
    case 26: return u"Auswählen der Aufgabe für das Ändern des Zeitplanes"_s;
    case 27: return u"gespeicherte Einstellungen neu lesen"_s;
    case 28: return u"Zeitplan speichern"_s;
    case 29: return u"an jede zu kopierene Datei \"Sicherheitskopie von\" davor schreiben"_s;
    case 30: return u"Änderungsstatus, Grün = Okay, Rot = noch nicht gesichern"_s;
    case 31: return u"markierte werden mit dem Button unten ausgeführt"_s;
    case 32: return u"gibt den Datum wieder, wann der jeweilige Eintrag erfolgte"_s;
    case 33: return extra;
    case 34: return u"zu den Zeitplänen der Aufgaben gehen"_s;
    case 35: return u"gewähltes Verfahren"_s;
    case 36: return u"Eingefügte Dateien per Drag & Drop sofort abspeichern"_s;
    case 37: return u"Dateien aus Verzeichnissen einzeln auflisten"_s;
    case 38: return u"Überschrift von Aufgabe "_s + extra + u" ändern"_s;
    case 39: return u"Bewahrix im Hintergrund arbeiten lassen (minimieren)"_s;
    case 40: return u"Bewahrix beenden"_s;
    case 41: return u"Dateien und Verzeichnisse in den Papierkorp legen statt löschen"_s;
    case 42: return u"Richtlinien bei der Eingabe"_s;
    case 43: return u"nach neuem Verzeichnis suchen, das hinzugefügt werden soll"_s;
    case 44: return u"Anhang bei der Suche von Verzeichnissen"_s;
    case 45: return u"Verfahrensweise festlegen"_s;
    default: break;
  }
  return u"kein Hilfetext vorhanden"_s;
}

QString zeile(int code, const QString& extra) { return u' ' + text(code, extra); }

}  // namespace bewahrix::hilfe
