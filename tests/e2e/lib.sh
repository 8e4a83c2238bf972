# Shared by the end-to-end tests. Source it with the program's path as $1.
# It gives a private X server with a tray host, a fresh HOME and XDG set in a
# temporary folder, and ends exactly the processes it started when the test
# ends, fails or is interrupted.

set -euo pipefail

E2E_PROGRAMM=${1:?Aufruf: $0 PFAD-ZU-BEWAHRIX}
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/bewahrix-e2e.XXXXXX")
E2E_LOGS=()     # the program's output, shown when the test fails
E2E_AUSGABE=""  # output of the last successful e2e_warte
E2E_STATUS=""   # exit status from the last e2e_ende_abwarten
touch "$E2E_TMP/pids"  # started and not yet reaped, in start order

fehler() { echo "FEHLER: $*" >&2; exit 1; }
schritt() { echo "-- $*"; }

# The EXIT trap does not run when the test is killed outright (a CTest
# timeout); this watcher then ends what the test had started.
(
  while kill -0 $$ 2>/dev/null; do sleep 1; done
  kill -KILL $(cat "$E2E_TMP/pids") 2>/dev/null || true
  rm -rf "$E2E_TMP"
) </dev/null >/dev/null 2>&1 &
E2E_WAECHTER=$!

e2e_merke() { echo "$1" >>"$E2E_TMP/pids"; }
e2e_vergiss() { sed -i "/^$1\$/d" "$E2E_TMP/pids"; }

# True until the process has exited; an exited child that is not yet reaped
# (a zombie) counts as ended, which kill -0 would not tell.
e2e_laeuft() {
  local stat
  stat=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null) || return 1
  [ "${stat%% *}" != Z ]
}

e2e_jetzt_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }

# e2e_ende_abwarten PID SEKUNDEN: true when the child has ended in time; its
# exit status is then in E2E_STATUS.
e2e_ende_abwarten() {
  local ende=$(($(e2e_jetzt_ms) + $2 * 1000))
  while e2e_laeuft "$1"; do
    (($(e2e_jetzt_ms) < ende)) || return 1
    sleep 0.05
  done
  E2E_STATUS=0
  wait "$1" || E2E_STATUS=$?
  e2e_vergiss "$1"
}

# Stops a started process by its PID: TERM, after 15 s KILL.
e2e_beende() {
  kill -TERM "$1" 2>/dev/null || true
  e2e_ende_abwarten "$1" 15 && return 0
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  e2e_vergiss "$1"
}

e2e_aufraeumen() {
  local status=$? pid log
  set +e
  for pid in $(tac "$E2E_TMP/pids"); do e2e_beende "$pid"; done
  kill "$E2E_WAECHTER" 2>/dev/null
  wait "$E2E_WAECHTER" 2>/dev/null
  for log in ${E2E_LOGS[@]+"${E2E_LOGS[@]}"}; do
    [ "$status" -ne 0 ] && [ -s "$log" ] || continue
    echo "--- Ausgabe von Bewahrix ($(basename "$log")):"
    grep -av '^qt\.accessibility' "$log" | tail -n 40
  done
  rm -rf "$E2E_TMP"
  exit "$status"
}
trap e2e_aufraeumen EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# e2e_warte SEKUNDEN WAS BEFEHL...: repeats the command until it succeeds and
# keeps its output in E2E_AUSGABE; fails the test with WAS after the time.
e2e_warte() {
  local frist=$1 was=$2
  shift 2
  local ende=$(($(e2e_jetzt_ms) + frist * 1000))
  until E2E_AUSGABE=$("$@" 2>/dev/null); do
    (($(e2e_jetzt_ms) < ende)) || fehler "$was (nach $frist s)"
    sleep 0.1
  done
}

# e2e_nicht BEFEHL...: true when the command fails, for e2e_warte.
e2e_nicht() { ! "$@" >/dev/null; }

# HOME and XDG in the test's folder; no session bus, so the tray icon goes
# through the X tray host and no desktop service of the machine is touched.
e2e_zuhause() {
  export HOME="$E2E_TMP/home"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
  export XDG_RUNTIME_DIR="$E2E_TMP/laufzeit"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
  chmod 0700 "$XDG_RUNTIME_DIR"
  E2E_LOGBUCH="$HOME/Logbuch.log"
  E2E_EINSTELLUNGEN="$XDG_CONFIG_HOME/RoroVareduze/settings.db"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/kein-bus"
}

# Xvfb takes the first free display number itself and names it once it
# accepts clients, so tests in other worktrees never share a display.
e2e_x_starten() {
  Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  e2e_merke $!
  e2e_warte 15 "Xvfb startet nicht" grep -qx '[0-9][0-9]*' "$E2E_TMP/display"
  export DISPLAY=":$(cat "$E2E_TMP/display")"
  unset XAUTHORITY
}

e2e_tray_starten() {
  trayer --edge top --align left --widthtype pixel --width 200 --height 32 >"$E2E_TMP/trayer.log" 2>&1 &
  e2e_merke $!
  e2e_warte 30 "der Infobereich (trayer) meldet sich nicht an" \
    python3 "$E2E_DIR/werkzeug.py" besitzer _NET_SYSTEM_TRAY_S0
}

# HOME/XDG, X server and tray host: what every test needs first.
e2e_umgebung() {
  e2e_zuhause
  e2e_x_starten
  e2e_tray_starten
  schritt "X-Display $DISPLAY mit Infobereich bereit"
}

# Starts the program in the background; its PID goes to E2E_BEWAHRIX.
e2e_bewahrix_starten() {
  local log="$E2E_TMP/bewahrix-$((${#E2E_LOGS[@]} + 1)).log"
  E2E_LOGS+=("$log")
  # X libraries leak at exit; every other sanitizer finding still aborts.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 QT_QPA_PLATFORM=xcb "$E2E_PROGRAMM" >"$log" 2>&1 &
  E2E_BEWAHRIX=$!
  e2e_merke "$E2E_BEWAHRIX"
}

# e2e_warte_logbuch SEKUNDEN ZEILE...: until the logbook holds every line.
e2e_warte_logbuch() {
  local frist=$1 zeile
  shift
  for zeile in "$@"; do e2e_warte "$frist" "im Logbuch fehlt \"$zeile\"" e2e_im_logbuch "$zeile"; done
}
e2e_im_logbuch() { e2e_logbuch | grep -xF "$1" >/dev/null; }

# --- Windows. Every query prints ids and fails when there are none, so it
# can be given to e2e_warte.

# Visible top-level windows titled "Bewahrix" of one process.
e2e_fenster_von() {
  local id ausgabe=""
  for id in $(xdotool search --onlyvisible --name '^Bewahrix$' 2>/dev/null); do
    [ "$(e2e_fenster_pid "$id")" = "$1" ] && ausgabe+="$id"$'\n'
  done
  [ -n "$ausgabe" ] && printf '%s' "$ausgabe"
}

e2e_fenster_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | sed -n 's/.* = //p'; }

e2e_ist_sichtbar() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# e2e_geometrie ID: sets X Y BREITE HOEHE (absolute position).
e2e_geometrie() {
  local info
  info=$(xwininfo -id "$1") || fehler "Fenster $1 gibt es nicht"
  read -r X Y BREITE HOEHE <<<"$(sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' <<<"$info" | paste -sd ' ')"
}

# The program's main window: titled "Bewahrix", of the given process, and at
# least the smallest size the window allows (the splash is smaller).
e2e_hauptfenster() {
  local id X Y BREITE HOEHE
  for id in $(e2e_fenster_von "$1"); do
    e2e_geometrie "$id"
    ((BREITE >= 525 && HOEHE >= 396)) && { echo "$id"; return 0; }
  done
  return 1
}

e2e_hauptfenster_abwarten() {
  e2e_warte 20 "das Hauptfenster \"Bewahrix\" erscheint nicht" e2e_hauptfenster "$1"
  E2E_HAUPTFENSTER=$E2E_AUSGABE
}

# The tray icon: a window of the program docked inside the tray host's panel.
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

# e2e_menue_offen FENSTER: an open menu, a visible window of the program
# other than FENSTER tall enough for four entries (a tooltip or the tray
# icon is lower).
e2e_menue_offen() {
  local id X Y BREITE HOEHE
  for id in $(xdotool search --onlyvisible --classname '^bewahrix$' 2>/dev/null); do
    [ "$id" = "$1" ] && continue
    e2e_geometrie "$id"
    ((HOEHE >= 80)) && { echo "$id"; return 0; }
  done
  return 1
}

# e2e_seite_waehlen FENSTER K: page K from the menu "Programm", the menu
# bar's first title, which starts with the submenu "Internet".
e2e_seite_waehlen() {
  local tasten=(Down) i
  xdotool mousemove --window "$1" 30 8 click 1
  e2e_warte 15 "das Menü \"Programm\" klappt nicht auf" e2e_menue_offen "$1"
  for ((i = 0; i <= $2; i++)); do tasten+=(Down); done
  xdotool key "${tasten[@]}" Return
}

# --- Pictures.

# e2e_leer DATEI: true when the picture is blank (one colour or nearly so).
e2e_leer() {
  local farben
  farben=$(convert "$1" -format '%k' info:) || return 0
  ((farben < 16))
}

# e2e_fensterbild ID DATEI: the window's picture, without the time stamps
# that would make every new picture differ from the last.
e2e_fensterbild() { import -window "$1" -strip -define png:exclude-chunks=date,time "$2"; }

# e2e_abweichung A B: how many pixels differ; pictures of different sizes
# cannot be compared, so all of them.
e2e_abweichung() {
  local ae
  ae=$(compare -metric AE "$1" "$2" null: 2>&1) || true
  [[ $ae =~ ^[0-9]+$ ]] && echo "$ae" || echo 999999999
}

# e2e_bildschirm_ausschnitt DATEI X Y BREITE HOEHE: the screen in a rectangle.
e2e_bildschirm_ausschnitt() { import -window root -crop "$4x$5+$2+$3" +repage "$1"; }

# --- The program's files.

e2e_logbuch() { python3 "$E2E_DIR/werkzeug.py" logbuch "$E2E_LOGBUCH"; }
e2e_einstellung() { python3 "$E2E_DIR/werkzeug.py" einstellung "$E2E_EINSTELLUNGEN" "$1" "$2"; }
e2e_setze() { python3 "$E2E_DIR/werkzeug.py" setze "$E2E_EINSTELLUNGEN" "$1" "$2" "$3"; }
