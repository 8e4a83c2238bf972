#!/usr/bin/env bash
# One session on a fresh HOME: a second start beside the first, and the tray icon and its menu up to
# "Programm beenden".
source "$(dirname "$0")/lib.sh"
e2e_x11

schritt "HotkeysX11 gegen einen zweiten X-Client (test_desktop)"
ausgabe=$(QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 "$2" --gtest_filter='HotkeysX11.*' 2>&1) &&
  ! grep -q SKIPPED <<<"$ausgabe" && grep -q '^\[  PASSED  \] [1-9]' <<<"$ausgabe" || { echo "$ausgabe"; fehler "HotkeysX11 scheitert oder läuft nicht"; }

schritt "erster Start"
e2e_bewahrix_starten
erster=$E2E_BEWAHRIX
e2e_hauptfenster_abwarten "$erster"
fenster=$E2E_HAUPTFENSTER

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
xdotool mousemove --window "$fenster" $((WIDTH - 130)) $((HEIGHT - 18)) click 1
e2e_warte 15 "das Hauptfenster bleibt nach \"Minimieren\" sichtbar" e2e_nicht e2e_ist_sichtbar "$fenster"

schritt "ein einziger Rechtsklick auf das Symbol öffnet das Menü, Escape schließt es"
xdotool mousemove --window "$symbol" 10 15 click 3
e2e_warte 15 "nach einem Rechtsklick auf das Symbol erscheint kein Menü" e2e_menue_offen
xdotool key Escape
e2e_warte 15 "das Menü schließt sich nicht mit Escape" e2e_nicht e2e_menue_offen

schritt "Linksklick auf das Symbol, \"Programm beenden\" (der letzte Eintrag, mit den Tasten gewählt)"
xdotool mousemove --window "$symbol" 10 15 click 1
e2e_warte 15 "nach einem Linksklick auf das Symbol erscheint kein Menü" e2e_menue_offen
e2e_ist_sichtbar "$fenster" && fehler "der Linksklick zeigt das Hauptfenster statt des Menüs"
xdotool key Up Return
e2e_ende_abwarten "$erster" 30 || fehler "Bewahrix läuft nach \"Programm beenden\" weiter"
e2e_beendet
echo "OK"
