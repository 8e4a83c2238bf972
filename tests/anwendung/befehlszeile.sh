#!/usr/bin/env bash
# --help, --version, an unknown option without a display: text, status, nothing created.
set -uo pipefail
programm=$1 version=$2 fehler=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/run
mkdir "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
while IFS='|' read -r soll zeile argument; do
  ausgabe=$(timeout 20 "$programm" "$argument" </dev/null 2>&1)
  status=$?
  [ "$status" -eq "$soll" ] && grep -qxF -- "$zeile" <<<"$ausgabe" ||
    { echo "bewahrix $argument: Status $status statt $soll oder \"$zeile\" fehlt in: $ausgabe"; fehler=1; }
done <<EOF
0|Aufruf: bewahrix [Option]|--help
0|  -v, --version   zeigt die Version|-h
0|Bewahrix Version $version|--version
2|bewahrix: unbekannte Option „--gibtsnicht“|--gibtsnicht
2|Aufruf: bewahrix [Option]|-x
EOF
angelegt=$(find "$tmp" -mindepth 2)  # below HOME or the runtime folder
[ -z "$angelegt" ] || { echo "angelegt: $angelegt"; exit 1; }
exit $fehler
