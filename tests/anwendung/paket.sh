#!/usr/bin/env bash
# The package from this build tree: relations, files under /usr, dpkg -i and -r.
# Skipped (77) when not root or when a bewahrix package is installed.
set -uo pipefail
bau=$1 id=$2 version=$3 fehler=0
[ "$(id -u)" -eq 0 ] || { echo "Übersprungen: dpkg braucht root."; exit 77; }
dpkg-query -W -f='${Status}' bewahrix 2>/dev/null | grep -q installed && { echo "Übersprungen: bewahrix ist installiert."; exit 77; }
tmp=$(mktemp -d)
trap 'dpkg -r bewahrix >/dev/null 2>&1; rm -rf "$tmp"' EXIT
falsch() { echo "$*"; fehler=1; }
deb=$tmp/bewahrix_${version}_amd64.deb
cpack --config "$bau/CPackConfig.cmake" -B "$tmp" >"$tmp/log" 2>&1 && [ -f "$deb" ] || { cat "$tmp/log"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || falsch "Depends ohne Qt"
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n, gvfs, qt6-wayland" ] || falsch "Recommends falsch"
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' && falsch "außerhalb von /usr"
dpkg -i "$deb" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
[ "$(/usr/bin/bewahrix --version)" = "Bewahrix Version $version" ] || falsch "/usr/bin/bewahrix --version falsch"
for datei in "applications/$id.desktop" "icons/hicolor/scalable/apps/$id.svg" "icons/hicolor/48x48/apps/$id.png"; do
  [ -s "/usr/share/$datei" ] || falsch "/usr/share/$datei fehlt"
done
dpkg -r bewahrix >/dev/null 2>&1 && [ ! -e /usr/bin/bewahrix ] || falsch "dpkg -r entfernt /usr/bin/bewahrix nicht"
exit $fehler
