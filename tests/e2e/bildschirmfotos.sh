#!/usr/bin/env bash
# The nine pages of the main window, each chosen from the menu "Programm",
# pictured into docs/screenshots when BEWAHRIX_SCREENSHOTS_AKTUALISIEREN=1
# (else into a temporary folder). The tab row's Ctrl+Tab must lead through
# the same nine pages in the same order.
source "$(dirname "$0")/lib.sh"

namen=(inhalt aufgabe-1 aufgabe-2 aufgabe-3 aufgabe-4 aufgabe-5 verfahrensweise zeitplaene logbuch)
eintraege=("Inhalt" "Aufgabe 1" "Aufgabe 2" "Aufgabe 3" "Aufgabe 4" "Aufgabe 5" "Verfahrensweise"
  "Zeitpläne" "Logbuch")
# A blinking text cursor changes a few pixels; another page changes thousands.
toleranz=200

e2e_umgebung
e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
fenster=$E2E_HAUPTFENSTER
xdotool windowsize --sync "$fenster" 600 500 || fehler "das Hauptfenster lässt sich nicht auf 600x500 bringen"
e2e_geometrie "$fenster"
[ "$BREITE.$HOEHE" = 600.500 ] || fehler "das Hauptfenster ist ${BREITE}x$HOEHE statt 600x500 groß"

bilder="$E2E_TMP/bilder"
mkdir -p "$bilder"
aufnahme="$E2E_TMP/aufnahme.png"
vorige="$E2E_TMP/vorige.png"

# Waits until the window's picture has changed from BILD and then holds
# still; the picture is left in $aufnahme.
aenderung_abwarten() {  # BILD WAS
  local ende=$(($(e2e_jetzt_ms) + 10000))
  e2e_fensterbild "$fenster" "$aufnahme"
  while (($(e2e_abweichung "$1" "$aufnahme") <= toleranz)); do
    (($(e2e_jetzt_ms) < ende)) || fehler "$2"
    sleep 0.1
    e2e_fensterbild "$fenster" "$aufnahme"
  done
  ruhe_abwarten
}

ruhe_abwarten() {
  local ende=$(($(e2e_jetzt_ms) + 10000))
  while :; do
    cp "$aufnahme" "$vorige"
    sleep 0.2
    e2e_fensterbild "$fenster" "$aufnahme"
    (($(e2e_abweichung "$vorige" "$aufnahme") <= toleranz)) && return 0
    (($(e2e_jetzt_ms) < ende)) || fehler "das Hauptfenster kommt nicht zur Ruhe"
  done
}

# A visible window of the program other than the main window: the menu.
aufgeklappt() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^bewahrix$' 2>/dev/null); do
    [ "$id" != "$fenster" ] && xwininfo -id "$id" | grep -q 'Height: *[0-9]\{3,\}' && return 0
  done
  return 1
}
zugeklappt() { ! aufgeklappt; }

schritt "Startbild"
e2e_fensterbild "$fenster" "$aufnahme"
ruhe_abwarten
cp "$aufnahme" "$E2E_TMP/start.png"
e2e_leer "$E2E_TMP/start.png" && fehler "das Hauptfenster ist leer"

# Page 0 last: the window starts on it, and each choice must change the page.
for k in 1 2 3 4 5 6 7 8 0; do
  schritt "Programm > ${eintraege[k]}"
  cp "$aufnahme" "$E2E_TMP/davor.png"
  # "Programm" is the menu bar's first title, at the window's top left.
  xdotool mousemove --window "$fenster" 30 8 click 1
  e2e_warte 15 "das Menü \"Programm\" klappt nicht auf" aufgeklappt
  # The menu starts with the submenu "Internet", then the nine pages.
  tasten=()
  for ((i = 0; i <= k + 1; i++)); do tasten+=(Down); done
  xdotool key "${tasten[@]}" Return
  e2e_warte 15 "das Menü \"Programm\" schließt sich nicht" zugeklappt
  aenderung_abwarten "$E2E_TMP/davor.png" "\"Programm > ${eintraege[k]}\" wechselt die Seite nicht"
  datei="$bilder/seite-$k-${namen[k]}.png"
  cp "$aufnahme" "$datei"
done
(($(e2e_abweichung "$E2E_TMP/start.png" "$bilder/seite-0-inhalt.png") <= toleranz)) ||
  fehler "das Hauptfenster beginnt nicht mit der Seite \"Inhalt\""

schritt "Strg+Tab durch die Reiter"
xdotool windowfocus --sync "$fenster" || fehler "das Hauptfenster nimmt den Fokus nicht an"
for k in 1 2 3 4 5 6 7 8 0; do
  erwartet="$bilder/seite-$k-${namen[k]}.png"
  xdotool key ctrl+Tab
  ende=$(($(e2e_jetzt_ms) + 5000))
  while :; do
    e2e_fensterbild "$fenster" "$aufnahme"
    (($(e2e_abweichung "$erwartet" "$aufnahme") <= toleranz)) && break
    (($(e2e_jetzt_ms) < ende)) ||
      fehler "Strg+Tab führt nicht zu der Seite, die \"Programm > ${eintraege[k]}\" zeigt"
    sleep 0.1
  done
done

schritt "Bilder prüfen"
for k in 0 1 2 3 4 5 6 7 8; do
  datei="$bilder/seite-$k-${namen[k]}.png"
  [ -s "$datei" ] || fehler "$datei fehlt"
  [ "$(identify -format '%wx%h' "$datei")" = 600x500 ] ||
    fehler "$datei ist $(identify -format '%wx%h' "$datei") statt 600x500 groß"
  e2e_leer "$datei" && fehler "$datei ist leer"
done

if [ "${BEWAHRIX_SCREENSHOTS_AKTUALISIEREN:-}" = 1 ]; then
  ziel="$E2E_DIR/../../docs/screenshots"
  mkdir -p "$ziel"
  cp "$bilder"/seite-*.png "$ziel/"
  echo "Bilder nach $(cd "$ziel" && pwd) geschrieben"
fi
echo "OK"
