#!/usr/bin/env bash
# The package of scripts/package: lintian finds no error or warning (missing dependencies, files outside /usr
# among them), it is hardened (relocations bound at start, every file fortified and with stack protector, no
# compiler notes), recommends what it needs, installs and runs. Skipped (77) when not root or already installed.
set -uo pipefail
quelle=$1 version=$2 starter=${3:-} fehler=0
[ "$(id -u)" -eq 0 ] || { echo "Übersprungen: dpkg braucht root."; exit 77; }
dpkg-query -W -f='${Status}' bewahrix 2>/dev/null | grep -q installed && { echo "Übersprungen: bewahrix ist installiert."; exit 77; }
tmp=$(mktemp -d)
trap 'dpkg -r bewahrix >/dev/null 2>&1; rm -rf "$tmp"' EXIT
falsch() { echo "$*"; fehler=1; }
# The compiler launcher of the calling build (ccache) serves the release build too.
"$quelle/scripts/package" ${starter:+-DCMAKE_CXX_COMPILER_LAUNCHER="$starter"} >"$tmp/log" 2>&1 ||
  { tail -40 "$tmp/log"; exit 1; }
deb=$quelle/build/package/bewahrix_${version}_amd64.deb
lintian --display-info "$deb" >"$tmp/urteil" 2>&1
grep -qE '^[EW]: |hardening-|binary-has-unneeded-section' "$tmp/urteil" && falsch "lintian: $(cat "$tmp/urteil")"
# lintian cannot see fortification where no call needs a check at run time.
befehle=$(grep '"command"' "$quelle/build/package/compile_commands.json")
gehaertet=$(grep -E -- "-D_FORTIFY_SOURCE=[23]" <<<"$befehle" | grep -c -- -fstack-protector-strong)
[ "$(grep -c . <<<"$befehle")" = "$gehaertet" ] ||
  falsch "nicht jede Übersetzung mit -D_FORTIFY_SOURCE und -fstack-protector-strong"
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n, gvfs, qt6-wayland" ] || falsch "Recommends falsch"
dpkg -i "$deb" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
[ "$(/usr/bin/bewahrix --version)" = "Bewahrix Version $version" ] || falsch "/usr/bin/bewahrix --version falsch"
exit $fehler
