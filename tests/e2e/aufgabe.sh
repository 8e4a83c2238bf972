#!/usr/bin/env bash
# A task built from the keyboard: on the page "Aufgabe 1" a source file and a
# target directory are typed and the task is started with its button; the
# copy lands in the target, the store and the logbook show every step.
source "$(dirname "$0")/lib.sh"
e2e_umgebung

quelle="$HOME/Eigene Dateien/Brief an Jörg.txt"
ziel="$HOME/Sicherung"
mkdir -p "$(dirname "$quelle")"
echo "Lieber Jörg" >"$quelle"
# The copy mode is chosen on another page; here it is set beforehand.
e2e_setze Optionen Vorgang0 0

e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
fenster=$E2E_HAUPTFENSTER
startzeile() { e2e_logbuch | grep -q "Programm gestartet"; }
e2e_warte 15 "das Programm schreibt keine Startzeile" startzeile

schritt "Programm > Aufgabe 1"
# "Programm" is the menu bar's first title; below "Internet" and "Inhalt"
# comes the first task, whose input field then has the focus.
xdotool mousemove --window "$fenster" 30 8 click 1
sleep 0.5
xdotool key Down Down Down Return
sleep 0.5

schritt "Quelle eintippen und mit Enter hinzufügen"
xdotool type --delay 30 "$quelle"
xdotool key Return
eingetragen() { e2e_einstellung Aufgabe0 "$quelle"; }
e2e_warte 15 "der Eintrag \"$quelle\" steht nicht im Speicher" eingetragen
grep -Eq '^[0-9]{2}\. [A-Z][a-z]{2}\. [0-9]{4}$' <<<"$E2E_AUSGABE" ||
  fehler "das Datum des Eintrags ist \"$E2E_AUSGABE\""

schritt "Zielverzeichnis eintippen und speichern"
# From the input field through Hinzufügen, Datei suchen, both lists,
# Verzeichnis suchen, Ignorier- Liste, Löschen (enabled once the list took
# the focus and selected its entry), alles and Aktualisieren to the target
# field.
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a
xdotool type --delay 30 "$ziel"
xdotool key Return
gespeichert() { [ "$(e2e_einstellung SaveZiel "Ziel 0")" = "$ziel/" ]; }
e2e_warte 15 "das Ziel \"$ziel/\" ist nicht gespeichert" gespeichert

schritt "Kopiervorgang ausführen"
# Speichern, then the start button.
xdotool key --delay 50 Tab Tab space
kopiert() { cmp -s "$quelle" "$ziel/Brief an Jörg.txt"; }
e2e_warte 30 "die Kopie fehlt in $ziel" kopiert
ende() { e2e_logbuch | grep -qx "<Ende, Manueller Start>"; }
e2e_warte 15 "das Logbuch zeigt kein Ende des Laufs" ende

log=$(e2e_logbuch)
for zeile in "Eintrag zur Aufgabe 1 hinzugefügt => $quelle" \
  "Zielpfad für Aufgabe 1 gespeichern => $ziel/" \
  "<Anfang, Manueller Start => Kopieren der Dateien aus Aufgabe 1"; do
  grep -qxF "$zeile" <<<"$log" || fehler "im Logbuch fehlt \"$zeile\""
done
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich von selbst beendet"
echo "OK"
