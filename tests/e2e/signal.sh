#!/usr/bin/env bash
# SIGKILL in the middle of a scheduled copy of a large file leaves a run the next start tells of. A closed
# terminal ends the program with SIGHUP: an orderly stop, as on SIGTERM at logout.
source "$(dirname "$0")/lib.sh"
e2e_x11

schritt "SIGKILL während der Kopie, die der Zeitplan beginnt"
quelle="$HOME/gross.bin" ziel="$HOME/Sicherung"
head -c 2G /dev/zero >"$quelle"
e2e_setze Aufgabe1 "$quelle" "05. Dez. 2026" SaveZiel "Ziel 1" "$ziel/" Optionen Vorgang1 0
e2e_plane_gleich 15
e2e_bewahrix_starten
# The 5 s tick sees the minute early; the rest is room for a loaded machine.
e2e_warte $((E2E_BEGINN - $(date +%s) + 25)) "die Kopie beginnt nicht" compgen -G "$ziel/.gross.bin.bewahrix-*"
kill -KILL "$E2E_BEWAHRIX"
e2e_ende_abwarten "$E2E_BEWAHRIX" 10 || fehler "Bewahrix endet nicht nach SIGKILL"
# The minute before: the next start may come within the schedule's minute, and must not run it again.
e2e_setze Timer SollTime1 "$(date -d "@$((E2E_BEGINN - 60))" +%H:%M:00)"

schritt "der nächste Start: der Lauf als nicht beendet; mit Symbol im Infobereich kein Eintrag in der Taskleiste"
# As a window manager that draws a task bar announces it.
xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WM_STATE_SKIP_TASKBAR
e2e_bewahrix_starten
e2e_warte_logbuch 15 "Aufgabe 2: letzter Lauf am .* nicht beendet"
[ "$(e2e_einstellung StatusIn Color1)" = 1 ] || fehler "die Aufgabe steht nicht auf Rot"
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
xprop -id "$E2E_HAUPTFENSTER" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
  fehler "das Hauptfenster trägt kein _NET_WM_STATE_SKIP_TASKBAR"
schritt "SIGHUP ohne Lauf"
e2e_stoppen HUP 10
echo "OK"
