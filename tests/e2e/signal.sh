#!/usr/bin/env bash
# Logout and shutdown end the program with SIGTERM, a closed terminal with SIGHUP: an orderly stop, idle or
# in the middle of copying a large file over an older backup. SIGKILL leaves a run the next start tells of.
source "$(dirname "$0")/lib.sh"
e2e_x11
starts() { [ "$(e2e_logbuch | grep -c "^Programm gestartet")" = "$1" ]; }

for signal in HUP TERM; do
  schritt "SIG$signal ohne Lauf"
  e2e_bewahrix_starten
  e2e_warte 15 "das Programm schreibt keine Startzeile" starts ${#E2E_LOGS[@]}
  e2e_stoppen $signal 10
  e2e_einstellung Tool EndTime >/dev/null || fehler "Tool/EndTime fehlt"
done

quelle="$HOME/gross.bin"
ziel="$HOME/Sicherung"
mkdir -p "$ziel"
echo "die alte Sicherung" >"$ziel/gross.bin"
head -c 2G /dev/zero >"$quelle"
e2e_setze Aufgabe0 "$quelle" "05. Dez. 2026"
e2e_setze SaveZiel "Ziel 0" "$ziel/"
e2e_setze Optionen Vorgang0 0
temporaer() { compgen -G "$ziel/.gross.bin.bewahrix-*"; }
kopie_beginnt() {  # the next start shows its window and begins copying the large file
  e2e_bewahrix_starten
  e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
  e2e_warte 15 "das Programm schreibt keine Startzeile" starts ${#E2E_LOGS[@]}
  # The page puts the focus into the source field; the start button is twelve steps on.
  e2e_seite_waehlen "$E2E_HAUPTFENSTER" 1
  xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
  e2e_warte 30 "die Kopie beginnt nicht" temporaer
}

schritt "SIGKILL während der Kopie: der nächste Start zeigt den Lauf als nicht beendet"
kopie_beginnt
kill -KILL "$E2E_BEWAHRIX"
e2e_ende_abwarten "$E2E_BEWAHRIX" 10 || fehler "Bewahrix endet nicht nach SIGKILL"
e2e_bewahrix_starten
unbeendet() { e2e_logbuch | grep -q "^Aufgabe 1: letzter Lauf am .* nicht beendet$"; }
e2e_warte 15 "kein Vermerk des nicht beendeten Laufs" unbeendet
[ "$(e2e_einstellung StatusIn Color0)" = 1 ] || fehler "die Aufgabe steht nicht auf Rot"
e2e_stoppen TERM 10
echo "OK"
