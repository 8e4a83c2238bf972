#!/usr/bin/env bash
# cmake --install into a temporary prefix: exactly the expected files, valid
# desktop entry and metainfo naming the id, PNGs of their size and drawn.
set -uo pipefail
bau=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$bau" --prefix "$prefix" >/dev/null || { echo "cmake --install scheitert"; exit 1; }
fehler=0
falsch() { echo "$*"; fehler=1; }

erwartet=(bin/bewahrix "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg")
for kante in 16 32 48 64 128 256; do erwartet+=("share/icons/hicolor/${kante}x$kante/apps/$id.png"); done
diff <(printf '%s\n' "${erwartet[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
  falsch "installierte Dateien weichen ab (< erwartet, > installiert)"
[ -x "$prefix/bin/bewahrix" ] || falsch "bin/bewahrix ist nicht ausführbar"

eintrag=$prefix/share/applications/$id.desktop
meldungen=$(desktop-file-validate "$eintrag" 2>&1) && [ -z "$meldungen" ] ||
  falsch "desktop-file-validate: $meldungen"
for zeile in "Icon=$id" "StartupWMClass=$id" "Categories=Utility;Archiving;"; do
  grep -qxF "$zeile" "$eintrag" || falsch "$zeile fehlt im Desktop-Eintrag"
done
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  falsch "appstreamcli: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"

for kante in 16 32 48 64 128 256; do
  bild=$prefix/share/icons/hicolor/${kante}x$kante/apps/$id.png
  [ -f "$bild" ] || continue
  # Size, and how much of it is covered: an empty picture has nothing.
  read -r groesse deckung < <(convert "$bild" -format '%wx%h ' -write info: -alpha extract -format '%[fx:mean>0.3]' info:)
  [ "$groesse" = "${kante}x$kante" ] || falsch "$kante.png ist $groesse groß"
  [ "$deckung" = 1 ] || falsch "$kante.png ist (fast) leer"
done
exit $fehler
