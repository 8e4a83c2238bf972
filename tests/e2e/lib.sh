# Shared by the end-to-end tests; source it with the program's path as $1. A fresh HOME and XDG folders in a
# temporary folder, then a private X server with a tray host (e2e_x11) or a headless compositor (e2e_wayland);
# the processes it started end with the test.
set -euo pipefail

E2E_PROGRAMM=${1:?Aufruf: $0 PFAD-ZU-BEWAHRIX}
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/bewahrix-e2e.XXXXXX")
E2E_LOGS=()  # the program's output, shown when the test fails
touch "$E2E_TMP/pids"  # started and not yet reaped

fehler() { echo "FEHLER: $*" >&2; exit 1; }
schritt() { echo "-- $*"; }
e2e_merke() { echo "$1" >>"$E2E_TMP/pids"; }
e2e_jetzt_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
# A zombie counts as ended, which kill -0 would not tell.
e2e_laeuft() { [ "$(sed 's/^.*) \(.\).*/\1/' "/proc/$1/stat" 2>/dev/null || echo Z)" != Z ]; }

# e2e_ende_abwarten PID SEKUNDEN: true when the child ended in time, with its status in E2E_STATUS.
e2e_ende_abwarten() {
  local ende=$(($(e2e_jetzt_ms) + $2 * 1000))
  while e2e_laeuft "$1"; do
    (($(e2e_jetzt_ms) < ende)) || return 1
    sleep 0.05
  done
  E2E_STATUS=0
  wait "$1" || E2E_STATUS=$?
  sed -i "/^$1\$/d" "$E2E_TMP/pids"
}
# TERM, after 15 s KILL.
e2e_beende() { kill -TERM "$1" 2>/dev/null || true; e2e_ende_abwarten "$1" 15 || { kill -KILL "$1"; wait "$1"; } 2>/dev/null || true; }

e2e_aufraeumen() {
  local status=$? pid log
  set +e
  for pid in $(tac "$E2E_TMP/pids"); do e2e_beende "$pid"; done
  for log in ${E2E_LOGS[@]+"${E2E_LOGS[@]}"}; do
    [ "$status" -ne 0 ] && [ -s "$log" ] && echo "--- Ausgabe von Bewahrix ($(basename "$log")):" && tail -n 40 "$log"
  done
  rm -rf "$E2E_TMP"
  exit "$status"
}
trap e2e_aufraeumen EXIT
for signal in HUP:129 INT:130 TERM:143; do trap "exit ${signal#*:}" "${signal%:*}"; done

# e2e_warte SEKUNDEN WAS BEFEHL...: until the command succeeds (output in E2E_AUSGABE), else fails with WAS.
e2e_warte() {
  local frist=$1 was=$2
  shift 2
  local ende=$(($(e2e_jetzt_ms) + frist * 1000))
  until E2E_AUSGABE=$("$@" 2>/dev/null); do
    (($(e2e_jetzt_ms) < ende)) || fehler "$was (nach $frist s)"
    sleep 0.1
  done
}
e2e_nicht() { ! "$@" >/dev/null; }

export HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/laufzeit"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$E2E_TMP/kein-systembus"  # the machine's logind stays out of it
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 0700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY DISPLAY XAUTHORITY
E2E_LOGBUCH="$HOME/Logbuch.log" E2E_EINSTELLUNGEN="$XDG_CONFIG_HOME/RoroVareduze/settings.db"

# No session bus: the icon goes through the X tray host, no desktop service is touched.
# Xvfb picks a free display itself, so tests in other worktrees never share one.
e2e_x11() {
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/kein-bus" E2E_PLATTFORM=xcb
  Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  e2e_merke $!
  e2e_warte 15 "Xvfb startet nicht" grep -qx '[0-9][0-9]*' "$E2E_TMP/display"
  export DISPLAY=":$(cat "$E2E_TMP/display")"
  trayer --edge top --align left --widthtype pixel --width 200 --height 32 >"$E2E_TMP/trayer.log" 2>&1 &
  e2e_merke $!
  e2e_warte 30 "der Infobereich (trayer) meldet sich nicht an" e2e_werkzeug besitzer _NET_SYSTEM_TRAY_S0
}
# Needs a session bus of its own (dbus-run-session), where dienste.py plays the desktop's services.
e2e_wayland() {
  [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fehler "kein eigener Sitzungsbus: mit dbus-run-session starten"
  weston --backend=headless-backend.so --socket=wayland-e2e --debug --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
  e2e_merke $!
  e2e_warte 15 "weston startet nicht" test -S "$XDG_RUNTIME_DIR/wayland-e2e"
  export WAYLAND_DISPLAY=wayland-e2e E2E_PLATTFORM=wayland
}

# PID in E2E_BEWAHRIX. X libraries leak at exit; every other sanitizer finding still aborts.
e2e_bewahrix_starten() {
  local log="$E2E_TMP/bewahrix-$((${#E2E_LOGS[@]} + 1)).log"
  E2E_LOGS+=("$log")
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 QT_QPA_PLATFORM=$E2E_PLATTFORM "$E2E_PROGRAMM" >"$log" 2>&1 &
  E2E_BEWAHRIX=$!
  e2e_merke "$E2E_BEWAHRIX"
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

# e2e_warte_logbuch SEKUNDEN ZEILE...: until the logbook holds every line.
e2e_warte_logbuch() {
  local zeile
  for zeile in "${@:2}"; do e2e_warte "$1" "im Logbuch fehlt \"$zeile\"" e2e_im_logbuch "$zeile"; done
}
e2e_im_logbuch() { e2e_logbuch | grep -xF "$1" >/dev/null; }
e2e_werkzeug() { python3 "$E2E_DIR/werkzeug.py" "$@"; }
e2e_logbuch() { e2e_werkzeug logbuch "$E2E_LOGBUCH"; }
e2e_einstellung() { e2e_werkzeug einstellung "$E2E_EINSTELLUNGEN" "$1" "$2"; }
e2e_setze() { e2e_werkzeug setze "$E2E_EINSTELLUNGEN" "$1" "$2" "$3"; }
# e2e_plane_gleich SEKUNDEN: schedule 1 daily at the coming minute that leaves the program that long to start.
e2e_plane_gleich() {
  local jetzt
  jetzt=$(date +%s)
  E2E_BEGINN=$(((jetzt + $1 + 59) / 60 * 60))
  e2e_setze Timer DayArt1 3
  e2e_setze Timer SollDay1 "$(date +%d.%m.%Y)"
  e2e_setze Timer SollTime1 "$(date -d "@$E2E_BEGINN" +%H:%M:00)"
}

# X11: window queries print ids and fail when there are none, for e2e_warte.
e2e_fenster_von() {  # visible windows titled "Bewahrix" of process $1
  local id ausgabe=""
  for id in $(xdotool search --onlyvisible --name '^Bewahrix$' 2>/dev/null); do
    [ "$(xprop -id "$id" _NET_WM_PID 2>/dev/null | sed -n 's/.* = //p')" = "$1" ] && ausgabe+="$id"$'\n'
  done
  [ -n "$ausgabe" ] && printf '%s' "$ausgabe"
}
e2e_ist_sichtbar() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
e2e_geometrie() {  # sets X Y BREITE HOEHE
  read -r X Y BREITE HOEHE <<<"$(xwininfo -id "$1" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | paste -sd ' ')"
  [ -n "$HOEHE" ] || fehler "Fenster $1 gibt es nicht"
}
# e2e_groesser HOEHE BREITE AUSSER ID...: the first window other than AUSSER at least that big.
e2e_groesser() {
  local h=$1 b=$2 ausser=$3 id X Y BREITE HOEHE
  shift 3
  for id in "$@"; do
    [ "$id" = "$ausser" ] && continue
    e2e_geometrie "$id"
    ((HOEHE >= h && BREITE >= b)) && { echo "$id"; return 0; }
  done
  return 1
}
# At least the window's smallest size: the splash is smaller.
e2e_hauptfenster_abwarten() {
  e2e_warte 20 "das Hauptfenster \"Bewahrix\" erscheint nicht" e2e_hauptfenster "$1"
  E2E_HAUPTFENSTER=$E2E_AUSGABE
}
e2e_hauptfenster() { e2e_groesser 396 525 "" $(e2e_fenster_von "$1"); }
# An open menu: tall enough for four entries, unlike a tooltip or the tray icon.
e2e_menue_offen() { e2e_groesser 80 0 "$1" $(xdotool search --onlyvisible --classname '^bewahrix$' 2>/dev/null); }

# The tray icon: a window of the program docked in the tray host's panel.
e2e_tray_symbol() {
  local panel id eingebettet
  panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -n 1)
  [ -n "$panel" ] || return 1
  eingebettet=$(xwininfo -tree -id "$panel" 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p')
  for id in $(xdotool search --onlyvisible --classname '^bewahrix$' 2>/dev/null); do
    grep -qx "$(printf '0x%x' "$id")" <<<"$eingebettet" && { echo "$id"; return 0; }
  done
  return 1
}

# e2e_seite_waehlen FENSTER K: page K from the menu "Programm", whose first entry is the submenu "Internet".
e2e_seite_waehlen() {
  local tasten=(Down) i
  xdotool mousemove --window "$1" 30 8 click 1
  e2e_warte 15 "das Menü \"Programm\" klappt nicht auf" e2e_menue_offen "$1"
  for ((i = 0; i <= $2; i++)); do tasten+=(Down); done
  xdotool key "${tasten[@]}" Return
  e2e_warte 15 "das Menü \"Programm\" schließt sich nicht" e2e_nicht e2e_menue_offen "$1"
}
