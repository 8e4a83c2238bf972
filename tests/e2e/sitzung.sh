#!/usr/bin/env bash
# One session on a fresh HOME: the first start with its splash, a picture of each page (into docs/screenshots
# with BEWAHRIX_SCREENSHOTS_AKTUALISIEREN=1), a second start, and the tray icon and its menu up to "Programm beenden".
source "$(dirname "$0")/lib.sh"
e2e_x11

schritt "HotkeysX11 gegen einen zweiten X-Client (test_desktop)"
ausgabe=$(QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 "$2" --gtest_filter='HotkeysX11.*' 2>&1) &&
  ! grep -q SKIPPED <<<"$ausgabe" && grep -q '^\[  PASSED  \] [1-9]' <<<"$ausgabe" ||
  { echo "$ausgabe"; fehler "die HotkeysX11-Fälle scheitern oder laufen nicht"; }

leer() { (($(convert "$1" -format '%k' info: || echo 0) < 16)); }  # one colour or nearly so
schritt "erster Start: Begrüßungsfenster, Hauptfenster, Logbuch"
e2e_bewahrix_starten
erster=$E2E_BEWAHRIX
e2e_warte 15 "kein Fenster \"Bewahrix\" erscheint" e2e_fenster_von "$erster"
splash=$(e2e_groesser 300 480 "" $E2E_AUSGABE) && e2e_geometrie "$splash" && [ "$BREITE.$HOEHE" = 480.300 ] ||
  fehler "das erste Fenster \"Bewahrix\" ist nicht das Begrüßungsfenster (480x300)"
splash_gemalt() { import -window root -crop "${BREITE}x$HOEHE+$X+$Y" +repage "$E2E_TMP/splash.png" && ! leer "$E2E_TMP/splash.png"; }
e2e_warte 30 "das Begrüßungsfenster bleibt leer" splash_gemalt
e2e_hauptfenster_abwarten "$erster"
fenster=$E2E_HAUPTFENSTER
e2e_warte 15 "das Begrüßungsfenster bleibt neben dem Hauptfenster offen" e2e_nicht e2e_ist_sichtbar "$splash"
e2e_warte_logbuch 15 "Programm gestartet => Lft. Programmstart 1; kein Zeitplan vorhanden"

schritt "Bilder der Seiten"
namen=(inhalt aufgabe-1 aufgabe-2 aufgabe-3 aufgabe-4 aufgabe-5 verfahrensweise zeitplaene logbuch)
bild="$E2E_TMP/bild.png"
mkdir -p "$E2E_TMP/bilder"
# Differing pixels: a blinking text cursor changes a few, another page thousands, another size all.
anders_als() {
  local ae
  ae=$(compare -metric AE "$1" "$bild" null: 2>&1) || true
  [[ ! $ae =~ ^[0-9]+$ ]] || ((ae > 200))
}
# bild_abwarten WAS [VORIGES]: until the window's picture differs from VORIGES and no longer changes.
# Without time stamps, which would make every picture in docs/ differ from the last.
fensterbild() { import -window "$fenster" -strip -define png:exclude-chunks=date,time "$bild"; }
bild_abwarten() {
  local ende=$(($(e2e_jetzt_ms) + 10000))
  fensterbild
  while :; do
    cp "$bild" "$E2E_TMP/vorher.png"
    sleep 0.2
    fensterbild
    { [ -z "${2:-}" ] || anders_als "$2"; } && ! anders_als "$E2E_TMP/vorher.png" && return 0
    (($(e2e_jetzt_ms) < ende)) || fehler "$1"
  done
}
xdotool windowsize --sync "$fenster" 720 660 || fehler "das Hauptfenster lässt sich nicht auf 720x660 bringen"
bild_abwarten "das Hauptfenster kommt nicht zur Ruhe"
cp "$bild" "$E2E_TMP/start.png"
# Page 0 last: the window starts on it, and each choice must change the page.
for k in 1 2 3 4 5 6 7 8 0; do
  cp "$bild" "$E2E_TMP/davor.png"
  e2e_seite_waehlen "$fenster" "$k"
  bild_abwarten "die Wahl der Seite $k im Menü \"Programm\" wechselt die Seite nicht" "$E2E_TMP/davor.png"
  [ "$(identify -format '%wx%h' "$bild")" = 720x660 ] && ! leer "$bild" || fehler "das Bild der Seite $k ist leer oder nicht 720x660 groß"
  cp "$bild" "$E2E_TMP/bilder/seite-$k-${namen[k]}.png"
done
anders_als "$E2E_TMP/start.png" && fehler "das Hauptfenster beginnt nicht mit der Seite \"Inhalt\""
[ "${BEWAHRIX_SCREENSHOTS_AKTUALISIEREN:-}" = 1 ] && cp "$E2E_TMP"/bilder/*.png "$E2E_DIR/../../docs/screenshots/"

schritt "zweiter Start: eine Meldung, Status 0, die erste Instanz bleibt"
e2e_bewahrix_starten
e2e_warte 15 "der zweite Start zeigt kein Fenster" e2e_fenster_von "$E2E_BEWAHRIX"
sleep 1
xdotool windowfocus --sync "$E2E_AUSGABE" key Return
e2e_ende_abwarten "$E2E_BEWAHRIX" 15 || fehler "der zweite Start endet nicht nach Return im Meldungsfenster"
[ "$E2E_STATUS" = 0 ] || fehler "der zweite Start endet mit Status $E2E_STATUS statt 0"
e2e_laeuft "$erster" && e2e_ist_sichtbar "$fenster" || fehler "die erste Instanz ist nach dem zweiten Start weg"

# Minimising hides the window only once the icon is in the tray.
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
symbol=$E2E_AUSGABE
schritt "Minimieren (links von \"Ende\" in der Ecke unten rechts)"
e2e_geometrie "$fenster"
xdotool mousemove --window "$fenster" $((BREITE - 130)) $((HOEHE - 18)) click 1
e2e_warte 15 "das Hauptfenster bleibt nach \"Minimieren\" sichtbar" e2e_nicht e2e_ist_sichtbar "$fenster"

schritt "ein einziger Rechtsklick auf das Symbol öffnet das Menü, Escape schließt es"
xdotool mousemove --window "$symbol" 10 15 click 3
e2e_warte 15 "nach einem Rechtsklick auf das Symbol erscheint kein Menü" e2e_menue_offen "$fenster"
xdotool key Escape
e2e_warte 15 "das Menü schließt sich nicht mit Escape" e2e_nicht e2e_menue_offen "$fenster"
e2e_ist_sichtbar "$fenster" && fehler "das Schließen des Menüs hat das Hauptfenster gezeigt"

schritt "Linksklick auf das Symbol, \"Programm beenden\" (der letzte Eintrag)"
xdotool mousemove --window "$symbol" 10 15 click 1
e2e_warte 15 "nach einem Linksklick auf das Symbol erscheint kein Menü" e2e_menue_offen "$fenster"
e2e_ist_sichtbar "$fenster" && fehler "der Linksklick zeigt das Hauptfenster statt des Menüs"
e2e_geometrie "$E2E_AUSGABE"
xdotool mousemove --window "$E2E_AUSGABE" $((BREITE / 2)) $((HOEHE - 12)) click 1
e2e_ende_abwarten "$erster" 30 || fehler "Bewahrix läuft nach \"Programm beenden\" weiter"
e2e_beendet
echo "OK"
