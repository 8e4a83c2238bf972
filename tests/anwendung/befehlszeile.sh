#!/usr/bin/env bash
# --help, --version and an unknown option on the real program without any
# display: German text, exit status, and nothing created (store, logbook,
# instance lock).
set -uo pipefail
programm=$1 version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fehler=0

# pruefe STATUS ZEILE ARGUMENT...
pruefe() {
  local soll=$1 zeile=$2
  shift 2
  timeout 20 "$programm" "$@" >"$tmp/ausgabe" 2>&1
  local status=$?
  [ "$status" -eq "$soll" ] || { echo "bewahrix $*: Status $status statt $soll"; fehler=1; }
  grep -qxF -- "$zeile" "$tmp/ausgabe" || { echo "bewahrix $*: \"$zeile\" fehlt in:"; cat "$tmp/ausgabe"; fehler=1; }
}
pruefe 0 "Aufruf: bewahrix [Option]" --help
pruefe 0 "  -v, --version   zeigt die Version" -h
pruefe 0 "Bewahrix Version $version" --version
pruefe 2 "bewahrix: unbekannte Option „--gibtsnicht“" --gibtsnicht
pruefe 2 "Aufruf: bewahrix [Option]" -x
rm "$tmp/ausgabe"
angelegt=$(find "$tmp" -mindepth 1 -not -path "$HOME" -not -path "$XDG_RUNTIME_DIR")
[ -z "$angelegt" ] || { echo "angelegt: $angelegt"; fehler=1; }
exit $fehler
