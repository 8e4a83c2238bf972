#!/usr/bin/env bash
# A task with a daily schedule for the coming minute: the running program
# copies the task's file on its own and frames the run in the logbook.
source "$(dirname "$0")/lib.sh"
e2e_umgebung

quelle="$HOME/Dokumente/plan.txt"
ziel="$HOME/Sicherung"
mkdir -p "$(dirname "$quelle")" "$ziel"
echo "jeden Tag" >"$quelle"
e2e_setze Aufgabe0 "$quelle" "05. Dez. 2026"
e2e_setze Optionen Vorgang0 0
e2e_setze SaveZiel "Ziel 0" "$ziel/"

# With less than 15 s left of this minute the program may not be up in
# time for the next one: then the minute after.
jetzt=$(date +%s)
vorlauf=60
(((jetzt % 60) > 45)) && vorlauf=120
beginn=$(((jetzt / 60) * 60 + vorlauf))
planzeit=$(date -d "@$beginn" +%H:%M:00)
e2e_setze Timer DayArt0 3
e2e_setze Timer SollDay0 "$(date +%d.%m.%Y)"
e2e_setze Timer SollTime0 "$planzeit"
schritt "täglich um $planzeit"

e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"

schritt "Lauf in der geplanten Minute"
# The 5 s tick sees the minute early; the rest is room for a loaded machine.
frist=$((beginn - $(date +%s) + 25))
e2e_warte "$frist" "keine Kopie in $ziel bis $planzeit + 25 s" test -f "$ziel/plan.txt"
[ "$(cat "$ziel/plan.txt")" = "jeden Tag" ] || fehler "die Kopie hat einen anderen Inhalt"
[ "$(date +%s)" -ge "$beginn" ] || fehler "kopiert vor der geplanten Minute $planzeit"

rahmen() {
  e2e_logbuch | grep -x -e "<Anfang, Automatischer Zeitplan>" -e ">>> Kopieren der Dateien aus Aufgabe 1" \
    -e "<Ende, Automatischer Zeitplan>" | paste -sd '|' | grep -x "$1"
}
e2e_warte 15 "das Logbuch zeigt Anfang, Lauf und Ende des automatischen Zeitplans nicht" \
  rahmen "<Anfang, Automatischer Zeitplan>|>>> Kopieren der Dateien aus Aufgabe 1|<Ende, Automatischer Zeitplan>"

art=$(e2e_einstellung Timer DayArt0) || fehler "Timer/DayArt0 fehlt nach dem Lauf"
[ "$art" = 3 ] || fehler "Timer/DayArt0 ist nach dem Lauf \"$art\", erwartet 3"
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich beendet"
echo "OK"
