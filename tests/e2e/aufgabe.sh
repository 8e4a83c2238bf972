#!/usr/bin/env bash
# A prepared HOME: a quiet start although another program holds ALT+S, no task bar entry beside the tray
# icon, and a daily schedule run at the coming minute.
source "$(dirname "$0")/lib.sh"
e2e_x11
plan="$HOME/Dokumente/plan.txt"
mkdir -p "$(dirname "$plan")" "$HOME/Plansicherung"
echo "jeden Tag" >"$plan"
e2e_setze Optionen Vorgang1 0
e2e_setze Aufgabe1 "$plan" "05. Dez. 2026"
e2e_setze SaveZiel "Ziel 1" "$HOME/Plansicherung/"
e2e_plane_gleich 15
e2e_setze Tool HotkeyAktion True
python3 "$E2E_DIR/werkzeug.py" griff "$E2E_TMP/gegriffen" &
e2e_merke $!
e2e_warte 15 "das andere Programm bekommt ALT+S nicht" test -e "$E2E_TMP/gegriffen"
# The task bar hint is given only where a window manager announces it.
e2e_werkzeug unterstuetzt _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR
e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"

schritt "ALT+S anderswo belegt: Start ohne Meldung; mit Symbol im Infobereich kein Eintrag in der Taskleiste"
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
xprop -id "$E2E_HAUPTFENSTER" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fehler "das Hauptfenster trägt kein _NET_WM_STATE_SKIP_TASKBAR"
sleep 1
[ "$(e2e_fenster_von "$E2E_BEWAHRIX" | wc -l)" = 1 ] || fehler "mehr Fenster \"Bewahrix\" als das Hauptfenster (eine Meldung?)"
[ "$(e2e_einstellung Tool HotkeyAktion)" = True ] || fehler "die fehlgeschlagene Anmeldung hat \"Tool\"/\"HotkeyAktion\" geändert"

schritt "Zeitplan täglich um $(date -d "@$E2E_BEGINN" +%H:%M)"
# The 5 s tick sees the minute early; the rest is room for a loaded machine.
e2e_warte $((E2E_BEGINN - $(date +%s) + 25)) "keine Kopie bis 25 s nach dem Zeitplan" test -f "$HOME/Plansicherung/plan.txt"
[ "$(date +%s)" -ge "$E2E_BEGINN" ] || fehler "kopiert vor der geplanten Minute"
cmp -s "$plan" "$HOME/Plansicherung/plan.txt" || fehler "die Kopie hat einen anderen Inhalt"
e2e_warte_logbuch 15 "<Anfang, Automatischer Zeitplan>" ">>> Kopieren der Dateien aus Aufgabe 2" "<Ende, Automatischer Zeitplan>"

e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich von selbst beendet"
echo "OK"
