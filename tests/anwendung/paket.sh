#!/usr/bin/env bash
# The Debian package from this build tree: name, relations and files under
# /usr, then dpkg -i, the installed program and files, dpkg -r. Skipped (77)
# when not root, or when a bewahrix package is installed: not ours to remove.
set -uo pipefail
bau=$1 id=$2 version=$3
[ "$(id -u)" -eq 0 ] || { echo "Übersprungen: dpkg -i und dpkg -r brauchen root."; exit 77; }
if dpkg-query -W -f='${Status}' bewahrix 2>/dev/null | grep -q installed; then
  echo "Übersprungen: ein Paket bewahrix ist schon installiert."
  exit 77
fi
tmp=$(mktemp -d)
trap 'dpkg -r bewahrix >/dev/null 2>&1; rm -rf "$tmp"' EXIT
fehler=0
falsch() { echo "$*"; fehler=1; }

cpack --config "$bau/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
deb=$tmp/bewahrix_${version}_amd64.deb
[ -f "$deb" ] || { echo "kein $deb"; ls "$tmp"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || falsch "Depends ohne Qt: $(dpkg-deb -f "$deb" Depends)"
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n, gvfs" ] || falsch "Recommends falsch"
ausserhalb=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/')
[ -z "$ausserhalb" ] || falsch "außerhalb von /usr: $ausserhalb"

dpkg -i "$deb" >"$tmp/dpkg.log" 2>&1 || { cat "$tmp/dpkg.log"; exit 1; }
[ "$(/usr/bin/bewahrix --version)" = "Bewahrix Version $version" ] || falsch "/usr/bin/bewahrix --version falsch"
for datei in "applications/$id.desktop" "icons/hicolor/scalable/apps/$id.svg" "icons/hicolor/48x48/apps/$id.png"; do
  [ -s "/usr/share/$datei" ] || falsch "/usr/share/$datei fehlt"
done
dpkg -r bewahrix >/dev/null 2>&1 || falsch "dpkg -r scheitert"
[ ! -e /usr/bin/bewahrix ] || falsch "/usr/bin/bewahrix bleibt nach dpkg -r"
exit $fehler
