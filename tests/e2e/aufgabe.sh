#!/usr/bin/env bash
# A prepared HOME: the program starts quietly although another program holds
# its hotkey ALT+S, and gives up its task bar entry for the tray icon; a daily schedule for the coming minute copies task 2's
# file on its own; then on the page "Aufgabe 1" a source file and a target
# directory are typed and the task is started with its button. The copies
# land in the targets, the store and the logbook show every step.
source "$(dirname "$0")/lib.sh"
e2e_umgebung

plan="$HOME/Dokumente/plan.txt"
planziel="$HOME/Plansicherung"
quelle="$HOME/Eigene Dateien/Brief an Jörg.txt"
ziel="$HOME/Sicherung"
mkdir -p "$(dirname "$plan")" "$(dirname "$quelle")" "$planziel"
echo "jeden Tag" >"$plan"
echo "Lieber Jörg" >"$quelle"
# The copy modes are chosen on another page; here they are set beforehand.
e2e_setze Optionen Vorgang0 0
e2e_setze Optionen Vorgang1 0
e2e_setze Aufgabe1 "$plan" "05. Dez. 2026"
e2e_setze SaveZiel "Ziel 1" "$planziel/"
# With less than 15 s left of this minute the program may not be up in time
# for the next one: then the minute after.
jetzt=$(date +%s)
beginn=$(((jetzt / 60 + ((jetzt % 60) > 45 ? 2 : 1)) * 60))
planzeit=$(date -d "@$beginn" +%H:%M:00)
e2e_setze Timer DayArt1 3
e2e_setze Timer SollDay1 "$(date +%d.%m.%Y)"
e2e_setze Timer SollTime1 "$planzeit"
e2e_setze Tool HotkeyAktion True
python3 "$E2E_DIR/werkzeug.py" griff halten "$E2E_TMP/gegriffen" &
e2e_merke $!
e2e_warte 15 "das andere Programm bekommt ALT+S nicht" test -e "$E2E_TMP/gegriffen"
# The hint for the task bar is given only where a window manager takes it;
# the root window says so as a window manager's would. (Without a window
# manager to act on it, a window restored from the tray would stay hidden:
# hence here, where none is.)
python3 "$E2E_DIR/werkzeug.py" unterstuetzt _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR
e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
fenster=$E2E_HAUPTFENSTER

schritt "ALT+S anderswo belegt: Start ohne Meldung; mit Symbol im Infobereich kein Eintrag in der Taskleiste"
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
xprop -id "$fenster" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
  fehler "das Hauptfenster trägt kein _NET_WM_STATE_SKIP_TASKBAR"
sleep 1
[ "$(e2e_fenster_von "$E2E_BEWAHRIX" | wc -l)" = 1 ] || fehler "mehr Fenster \"Bewahrix\" als das Hauptfenster (eine Meldung?)"
[ "$(e2e_einstellung Tool HotkeyAktion)" = True ] || fehler "die fehlgeschlagene Anmeldung hat \"Tool\"/\"HotkeyAktion\" geändert"

schritt "Zeitplan täglich um $planzeit"
# The 5 s tick sees the minute early; the rest is room for a loaded machine.
e2e_warte $((beginn - $(date +%s) + 25)) "keine Kopie bis $planzeit + 25 s" test -f "$planziel/plan.txt"
[ "$(date +%s)" -ge "$beginn" ] || fehler "kopiert vor der geplanten Minute $planzeit"
[ "$(cat "$planziel/plan.txt")" = "jeden Tag" ] || fehler "die Kopie hat einen anderen Inhalt"
rahmen() {
  e2e_logbuch | grep -x -e "<Anfang, Automatischer Zeitplan>" -e ">>> Kopieren der Dateien aus Aufgabe 2" \
    -e "<Ende, Automatischer Zeitplan>" | paste -sd '|' | grep -x "$1"
}
e2e_warte 15 "das Logbuch zeigt Anfang, Lauf und Ende des automatischen Zeitplans nicht" \
  rahmen "<Anfang, Automatischer Zeitplan>|>>> Kopieren der Dateien aus Aufgabe 2|<Ende, Automatischer Zeitplan>"
[ "$(e2e_einstellung Timer DayArt1)" = 3 ] || fehler "Timer/DayArt1 ist nach dem Lauf nicht mehr 3"

schritt "Programm > Aufgabe 1: Quelle eintippen und mit Enter hinzufügen"
e2e_seite_waehlen "$fenster" 1
e2e_warte 15 "das Menü \"Programm\" schließt sich nicht" e2e_nicht e2e_menue_offen "$fenster"
xdotool type --delay 30 "$quelle"
xdotool key Return
e2e_warte 15 "der Eintrag \"$quelle\" steht nicht im Speicher" e2e_einstellung Aufgabe0 "$quelle"
grep -Eq '^[0-9]{2}\. [A-Z][a-z]{2}\. [0-9]{4}$' <<<"$E2E_AUSGABE" || fehler "das Datum des Eintrags ist \"$E2E_AUSGABE\""

schritt "Zielverzeichnis eintippen, speichern, Kopiervorgang starten"
# From the input field through Hinzufügen, Datei suchen, both lists,
# Verzeichnis suchen, Ignorier- Liste, Löschen (enabled once the list took
# the focus and selected its entry), alles and Aktualisieren to the target
# field; after it Speichern, then the start button.
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a
xdotool type --delay 30 "$ziel"
xdotool key Return
gespeichert() { [ "$(e2e_einstellung SaveZiel "Ziel 0")" = "$ziel/" ]; }
e2e_warte 15 "das Ziel \"$ziel/\" ist nicht gespeichert" gespeichert
xdotool key --delay 50 Tab Tab space
e2e_warte 30 "die Kopie fehlt in $ziel" cmp -s "$quelle" "$ziel/Brief an Jörg.txt"
e2e_warte_logbuch 15 "Eintrag zur Aufgabe 1 hinzugefügt => $quelle" "Zielpfad für Aufgabe 1 gespeichern => $ziel/" \
  "<Anfang, Manueller Start => Kopieren der Dateien aus Aufgabe 1" "<Ende, Manueller Start>"
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich von selbst beendet"
echo "OK"
