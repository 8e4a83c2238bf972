#!/usr/bin/env bash
# Logout and shutdown end the program with SIGTERM: an orderly stop, idle or
# in the middle of copying a large file over an older backup.
source "$(dirname "$0")/lib.sh"
e2e_umgebung

starts() { [ "$(e2e_logbuch | grep -c "^Programm gestartet")" = "$1" ]; }
# e2e_gestoppt FRIST: SIGTERM ends the program in time, with status 0 and
# "Programm beendet" as the last record.
e2e_gestoppt() {
  kill -TERM "$E2E_BEWAHRIX"
  e2e_ende_abwarten "$E2E_BEWAHRIX" "$1" || fehler "Bewahrix endet nicht binnen $1 s nach SIGTERM"
  [ "$E2E_STATUS" = 0 ] || fehler "Bewahrix endet mit Status $E2E_STATUS"
  letzte=$(e2e_logbuch | tail -n 1)
  [ "$letzte" = "Programm beendet" ] || fehler "letzter Logbuch-Eintrag ist \"$letzte\""
  e2e_einstellung Tool EndTime >/dev/null || fehler "Tool/EndTime fehlt"
}

schritt "SIGTERM ohne Lauf"
e2e_bewahrix_starten
e2e_warte 15 "das Programm schreibt keine Startzeile" starts 1
e2e_gestoppt 10

schritt "SIGTERM während eine große Datei kopiert wird"
quelle="$HOME/gross.bin"
ziel="$HOME/Sicherung"
mkdir -p "$ziel"
echo "die alte Sicherung" >"$ziel/gross.bin"
head -c 2G /dev/zero >"$quelle"
e2e_setze Aufgabe0 "$quelle" "05. Dez. 2026"
e2e_setze SaveZiel "Ziel 0" "$ziel/"
e2e_setze Optionen Vorgang0 0
temporaer() { compgen -G "$ziel/.gross.bin.bewahrix-*"; }
# kopie_beginnt N: the Nth start shows its window and begins copying the large file.
kopie_beginnt() {
  e2e_bewahrix_starten
  e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
  e2e_warte 15 "das Programm schreibt keine Startzeile $1" starts "$1"
  # The page puts the focus into the source field; the start button is twelve steps on.
  e2e_seite_waehlen "$E2E_HAUPTFENSTER" 1
  xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
  e2e_warte 30 "die Kopie beginnt nicht" temporaer
}
kopie_beginnt 2
e2e_gestoppt 5
e2e_im_logbuch "    => Error, Kopiervorgang abgebrochen" || fehler "der Abbruch steht nicht im Logbuch"
[ "$(cat "$ziel/gross.bin")" = "die alte Sicherung" ] || cmp -s "$quelle" "$ziel/gross.bin" ||
  fehler "die Sicherung ist weder die alte noch die ganze neue"
temporaer && fehler "eine temporäre Datei ist geblieben: $E2E_AUSGABE"

schritt "SIGKILL während der Kopie: der nächste Start zeigt den Lauf als nicht beendet"
kopie_beginnt 3
kill -KILL "$E2E_BEWAHRIX"
e2e_ende_abwarten "$E2E_BEWAHRIX" 10 || fehler "Bewahrix endet nicht nach SIGKILL"
e2e_bewahrix_starten
unbeendet() { e2e_logbuch | grep -q "^Aufgabe 1: letzter Lauf am .* nicht beendet$"; }
e2e_warte 15 "kein Vermerk des nicht beendeten Laufs im Logbuch" unbeendet
[ "$(e2e_einstellung StatusIn Color0)" = 1 ] || fehler "die Aufgabe steht nicht auf Rot"
e2e_gestoppt 10
echo "OK"
