#!/usr/bin/env bash
# The first start on a fresh HOME: the splash, then the main window, the
# start line in the logbook and the start counter in the settings.
source "$(dirname "$0")/lib.sh"
e2e_umgebung
e2e_bewahrix_starten

schritt "Begrüßungsfenster"
e2e_warte 15 "kein Fenster \"Bewahrix\" erscheint" e2e_fenster_von "$E2E_BEWAHRIX"
splash=""
for id in $E2E_AUSGABE; do
  e2e_geometrie "$id"
  if [ "$BREITE" = 480 ] && [ "$HOEHE" = 300 ]; then splash=$id; fi
done
[ -n "$splash" ] || fehler "das erste Fenster \"Bewahrix\" ist nicht das Begrüßungsfenster (480x300): $(
  for id in $E2E_AUSGABE; do e2e_geometrie "$id"; echo -n "${BREITE}x$HOEHE "; done)"
e2e_geometrie "$splash"
splash_gemalt() {
  e2e_bildschirm_ausschnitt "$E2E_TMP/splash.png" "$X" "$Y" "$BREITE" "$HOEHE" && ! e2e_leer "$E2E_TMP/splash.png"
}
e2e_warte 30 "das Begrüßungsfenster bleibt leer" splash_gemalt

schritt "Hauptfenster"
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
splash_weg() { ! e2e_ist_sichtbar "$splash"; }
e2e_warte 15 "das Begrüßungsfenster bleibt neben dem Hauptfenster offen" splash_weg
hauptfenster_gemalt() {
  import -window "$E2E_HAUPTFENSTER" "$E2E_TMP/haupt.png" && ! e2e_leer "$E2E_TMP/haupt.png"
}
e2e_warte 15 "das Hauptfenster bleibt leer" hauptfenster_gemalt

schritt "Logbuch und Einstellungen"
erwartet="Programm gestartet => Lft. Programmstart 1; kein Zeitplan vorhanden"
erster_eintrag() { e2e_logbuch | head -n 1 | grep .; }
e2e_warte 15 "das Logbuch $E2E_LOGBUCH hat keinen Eintrag" erster_eintrag
[ "$E2E_AUSGABE" = "$erwartet" ] ||
  fehler "erster Logbuch-Eintrag ist \"$E2E_AUSGABE\", erwartet \"$erwartet\""
zaehler=$(e2e_einstellung Tool Count) || fehler "Tool/Count fehlt in $E2E_EINSTELLUNGEN"
[ "$zaehler" = 2 ] || fehler "Tool/Count ist \"$zaehler\", erwartet 2"
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich von selbst beendet"
echo "OK"
