#!/usr/bin/env bash
# Makes the Debian package from a build, checks it with lintian, installs it,
# starts the installed game on a virtual X display and session bus of its
# own, and removes the package again. Fails if lintian reports an error or a
# warning, if the package does not install with its declared dependencies or
# does not carry the version 1:2.00 everywhere, if the game does not keep
# running or shows an error box, or if a file of the package stays behind.
#
#   dist/check-package.sh BUILD_DIR [DISPLAY_NUMBER]
#
# Part of `./build.sh test`. Installing needs root: as another user it uses
# sudo for apt-get. The package must not be installed already; whatever
# happens, the script removes the package it installed. Without a display
# number it lets Xvfb pick a free one.
set -euo pipefail

build="${1:?usage: $0 BUILD_DIR [DISPLAY_NUMBER]}"
display_number="${2:-}"
build="$(cd "$build" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[ -f "$build/CPackConfig.cmake" ] || { echo "check-package: $build is not a configured build folder" >&2; exit 2; }

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "check-package: installing a package needs root or sudo" >&2; exit 2; }
  sudo=(sudo)
fi

# The tools it uses, each with the Debian package that brings it.
needed=(cpack:cmake dpkg-deb:dpkg readelf:binutils lintian:lintian man:man-db
        Xvfb:xvfb xdpyinfo:x11-utils xwininfo:x11-utils dbus-daemon:dbus-daemon gzip:gzip)
missing_packages() {
  local entry
  for entry in "${needed[@]}"; do
    command -v "${entry%%:*}" >/dev/null || echo "${entry#*:}"
  done | sort -u
}
missing="$(missing_packages | tr '\n' ' ')"
if [ -n "$missing" ]; then
  echo "check-package: installing what it needs: $missing"
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing || true
  missing="$(missing_packages | tr '\n' ' ')"
  [ -z "$missing" ] || { echo "check-package: missing packages: $missing(apt-get install $missing)" >&2; exit 2; }
fi
if dpkg-query -W -f='${Status}' pexora 2>/dev/null | grep -q "install ok installed"; then
  echo "check-package: pexora is installed already; remove it first (apt-get remove pexora)" >&2
  exit 2
fi

work="$(mktemp -d)"
xvfb_pid=""
bus_pid=""
game_pid=""
installed=0
cleanup() {
  local status=$?
  set +e
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  if [ "$installed" -eq 1 ] && dpkg-query -W pexora >/dev/null 2>&1; then
    echo "== remove the package (after a failure)"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq pexora >/dev/null || status=1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

step() { echo "== $*"; }
fail() { echo "check-package: $*" >&2; exit 1; }

# A fresh package in a folder of its own, so that an older one lying in the
# build folder is never the one checked.
step "make the package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/package/pexora_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then cat "$work/cpack.log" >&2; fail "cpack made no pexora_*.deb"; fi
deb="${debs[0]}"
basename "$deb"

step "its version"
version="$(dpkg-deb -f "$deb" Version)"
echo "Version: $version"
[ "$version" = "1:2.00" ] || fail "the package version is $version, not 1:2.00"
dpkg --compare-versions "$version" gt 2.0.0 || fail "$version does not rank above the earlier 2.0.0"
echo "dpkg --compare-versions $version gt 2.0.0: an upgrade over 2.0.0"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
for needed in fonts-liberation2 libchm1 libsdl2-2.0-0; do  # the last two are opened at run time, not linked
  dpkg-deb -f "$deb" Depends | grep -qw "$needed" || fail "the package does not depend on $needed"
done
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "the package does not recommend qt6-wayland"

step "lintian"
lintian_status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
# lintian only warns about running as root; its findings are what count.
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings (exit $lintian_status)"
echo "lintian: no errors, no warnings"

step "files of the package"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' | sort > "$work/contents"

step "install it"
installed=1
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log" >&2; fail "apt-get could not install the package"; }
dpkg-query -W -f='${Status} ${Version}\n' pexora 2>/dev/null | grep "^install ok installed $version$" \
  || { cat "$work/apt.log" >&2; fail "pexora $version is not installed after apt-get install"; }

step "installed files"
# The English help and one help file for every translated language.
help_files=(/usr/lib/pexora/Pexora.chm)
for lang in $(sed 's/#.*//' "$here/../translations/help/LINGUAS"); do help_files+=("/usr/lib/pexora/Pexora_$lang.chm"); done
for f in /usr/games/pexora /usr/lib/pexora/pexora "${help_files[@]}" /usr/lib/pexora/pexora-helpcheck \
         /usr/share/man/man6/pexora.6.gz /usr/share/doc/pexora/changelog.gz /usr/share/doc/pexora/copyright; do
  [ -e "$f" ] || fail "missing $f"
done
program="$(readlink -f /usr/games/pexora)"
if [ "$program" != /usr/lib/pexora/pexora ] || [ ! -x "$program" ]; then fail "/usr/games/pexora does not lead to the program"; fi
if ldd "$program" | grep "not found"; then fail "unresolved libraries"; fi
# The program's own version record, an ELF note of the owner Pexora: "2.00".
readelf -n "$program" | grep -A1 -w Pexora | tee "$work/note"
grep -q "description data: 32 2e 30 30 00" "$work/note" || fail "the program carries no version note 2.00"
gzip -dc /usr/share/doc/pexora/changelog.gz | head -n 1 | grep -qF "pexora ($version)" \
  || fail "the changelog's latest entry is not $version"
metainfo="$(grep '^/usr/share/metainfo/.*\.metainfo\.xml$' "$work/contents")"
grep -qF 'release version="2.00"' "$metainfo" || fail "the metainfo's release is not 2.00"

step "manual page"
man -w 6 pexora
# Every key the game takes is listed.
keys="$(MANWIDTH=100 man -P cat 6 pexora 2>"$work/man.err" | sed -n '/^KEYS/,/^FILES/p')"
[ ! -s "$work/man.err" ] || { cat "$work/man.err" >&2; fail "man reported problems with the page"; }
for key in F1 F2 Alt+G Alt+O Alt+V Alt+H Left Right Up Down Home End Space Enter; do
  grep -qw -- "$key" <<<"$keys" || fail "the manual page's KEYS section does not list $key"
done
echo "KEYS lists F1, F2, Alt+letters, the arrow keys, Home, End, Space and Enter"

step "start it"
if [ -n "$display_number" ]; then
  Xvfb ":$display_number" -screen 0 1280x1024x24 -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
else
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  display_number="$(tr -dc 0-9 <"$work/display")"
  [ -n "$display_number" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb found no free display"; }
fi
display=":$display_number"
for _ in $(seq 100); do
  xdpyinfo -display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo -display "$display" >/dev/null 2>&1 || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start on $display"; }
echo "display $display"
# A session bus of its own, whatever the machine has (none, in a container).
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
bus_pid=$!
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.1; done
bus="$(head -n 1 "$work/bus")"
[ -n "$bus" ] || { cat "$work/bus.log" >&2; fail "the session bus did not start"; }
mkdir -p "$work/config"
DISPLAY="$display" DBUS_SESSION_BUS_ADDRESS="$bus" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy \
  /usr/games/pexora >"$work/game.log" 2>&1 &
game_pid=$!
sleep 5
kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.log" >&2; fail "the game ended early"; }
windows="$(DISPLAY="$display" xwininfo -root -tree | grep -oE '"[^"]*"' | sort -u)"
echo "windows: $(tr '\n' ' ' <<<"$windows")"
grep -qx '"Pexora"' <<<"$windows" || fail "no Pexora window"
if grep -qx '"Error"' <<<"$windows"; then fail "an error box is open"; fi
if grep -iE "error|cannot|could not|failed" "$work/game.log"; then fail "the game reported a problem"; fi
kill "$game_pid"; wait "$game_pid" 2>/dev/null || true
game_pid=""
echo "ran for 5 s without a problem"

step "remove it"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q pexora >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log" >&2; fail "apt-get could not remove the package"; }
installed=0
left=0
while read -r f; do
  [ -d "$f" ] && [ ! -L "$f" ] && continue          # shared directories such as /usr/share/icons stay
  if [ -e "$f" ] || [ -L "$f" ]; then echo "left behind: $f" >&2; left=1; fi
done < "$work/contents"
for d in /usr/lib/pexora /usr/share/doc/pexora; do
  [ -e "$d" ] && { echo "left behind: $d" >&2; left=1; }
done
if dpkg-query -W -f='${Status}\n' pexora 2>/dev/null | grep -q "^install ok"; then echo "still installed" >&2; left=1; fi
[ "$left" -eq 0 ] || fail "the package left files behind"
echo "package checked by lintian, installed, ran and was removed cleanly"
