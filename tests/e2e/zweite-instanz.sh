#!/usr/bin/env bash
# A second start while the first runs: it says so in a message box, ends with
# status 0 when the box is confirmed, and leaves the first one untouched.
source "$(dirname "$0")/lib.sh"
e2e_umgebung
e2e_bewahrix_starten
erster=$E2E_BEWAHRIX
e2e_hauptfenster_abwarten "$erster"
hauptfenster=$E2E_HAUPTFENSTER
e2e_warte 15 "das Logbuch hat keinen Eintrag" e2e_logbuch
logbuch_vorher=$E2E_AUSGABE

schritt "zweiter Start"
# The box's text is in no window property. Qt's accessibility layer, switched
# on and logging, names each widget it registers, a label by its text.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES="qt.accessibility.cache.debug=true" \
  e2e_bewahrix_starten
zweiter=$E2E_BEWAHRIX
zweiter_log=${E2E_LOGS[-1]}
e2e_warte 15 "der zweite Start zeigt kein Fenster" e2e_fenster_von "$zweiter"
[ "$(wc -l <<<"$E2E_AUSGABE")" = 1 ] || fehler "der zweite Start zeigt mehr als ein Fenster"
meldung=$E2E_AUSGABE
xprop -id "$meldung" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
  fehler "das Fenster des zweiten Starts ist kein Dialog: $(xprop -id "$meldung" _NET_WM_WINDOW_TYPE)"

schritt "Text des Meldungsfensters"
e2e_warte 30 "der zweite Start zeigt kein Meldungsfenster \"Bewahrix\"" \
  grep -aq 'name="Bewahrix" role=AlertMessage .*obj=QMessageBox' "$zweiter_log"
grep -aq 'name="Diese Anwendung ist bereits aktiv!" role=StaticText obj=QLabel(.*"qt_msgbox_label")' "$zweiter_log" ||
  fehler "das Meldungsfenster sagt nicht \"Diese Anwendung ist bereits aktiv!\", sondern: $(
    grep -ao 'name="[^"]*" role=StaticText obj=QLabel([^)]*"qt_msgbox_label")' "$zweiter_log")"

schritt "bestätigen"
xdotool windowfocus --sync "$meldung" || fehler "das Meldungsfenster nimmt den Fokus nicht an"
xdotool key Return
e2e_ende_abwarten "$zweiter" 15 || fehler "der zweite Start endet nicht nach Return im Meldungsfenster"
[ "$E2E_STATUS" = 0 ] || fehler "der zweite Start endet mit Status $E2E_STATUS statt 0"

schritt "die erste Instanz läuft weiter"
sleep 1
e2e_laeuft "$erster" || fehler "die erste Instanz hat sich beendet"
e2e_ist_sichtbar "$hauptfenster" || fehler "das Hauptfenster der ersten Instanz ist verschwunden"
[ "$(e2e_logbuch)" = "$logbuch_vorher" ] || fehler "der zweite Start hat ins Logbuch geschrieben: $(e2e_logbuch)"
zaehler=$(e2e_einstellung Tool Count) || fehler "Tool/Count fehlt"
[ "$zaehler" = 2 ] || fehler "der zweite Start hat den Startzähler verändert: Tool/Count = $zaehler"
echo "OK"
