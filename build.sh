#!/usr/bin/env bash
# Sets up a Debian 12 machine for Pexora, builds it, and plays or tests it.
#
#   ./build.sh play   install what the game needs, build the game, its help
#                     and its help checker, and start the game
#   ./build.sh test   install the rest too, build everything with warnings as
#                     errors, and run every test; check the Debian package
#                     (lintian, install, start, remove: dist/check-package.sh);
#                     run the tests again under AddressSanitizer and UBSan;
#                     fuzz each reader of outside bytes for a set number
#                     of inputs from a set seed (tools/fuzz.sh fixed: the
#                     same inputs at every run); then compile the whole tree with
#                     Clang, warnings as errors. Prints the time each pass
#                     took and the total; after a failure, the passes that
#                     did not run are named as not run.
#
# Packages are installed with apt-get, as root or through sudo; nothing
# else is downloaded. Running it again installs nothing new.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"
jobs="$(nproc 2>/dev/null || echo 2)"

# The packages, in the one place: what building and running the game needs,
# and what the tests, the benchmarks, the package check and the Clang compile
# need on top of that. `play` installs the first list, `test` both.
play_packages=(
  g++ cmake make pkg-config                     # the compiler and the build
  qt6-base-dev qt6-base-dev-tools libgl-dev     # Qt Widgets, moc and rcc
  libxcb1-dev                                   # the window frame asked of X11
  libsdl2-dev                                   # sound (SDL's headers; the library is opened at run time)
  libchm-dev fp-utils                           # the help file: its reader and its compiler (chmcmd)
  po4a python3                                  # the help in every language: its pages translated and laid out
  qt6-tools-dev qt6-l10n-tools                  # the translations (lrelease)
  fonts-liberation2                             # the high-score labels
  qt6-translations-l10n                         # Qt's own buttons in the player's language
  qt6-wayland                                   # a Wayland session without Xwayland
)
test_packages=(
  clang                                         # the second compiler
  libclang-rt-14-dev libchm-bin                 # the fuzz targets (libFuzzer) and their help seeds
  libbenchmark-dev                              # the benchmarks
  qt6-svg-dev fonts-noto-color-emoji           # the tools that drew the pictures and icons
  xvfb xauth x11-utils xdotool openbox qt6-qpa-plugins  # the game on a virtual X display
  weston                                        # ... and under a Wayland compositor
  imagemagick                                   # the desktop tests' screenshots
  desktop-file-utils appstream                  # the desktop entry and metainfo
  file dpkg-dev fakeroot lintian man-db         # the Debian package and its check
  heaptrack                                     # where a long session's memory goes
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng  # a game heard through a screen reader
  at-spi2-core dbus-daemon                      # ... on its accessibility bus, in a session of its own
  python3-pyatspi                               # the cells read from that bus (Alt+F4 in the last removal)
)

install_missing() {  # install_missing PACKAGE...
  local missing=()
  for p in "$@"; do
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

# The passes of `test`, each timed. At the end, whatever the outcome, the
# time of each pass and the total are printed; after a failure, the pass
# that failed and those that did not run are named. A failing command still
# ends the script at once (set -e).
passes=("packages" "GCC build and suite" "package check" "sanitizer build and suite" "fuzzing" "Clang compile")
declare -A took=()
pass_now=""
pass_start=0
clock() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
end_pass() {
  if [ -n "$pass_now" ]; then took[$pass_now]="$(clock $((SECONDS - pass_start)))"; fi
  pass_now=""
}
pass() {  # pass NAME: the pass before has ended, NAME begins
  end_pass
  pass_now="$1"
  pass_start=$SECONDS
  echo "==== $1"
}
report() {
  local status=$? name
  [ "$status" -eq 0 ] && end_pass
  echo "==== times"
  for name in "${passes[@]}"; do
    if [ "$name" = "$pass_now" ]; then
      printf '  %-27s failed after %s\n' "$name" "$(clock $((SECONDS - pass_start)))"
    elif [ -n "${took[$name]:-}" ]; then
      printf '  %-27s %s\n' "$name" "${took[$name]}"
    else
      printf '  %-27s not run\n' "$name"
    fi
  done
  printf '  %-27s %s%s\n' "total" "$(clock "$SECONDS")" "$([ "$status" -eq 0 ] || echo ", failed")"
  exit "$status"
}

case "${1:-}" in
  play)
    install_missing "${play_packages[@]}"
    # The game, its help file and its help checker; no test program, no benchmark.
    build build -DPEXORA_BUILD_TESTS=OFF -DPEXORA_BUILD_BENCH=OFF
    exec ./build/pexora
    ;;
  test)
    SECONDS=0
    trap report EXIT
    pass "packages"
    install_missing "${play_packages[@]}" "${test_packages[@]}"
    pass "GCC build and suite"
    strict=(-DPEXORA_WERROR=ON -DPEXORA_BUILD_TESTS=ON -DPEXORA_BUILD_BENCH=ON -DPEXORA_BUILD_TOOLS=ON)
    build build "${strict[@]}"
    ctest --test-dir build --output-on-failure -j"$jobs"
    pass "package check"
    dist/check-package.sh build
    pass "sanitizer build and suite"
    build build-asan -DPEXORA_WERROR=ON -DPEXORA_SANITIZE=ON -DPEXORA_BUILD_BENCH=OFF
    # Qt Test's limit of 5 minutes a test function is too short for the
    # longest ones slowed down by the sanitizers on a busy machine.
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" LSAN_OPTIONS="suppressions=$here/tests/leaks.supp:print_suppressions=0" \
      UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" QTEST_FUNCTION_TIMEOUT=1800000 \
      ctest --test-dir build-asan --output-on-failure -j"$jobs"
    pass "fuzzing"
    tools/fuzz.sh fixed
    # The whole tree once more with the second compiler, warnings as errors:
    # compiled only, the suite has run above.
    pass "Clang compile"
    build build-clang "${strict[@]}" -DCMAKE_CXX_COMPILER=clang++
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
