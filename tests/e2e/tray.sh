#!/usr/bin/env bash
# The tray: the icon is docked, "Minimieren" hides the window, a right or left
# click on the icon opens its menu, and "Programm beenden" ends the program
# with "Programm beendet" as the last logbook entry.
source "$(dirname "$0")/lib.sh"
e2e_umgebung
# The hint for the task bar is given only where a window manager takes it;
# the root window says so as a window manager's would.
python3 "$E2E_DIR/werkzeug.py" unterstuetzt _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR
e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
hauptfenster=$E2E_HAUPTFENSTER

schritt "Symbol im Infobereich"
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
symbol=$E2E_AUSGABE

schritt "keine Taskleiste neben dem Symbol"
xprop -id "$hauptfenster" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
  fehler "das Hauptfenster trägt kein _NET_WM_STATE_SKIP_TASKBAR: $(xprop -id "$hauptfenster" _NET_WM_STATE)"

schritt "Minimieren"
e2e_geometrie "$hauptfenster"
# The button sits left of "Ende" in the window's bottom right corner.
xdotool mousemove --window "$hauptfenster" $((BREITE - 130)) $((HOEHE - 18)) click 1
hauptfenster_weg() { ! e2e_ist_sichtbar "$hauptfenster"; }
e2e_warte 15 "das Hauptfenster bleibt nach \"Minimieren\" sichtbar" hauptfenster_weg
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich beim Minimieren beendet"
e2e_tray_symbol >/dev/null || fehler "das Symbol im Infobereich ist beim Minimieren verschwunden"

# A visible window of the program other than the icon and the main window,
# tall enough for the menu's four entries (a tooltip is lower).
tray_menue() {
  local id X Y BREITE HOEHE
  for id in $(xdotool search --onlyvisible --classname '^bewahrix$' 2>/dev/null); do
    [ "$id" = "$symbol" ] || [ "$id" = "$hauptfenster" ] && continue
    e2e_geometrie "$id"
    ((HOEHE >= 80)) && { echo "$id"; return 0; }
  done
  return 1
}
menue_weg() { ! tray_menue >/dev/null; }

schritt "Rechtsklick auf das Symbol"
xdotool mousemove --window "$symbol" 10 15 click 3
e2e_warte 15 "nach einem Rechtsklick auf das Symbol erscheint kein Menü" tray_menue
xdotool key Escape
e2e_warte 15 "das Menü schließt sich nicht mit Escape" menue_weg
e2e_ist_sichtbar "$hauptfenster" && fehler "das Schließen des Menüs hat das Hauptfenster gezeigt"

schritt "Linksklick auf das Symbol, \"Programm beenden\""
xdotool mousemove --window "$symbol" 10 15 click 1
e2e_warte 15 "nach einem Linksklick auf das Symbol erscheint kein Menü" tray_menue
menue=$E2E_AUSGABE
e2e_ist_sichtbar "$hauptfenster" && fehler "der Linksklick zeigt das Hauptfenster statt des Menüs"
e2e_geometrie "$menue"
# "Programm beenden" is the menu's last entry.
xdotool mousemove --window "$menue" $((BREITE / 2)) $((HOEHE - 12)) click 1
e2e_ende_abwarten "$E2E_BEWAHRIX" 30 || fehler "Bewahrix läuft nach \"Programm beenden\" weiter"
[ "$E2E_STATUS" = 0 ] || fehler "Bewahrix endet mit Status $E2E_STATUS statt 0"
letzter=$(e2e_logbuch | tail -n 1)
[ "$letzter" = "Programm beendet" ] ||
  fehler "letzter Logbuch-Eintrag ist \"$letzter\", erwartet \"Programm beendet\""
echo "OK"
