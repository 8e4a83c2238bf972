# Shared by the end-to-end tests; source it with the program's path as $1. A fresh HOME, then a private X server with
# a tray host (e2e_x11) or a headless compositor (e2e_wayland); what the test started in the background ends with it.
set -euo pipefail

E2E_PROGRAMM=${1:?Aufruf: $0 PFAD-ZU-BEWAHRIX}
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/bewahrix-e2e.XXXXXX")

fehler() { echo "FEHLER: $*" >&2; exit 1; }
schritt() { echo "-- $*"; }
e2e_nicht() { ! "$@" >/dev/null; }
# A zombie counts as ended, which kill -0 would not tell.
e2e_laeuft() { [ "$(sed 's/^.*) \(.\).*/\1/' "/proc/$1/stat" 2>/dev/null || echo Z)" != Z ]; }

# e2e_bis SEKUNDEN BEFEHL...: true once the command succeeds (its output in E2E_AUSGABE), false after that long.
e2e_bis() {
  local ende=$((SECONDS + $1))
  until E2E_AUSGABE=$("${@:2}" 2>/dev/null); do
    ((SECONDS < ende)) || return 1
    sleep 0.1
  done
}
# e2e_warte SEKUNDEN WAS BEFEHL...: the same, or the test fails with WAS.
e2e_warte() { e2e_bis "$1" "${@:3}" || fehler "$2 (nach $1 s)"; }
# e2e_ende_abwarten PID SEKUNDEN: true when the child ended in time, with its status in E2E_STATUS.
e2e_ende_abwarten() {
  e2e_bis "$2" e2e_nicht e2e_laeuft "$1" || return 1
  E2E_STATUS=0
  wait "$1" || E2E_STATUS=$?
}
# TERM, after 15 s KILL.
e2e_beende() { kill -TERM "$1" 2>/dev/null || true; e2e_ende_abwarten "$1" 15 || { kill -KILL "$1"; wait "$1"; } 2>/dev/null || true; }

# The last started ends first; the program's output is shown when the test fails.
e2e_aufraeumen() {
  local status=$? pid
  set +e
  for pid in $(jobs -p | tac); do e2e_beende "$pid"; done
  [ "$status" = 0 ] || tail -v -n 40 "$E2E_TMP"/bewahrix-*.log 2>/dev/null
  rm -rf "$E2E_TMP"
  exit "$status"
}
trap e2e_aufraeumen EXIT
for signal in HUP:129 INT:130 TERM:143; do trap "exit ${signal#*:}" "${signal%:*}"; done

# The XDG folders follow HOME; the machine's logind stays out of it.
export HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/laufzeit" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$E2E_TMP/kein-systembus"
unset WAYLAND_DISPLAY DISPLAY XAUTHORITY XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
mkdir "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
E2E_LOGBUCH="$HOME/Logbuch.log" E2E_EINSTELLUNGEN="$HOME/.config/RoroVareduze/settings.db"

# No session bus: the icon goes through the X tray host. Xvfb picks a free display, so worktrees never share one.
e2e_x11() {
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/kein-bus" E2E_PLATTFORM=xcb
  Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  e2e_warte 15 "Xvfb startet nicht" grep -qx '[0-9][0-9]*' "$E2E_TMP/display"
  export DISPLAY=":$(cat "$E2E_TMP/display")"
  trayer --edge top --align left --widthtype pixel --width 200 --height 32 >"$E2E_TMP/trayer.log" 2>&1 &
  e2e_warte 30 "der Infobereich (trayer) meldet sich nicht an" e2e_werkzeug besitzer _NET_SYSTEM_TRAY_S0
}
# Needs a session bus of its own (dbus-run-session), where dienste.py plays the desktop's services.
e2e_wayland() {
  weston --backend=headless-backend.so --socket=wayland-e2e --debug --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
  e2e_warte 15 "weston startet nicht" test -S "$XDG_RUNTIME_DIR/wayland-e2e"
  export WAYLAND_DISPLAY=wayland-e2e E2E_PLATTFORM=wayland
}

# PID in E2E_BEWAHRIX. X libraries leak at exit; every other sanitizer finding still aborts.
e2e_bewahrix_starten() {
  E2E_STARTS=$((${E2E_STARTS:-0} + 1))
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 QT_QPA_PLATFORM=$E2E_PLATTFORM "$E2E_PROGRAMM" >"$E2E_TMP/bewahrix-$E2E_STARTS.log" 2>&1 &
  E2E_BEWAHRIX=$!
}
# e2e_stoppen SIGNAL FRIST: the signal of a session's end stops the program in order, with status 0.
e2e_stoppen() {
  kill "-$1" "$E2E_BEWAHRIX"
  e2e_ende_abwarten "$E2E_BEWAHRIX" "$2" || fehler "Bewahrix endet nicht binnen $2 s nach SIG$1"
  e2e_beendet
}
e2e_beendet() {
  [ "$E2E_STATUS" = 0 ] || fehler "Bewahrix endet mit Status $E2E_STATUS statt 0"
  [ "$(e2e_logbuch | tail -n 1)" = "Programm beendet" ] || fehler "der letzte Logbuch-Eintrag ist nicht \"Programm beendet\""
}

# e2e_warte_logbuch SEKUNDEN MUSTER: until a line of the logbook matches (a basic grep pattern).
e2e_warte_logbuch() { e2e_warte "$1" "im Logbuch fehlt \"$2\"" e2e_im_logbuch "$2"; }
e2e_im_logbuch() { e2e_logbuch | grep -x "$1" >/dev/null; }
e2e_werkzeug() { python3 "$E2E_DIR/werkzeug.py" "$@"; }
e2e_logbuch() { e2e_werkzeug logbuch "$E2E_LOGBUCH"; }
e2e_einstellung() { e2e_werkzeug einstellung "$E2E_EINSTELLUNGEN" "$1" "$2"; }
e2e_setze() { e2e_werkzeug setze "$E2E_EINSTELLUNGEN" "$@"; }  # ABSCHNITT SCHLUESSEL WERT, as often as needed
# e2e_plane_gleich SEKUNDEN: schedule 1 daily at the coming minute that leaves the program that long to start.
e2e_plane_gleich() {
  E2E_BEGINN=$((($(date +%s) + $1 + 59) / 60 * 60))
  e2e_setze Timer DayArt1 3 Timer SollDay1 "$(date +%d.%m.%Y)" Timer SollTime1 "$(date -d "@$E2E_BEGINN" +%H:%M:00)"
}

# X11: window queries print ids and fail when there are none, for e2e_warte.
e2e_fenster_von() { xdotool search --all --onlyvisible --pid "$1" --name '^Bewahrix$'; }  # visible windows "Bewahrix" of PID $1
e2e_ist_sichtbar() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
e2e_geometrie() { local g; g=$(xdotool getwindowgeometry --shell "$1") && eval "$g"; }  # sets X Y WIDTH HEIGHT
# e2e_groesser HOEHE BREITE ID...: the first window at least that big.
e2e_groesser() {
  local h=$1 b=$2 id X Y WIDTH HEIGHT SCREEN WINDOW
  for id in "${@:3}"; do
    e2e_geometrie "$id" && ((HEIGHT >= h && WIDTH >= b)) && { echo "$id"; return 0; }
  done
  return 1
}
# At least the window's smallest size: the splash is smaller.
e2e_hauptfenster_abwarten() { e2e_warte 20 "das Hauptfenster \"Bewahrix\" erscheint nicht" e2e_hauptfenster "$1"; E2E_HAUPTFENSTER=$E2E_AUSGABE; }
e2e_hauptfenster() { e2e_groesser 396 525 $(e2e_fenster_von "$1"); }
# An open menu while the main window is hidden: tall enough for four entries, unlike a tooltip or the tray icon.
e2e_menue_offen() { e2e_groesser 80 0 $(xdotool search --onlyvisible --classname '^bewahrix$' 2>/dev/null | grep -vx "${1:-}"); }  # [not window $1]
# The tray icon: a window of the program docked in the tray host's panel.
e2e_tray_symbol() {
  local panel id
  panel=$(xdotool search --classname '^panel$' | head -n 1) && [ -n "$panel" ] || return 1
  for id in $(xdotool search --onlyvisible --classname '^bewahrix$'); do
    xwininfo -tree -id "$panel" | grep -q "^ *$(printf '0x%x' "$id") " && { echo "$id"; return 0; }
  done
  return 1
}
