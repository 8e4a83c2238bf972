# Shared by scripts/run, scripts/test, scripts/package and the benchmarks:
# installs the Debian packages Bewahrix needs and configures and builds one
# build directory.
# Source it, then call bewahrix_setup; it sets BEWAHRIX_ROOT.

BEWAHRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

BEWAHRIX_PAKETE=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-wayland qt6-translations-l10n libsqlite3-dev libglib2.0-dev libglib2.0-bin gvfs dbus
  desktop-file-utils appstream dpkg-dev lintian
  libgtest-dev libbenchmark-dev
  rsync
  xvfb xauth trayer xdotool x11-utils imagemagick
  weston python3-gi
  libxcb1-dev
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)

bewahrix_install_packages() {
  local fehlend=()
  local paket
  for paket in "${BEWAHRIX_PAKETE[@]}"; do
    dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' ||
      fehlend+=("$paket")
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0
  echo "Installiere fehlende Pakete: ${fehlend[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${fehlend[@]}"
}

# bewahrix_build DIR CMAKE-ARGS...
bewahrix_build() {
  local dir="$BEWAHRIX_ROOT/$1"
  shift
  cmake -S "$BEWAHRIX_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

bewahrix_build_release() {
  bewahrix_build build/release -DCMAKE_BUILD_TYPE=Release -DBEWAHRIX_TESTS=OFF
}
