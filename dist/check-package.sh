#!/usr/bin/env bash
# Installs the Debian package made by `cpack -G DEB`, starts the installed
# game on a virtual X display, and removes the package again; fails if it
# does not install with its declared dependencies, does not keep running,
# shows an error box, or leaves a file of its own behind.
#
#   dist/check-package.sh BUILD_DIR [DISPLAY_NUMBER]
#
# Needs root (it changes the machine) and the packages xvfb and x11-utils; the
# package must not be installed already. Not part of the test suite.
set -euo pipefail

build="${1:?usage: $0 BUILD_DIR [DISPLAY_NUMBER]}"
display=":${2:-76}"
deb="$(ls "$build"/pexora_*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || { echo "no pexora_*.deb in $build; run cpack -G DEB there first" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "run as root" >&2; exit 2; }
if dpkg-query -W -f='${Status}' pexora 2>/dev/null | grep -q "install ok installed"; then
  echo "pexora is installed already; remove it first" >&2; exit 2
fi

work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "== $*"; }

step "files of the package"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' | sort > "$work/contents"

step "install $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$deb")"
dpkg-query -W -f='${Status} ${Version}\n' pexora

step "installed files"
for f in /usr/bin/pexora /usr/share/man/man6/pexora.6; do
  [ -e "$f" ] || { echo "missing $f" >&2; exit 1; }
done
program="$(readlink -f /usr/bin/pexora)"
[ -x "$program" ] || { echo "the launcher does not lead to the program" >&2; exit 1; }
[ -f "$(dirname "$program")/Pexora.chm" ] || { echo "no Pexora.chm beside $program" >&2; exit 1; }
ldd "$program" | grep "not found" && { echo "unresolved libraries" >&2; exit 1; }
man -w 6 pexora

step "start it on $display"
Xvfb "$display" -screen 0 1280x1024x24 -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  xdpyinfo -display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done
mkdir -p "$work/config"
DISPLAY="$display" XDG_CONFIG_HOME="$work/config" \
  /usr/bin/pexora >"$work/game.log" 2>&1 &
game_pid=$!
sleep 5
kill -0 "$game_pid" 2>/dev/null || { echo "the game ended early:" >&2; cat "$work/game.log" >&2; exit 1; }
windows="$(DISPLAY="$display" xwininfo -root -tree | grep -oE '"[^"]*"' | sort -u)"
echo "windows: $(echo $windows)"
echo "$windows" | grep -qx '"Pexora"' || { echo "no Pexora window" >&2; exit 1; }
echo "$windows" | grep -qx '"Error"' && { echo "an error box is open" >&2; exit 1; }
grep -iE "error|cannot|could not|failed" "$work/game.log" && { echo "the game reported a problem" >&2; exit 1; }
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true
game_pid=""
echo "ran for 5 s without a problem"

step "remove it"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q pexora
left=0
while read -r f; do
  [ -d "$f" ] && [ ! -L "$f" ] && continue          # shared directories such as /usr/share/icons stay
  if [ -e "$f" ] || [ -L "$f" ]; then echo "left behind: $f" >&2; left=1; fi
done < "$work/contents"
for d in /usr/lib/pexora /usr/lib/x86_64-linux-gnu/pexora /usr/share/doc/pexora; do
  [ -e "$d" ] && { echo "left behind: $d" >&2; left=1; }
done
dpkg-query -W -f='${Status}\n' pexora 2>/dev/null | grep -q "^install ok" && { echo "still installed" >&2; left=1; }
[ "$left" -eq 0 ] || exit 1
echo "package installed, ran and was removed cleanly"
