#pragma once

#include <QString>

// Every section and key name of the settings store, written once.
// i is the task index 0 to 4; only the ignore-list section carries i + 1.
namespace bewahrix::schluessel {

inline constexpr int kAnzahlAufgaben = 5;
inline constexpr int kAnzahlKategorien = 11;
inline constexpr int kAnzahlLogGrenzen = 4;  // the sizes the logbook may be limited to

QString anwendung();  // "RoroVareduze"

// Per-task sections and keys.
QString aufgabe(int i);        // section "Aufgabe" + i: one key per source entry
QString ignorierListe(int i);  // section "IgnorierListe_" + (i + 1)

QString abschnittTitel();      // "Titel"
QString titel(int i);          // "Titel" + i
QString abschnittSaveZiel();   // "SaveZiel"
QString ziel(int i);           // "Ziel " + i
QString abschnittOptionen();   // "Optionen"
QString vorgang(int i);        // "Vorgang" + i
QString allFileKill(int i);    // "Check_AllFileKill" + i
QString allFileKillUndo(int i);  // "Check_AllFileKill_Undo" + i
QString abschnittTimer();      // "Timer"
QString dayArt(int i);
QString sollDay(int i);
QString sollTime(int i);
QString zusatz(int i);
QString abschnittStatus();     // "StatusIn"
QString color(int i);
QString msgbox(int i);
// A key of this program's own: when task i's run began, kept until its
// end status is stored. Found at start, the run did not end.
QString laufBegonnen(int i);   // "LaufBegonnen" + i
// A section of this program's own: the mount (type and point) that held
// task i's target at its last run that wrote there; forgotten when the
// target is saved anew.
QString abschnittDatentraeger();  // "Datentraeger"
QString zielDatentraeger(int i);  // "Ziel" + i

// Global keys.
QString abschnittTool();       // "Tool"
QString startMinimiert();      // "Check_StartUpPosition"
QString hotkeyAktion();
QString logWriting(int n);     // "LogWriting " + n
QString count();
QString startDatum();
QString startTime();
QString endDatum();
QString endTime();
QString meLeft();
QString meTop();
QString understood();
QString search();
QString abschnittProgramm();   // "Bewahrix"
QString width();
QString height();
QString checkAuflisten();      // section Optionen
QString dragDrop();            // section Optionen
QString optionVerzeichnisse(); // section Optionen
QString msgBoxVersaeumt();     // section Optionen: "MsgBoxVersäumt"
// A key of this program's own, section Optionen: the menu item
// "Benachrichtigungen bei Fehlern" (Boolean text, default True).
QString benachrichtigungen();  // "Benachrichtigungen"
QString abschnittLogBuch();    // "LogBuch"
QString logBuchAus();          // key "LogBuch"
QString pfad();                // key "Pfad"
QString logGrenze();           // key "Grenze": the size budget in bytes, 0 = none
QString abschnittHilfe();      // "Hilfe"
QString help();

}  // namespace bewahrix::schluessel
