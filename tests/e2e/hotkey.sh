#!/usr/bin/env bash
# The global hotkey ALT+S: the grab against a second X client (the HotkeysX11
# cases of test_desktop), switched on in the menu it brings the minimised
# window back from another program's window, switched off it does nothing and
# leaves the key to others, and a key another program already holds makes the
# start go on quietly without it.
source "$(dirname "$0")/lib.sh"
E2E_TESTPROGRAMM=${2:?Aufruf: $0 PFAD-ZU-BEWAHRIX PFAD-ZU-TEST_DESKTOP}
e2e_umgebung

# A second client of the server: "pruefen" grabs ALT+S and lets go again
# (exit 1 when it is taken), "halten DATEI" holds it and writes DATEI once
# the server has granted the grab.
GRIFF='
import ctypes, sys, time
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XStringToKeysym.restype = ctypes.c_ulong
x.XStringToKeysym.argtypes = [ctypes.c_char_p]
x.XKeysymToKeycode.restype = ctypes.c_ubyte
x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong,
                       ctypes.c_int, ctypes.c_int, ctypes.c_int]
x.XUngrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
fehler = []
Behandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
behandler = Behandler(lambda anzeige, ereignis: fehler.append(1) or 0)
x.XSetErrorHandler(behandler)
anzeige = x.XOpenDisplay(None)
if not anzeige:
    sys.exit("X-Display nicht erreichbar")
wurzel = x.XDefaultRootWindow(anzeige)
taste = x.XKeysymToKeycode(anzeige, x.XStringToKeysym(b"s"))
MOD1, ASYNCHRON = 8, 1
x.XGrabKey(anzeige, taste, MOD1, wurzel, 1, ASYNCHRON, ASYNCHRON)
x.XSync(anzeige, 0)
if fehler:
    sys.exit(1)
if sys.argv[1] == "pruefen":
    x.XUngrabKey(anzeige, taste, MOD1, wurzel)
    x.XSync(anzeige, 0)
    sys.exit(0)
open(sys.argv[2], "w").close()
while True:
    time.sleep(1)
'
alt_s_frei() { python3 -c "$GRIFF" pruefen; }

schritt "Griff gegen einen zweiten X-Client (test_desktop, HotkeysX11)"
ausgabe=$(QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
  "$E2E_TESTPROGRAMM" --gtest_filter='HotkeysX11.*' 2>&1) || {
  echo "$ausgabe"
  fehler "die HotkeysX11-Fälle scheitern"
}
grep -q 'SKIPPED' <<<"$ausgabe" && { echo "$ausgabe"; fehler "die HotkeysX11-Fälle wurden übersprungen"; }
grep -q '^\[  PASSED  \] [1-9]' <<<"$ausgabe" || { echo "$ausgabe"; fehler "keine HotkeysX11-Fälle gelaufen"; }

e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
hauptfenster=$E2E_HAUPTFENSTER
# Minimising hides the window only once the icon is in the tray.
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol

# Hilfe > sonstiges > "Bewahrix mit ALT+S in den Vordergrund" by keyboard:
# the first menu title sits in the window's top left corner, and Left from
# its menu wraps round to "Hilfe" with its first item chosen.
hotkey_menuepunkt() {
  xdotool mousemove --window "$hauptfenster" 30 10 click 1
  # The pointer away from the menus, so that only the keys choose.
  xdotool mousemove 1270 790
  sleep 1
  xdotool key --delay 400 Left Down Right Down Return
}

minimieren() {
  e2e_geometrie "$hauptfenster"
  xdotool mousemove --window "$hauptfenster" $((BREITE - 130)) $((HOEHE - 18)) click 1
  e2e_warte 15 "das Hauptfenster bleibt nach \"Minimieren\" sichtbar" hauptfenster_weg
}
hauptfenster_weg() { ! e2e_ist_sichtbar "$hauptfenster"; }
hauptfenster_da() { e2e_ist_sichtbar "$hauptfenster"; }

# Another program's window has the keyboard when ALT+S is pressed.
andere_anwendung() {
  xmessage -name andere "eine andere Anwendung" >/dev/null 2>&1 &
  e2e_merke $!
  E2E_ANDERE=$!
  e2e_warte 15 "das Fenster der anderen Anwendung erscheint nicht" \
    xdotool search --onlyvisible --classname '^andere$'
  xdotool windowfocus --sync "$(head -n 1 <<<"$E2E_AUSGABE")"
}

gespeichert() { [ "$(e2e_einstellung Tool HotkeyAktion)" = "$1" ]; }

schritt "Einschalten im Menü"
alt_s_frei || fehler "ALT+S ist schon vor dem Einschalten belegt"
hotkey_menuepunkt
e2e_warte 15 "\"Tool\"/\"HotkeyAktion\" wird nicht \"True\"" gespeichert True
alt_s_frei && fehler "ALT+S ist nach dem Einschalten nicht belegt"

schritt "ALT+S holt das minimierte Fenster aus einer anderen Anwendung zurück"
minimieren
andere_anwendung
xdotool key alt+s
e2e_warte 15 "ALT+S bringt das Hauptfenster nicht zurück" hauptfenster_da
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich bei ALT+S beendet"
e2e_beende "$E2E_ANDERE"

schritt "Ausschalten im Menü"
hotkey_menuepunkt
e2e_warte 15 "\"Tool\"/\"HotkeyAktion\" wird nicht \"False\"" gespeichert False
alt_s_frei || fehler "ALT+S bleibt nach dem Ausschalten belegt"
minimieren
xdotool key alt+s
sleep 2
hauptfenster_da && fehler "ALT+S holt das Fenster auch ausgeschaltet zurück"
e2e_beende "$E2E_BEWAHRIX"

schritt "Belegt von einem anderen Programm: Start ohne Meldung, ALT+S bleibt dort"
python3 - "$E2E_EINSTELLUNGEN" <<'EOF'
import sqlite3, sys
verbindung = sqlite3.connect(sys.argv[1])
with verbindung:
    verbindung.execute("UPDATE settings SET value = 'True' WHERE section_fold = 'tool' AND key_fold = 'hotkeyaktion'")
verbindung.close()
EOF
gespeichert True || fehler "\"Tool\"/\"HotkeyAktion\" lässt sich nicht vorbereiten"
python3 -c "$GRIFF" halten "$E2E_TMP/gegriffen" &
e2e_merke $!
e2e_warte 15 "das andere Programm bekommt ALT+S nicht" test -e "$E2E_TMP/gegriffen"
e2e_bewahrix_starten
e2e_hauptfenster_abwarten "$E2E_BEWAHRIX"
hauptfenster=$E2E_HAUPTFENSTER
e2e_warte 30 "kein Symbol von Bewahrix im Infobereich" e2e_tray_symbol
sleep 1
fenster=$(e2e_fenster_von "$E2E_BEWAHRIX" | wc -l)
((fenster == 1)) || fehler "$fenster Fenster \"Bewahrix\" offen, erwartet nur das Hauptfenster (eine Meldung?)"
minimieren
xdotool key alt+s
sleep 2
hauptfenster_da && fehler "ALT+S holt das Fenster zurück, obwohl ein anderes Programm die Taste hält"
e2e_laeuft "$E2E_BEWAHRIX" || fehler "Bewahrix hat sich beendet"
gespeichert True || fehler "die fehlgeschlagene Anmeldung hat \"Tool\"/\"HotkeyAktion\" geändert"
echo "OK"
