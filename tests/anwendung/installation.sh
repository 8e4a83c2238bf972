#!/usr/bin/env bash
# Install into a temporary prefix: the program, a valid entry and metainfo, drawn PNGs.
set -uo pipefail
bau=$1 id=$2 fehler=0
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
falsch() { echo "$*"; fehler=1; }
cmake --install "$bau" --prefix "$prefix" >/dev/null || { echo "cmake --install scheitert"; exit 1; }
[ -x "$prefix/bin/bewahrix" ] || falsch "bin/bewahrix ist nicht ausführbar"
eintrag=$prefix/share/applications/$id.desktop
meldungen=$(desktop-file-validate "$eintrag" 2>&1) && [ -z "$meldungen" ] || falsch "desktop-file-validate: $meldungen"
for zeile in "Icon=$id" "StartupWMClass=$id" "Categories=Utility;Archiving;"; do grep -qxF "$zeile" "$eintrag" || falsch "$zeile fehlt"; done
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || falsch "appstreamcli validate scheitert"
for kante in 16 32 48 64 128 256; do
  # Size, and how much of it is covered: an empty picture has nothing.
  [ "$(convert "$prefix/share/icons/hicolor/${kante}x$kante/apps/$id.png" -format '%wx%h ' -write info: -alpha extract -format '%[fx:mean>0.3]' info: 2>&1)" = "${kante}x$kante 1" ] ||
    falsch "$kante.png falsch groß oder (fast) leer"
done
exit $fehler
