#!/usr/bin/env bash
# Sets up a Debian 12 machine for Pexora, builds it, and plays or tests it.
#
#   ./build.sh play   install what is missing, build, and start the game
#   ./build.sh test   install what is missing, build, and run every test;
#                     check the Debian package (lintian, install, start,
#                     remove: dist/check-package.sh); then run the tests
#                     again under AddressSanitizer and UBSan
#
# Packages are installed with apt-get, as root or through sudo; nothing
# else is downloaded. Running it again installs nothing new.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(
  g++ cmake make pkg-config file
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libsdl2-dev libasound2-dev
  libchm-dev fp-utils
  fonts-noto-color-emoji fonts-liberation2
  libbenchmark-dev
  xvfb xauth
  desktop-file-utils appstream
  dpkg-dev fakeroot
  qt6-svg-dev x11-utils
  qt6-wayland weston xdotool openbox libxcb1-dev python3 imagemagick
  lintian man-db
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core dbus-daemon
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {  # build DIR [cmake options...]
  local dir="$1"; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

case "${1:-}" in
  play)
    install_missing
    build build
    exec ./build/pexora
    ;;
  test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j"$jobs"
    dist/check-package.sh build
    build build-asan -DPEXORA_SANITIZE=ON -DPEXORA_BUILD_BENCH=OFF
    ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
      ctest --test-dir build-asan --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
