#include "store/Schluessel.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::schluessel {

namespace {
QString mitZahl(const QString& wort, int zahl) { return wort + QString::number(zahl); }
}  // namespace

QString anwendung() { return u"RoroVareduze"_s; }

QString aufgabe(int i) { return mitZahl(u"Aufgabe"_s, i); }
QString ignorierListe(int i) { return mitZahl(u"IgnorierListe_"_s, i + 1); }

QString abschnittTitel() { return u"Titel"_s; }
QString titel(int i) { return mitZahl(u"Titel"_s, i); }
QString abschnittSaveZiel() { return u"SaveZiel"_s; }
QString ziel(int i) { return mitZahl(u"Ziel "_s, i); }
QString abschnittOptionen() { return u"Optionen"_s; }
QString vorgang(int i) { return mitZahl(u"Vorgang"_s, i); }
QString allFileKill(int i) { return mitZahl(u"Check_AllFileKill"_s, i); }
QString allFileKillUndo(int i) { return mitZahl(u"Check_AllFileKill_Undo"_s, i); }
QString abschnittTimer() { return u"Timer"_s; }
QString dayArt(int i) { return mitZahl(u"DayArt"_s, i); }
QString sollDay(int i) { return mitZahl(u"SollDay"_s, i); }
QString sollTime(int i) { return mitZahl(u"SollTime"_s, i); }
QString zusatz(int i) { return mitZahl(u"Zusatz"_s, i); }
QString abschnittStatus() { return u"StatusIn"_s; }
QString color(int i) { return mitZahl(u"Color"_s, i); }
QString msgbox(int i) { return mitZahl(u"Msgbox"_s, i); }
QString laufBegonnen(int i) { return mitZahl(u"LaufBegonnen"_s, i); }
QString abschnittDatentraeger() { return u"Datentraeger"_s; }
QString zielDatentraeger(int i) { return mitZahl(u"Ziel"_s, i); }

QString abschnittTool() { return u"Tool"_s; }
QString startMinimiert() { return u"Check_StartUpPosition"_s; }
QString hotkeyAktion() { return u"HotkeyAktion"_s; }
QString logWriting(int n) { return mitZahl(u"LogWriting "_s, n); }
QString count() { return u"Count"_s; }
QString startDatum() { return u"StartDatum"_s; }
QString startTime() { return u"StartTime"_s; }
QString endDatum() { return u"EndDatum"_s; }
QString endTime() { return u"EndTime"_s; }
QString meLeft() { return u"MeLeft"_s; }
QString meTop() { return u"MeTop"_s; }
QString understood() { return u"Understood"_s; }
QString search() { return u"Search"_s; }
QString abschnittProgramm() { return u"Bewahrix"_s; }
QString width() { return u"Width"_s; }
QString height() { return u"Height"_s; }
QString checkAuflisten() { return u"Check_Auflisten"_s; }
QString dragDrop() { return u"DragDrop"_s; }
QString optionVerzeichnisse() { return u"Option_Verzeichnisse"_s; }
QString msgBoxVersaeumt() { return u"MsgBoxVersäumt"_s; }
QString benachrichtigungen() { return u"Benachrichtigungen"_s; }
QString abschnittLogBuch() { return u"LogBuch"_s; }
QString logBuchAus() { return u"LogBuch"_s; }
QString pfad() { return u"Pfad"_s; }
QString logGrenze() { return u"Grenze"_s; }
QString abschnittHilfe() { return u"Hilfe"_s; }
QString help() { return u"Help"_s; }

}  // namespace bewahrix::schluessel
