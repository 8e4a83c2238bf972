#!/usr/bin/env bash
# A prepared HOME: a quiet start although another program holds ALT+S, no
# task bar entry beside the tray icon, a daily schedule for the coming minute,
# then task 1 typed in on its page and started with its button.
source "$(dirname "$0")/lib.sh"
e2e_umgebung

plan="$HOME/Dokumente/plan.txt"
planziel="$HOME/Plansicherung"
quelle="$HOME/Eigene Dateien/Brief an Jörg.txt"
ziel="$HOME/Sicherung"
mkdir -p "$(dirname "$plan")" "$(dirname "$quelle")" "$planziel"
echo "jeden Tag" >"$plan"
echo "Lieber Jörg" >"$quelle"
for i in 0 1; do e2e_setze Optionen Vorgang$i 0; done
e2e_setze Aufgabe1 "$plan" "05. Dez. 2026"
e2e_setze SaveZiel "Ziel 1" "$planziel/"
# With less than 15 s left of this minute the program may not be up in time.
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
# The task bar hint is given only where a window manager announces it.
python3 "$E2E_DIR/werkzeug.py" unterstuetzt _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR
e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"

schritt "ALT+S anderswo belegt: Start ohne Meldung; mit Symbol im Infobereich kein Eintrag in der Taskleiste"
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
xprop -id "$E2E_HAUPTFENSTER" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fehler "das Hauptfenster trägt kein _NET_WM_STATE_SKIP_TASKBAR"
sleep 1
[ "$(e2e_fenster_von "$E2E_BEWAHRIX" | wc -l)" = 1 ] || fehler "mehr Fenster \"Bewahrix\" als das Hauptfenster (eine Meldung?)"
[ "$(e2e_einstellung Tool HotkeyAktion)" = True ] || fehler "die fehlgeschlagene Anmeldung hat \"Tool\"/\"HotkeyAktion\" geändert"

schritt "Zeitplan täglich um $planzeit"
# The 5 s tick sees the minute early; the rest is room for a loaded machine.
e2e_warte $((beginn - $(date +%s) + 25)) "keine Kopie bis $planzeit + 25 s" test -f "$planziel/plan.txt"
[ "$(date +%s)" -ge "$beginn" ] || fehler "kopiert vor der geplanten Minute $planzeit"
[ "$(cat "$planziel/plan.txt")" = "jeden Tag" ] || fehler "die Kopie hat einen anderen Inhalt"
rahmen=("<Anfang, Automatischer Zeitplan>" ">>> Kopieren der Dateien aus Aufgabe 2" "<Ende, Automatischer Zeitplan>")
rahmen() { e2e_logbuch | grep -xF "${rahmen[@]/#/-e}" | paste -sd '|' | grep -xF "$(IFS='|'; echo "${rahmen[*]}")"; }
e2e_warte 15 "das Logbuch zeigt Anfang, Lauf und Ende des automatischen Zeitplans nicht" rahmen
[ "$(e2e_einstellung Timer DayArt1)" = 3 ] || fehler "Timer/DayArt1 ist nach dem Lauf nicht mehr 3"

schritt "Programm > Aufgabe 1: Quelle eintippen und mit Enter hinzufügen"
e2e_seite_waehlen "$E2E_HAUPTFENSTER" 1
xdotool type --delay 30 "$quelle"
xdotool key Return
e2e_warte 15 "der Eintrag \"$quelle\" steht nicht im Speicher" e2e_einstellung Aufgabe0 "$quelle"
grep -Eq '^[0-9]{2}\. [A-Z][a-z]{2}\. [0-9]{4}$' <<<"$E2E_AUSGABE" || fehler "das Datum des Eintrags ist \"$E2E_AUSGABE\""

schritt "Zielverzeichnis eintippen, speichern, Kopiervorgang starten"
# Ten buttons and lists (Löschen enabled once the list has its entry) to the target field; Speichern, start.
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
