#!/usr/bin/env bash
# Takes a picture of the help viewer in one language, as a player sees it
# after F1, on a virtual X display with openbox:
#
#   tools/help_screenshot.sh BUILD_DIR LANG OUT.png     (LANG: de, pl, fr, ...)
#
# Needs xvfb, openbox, xdotool and imagemagick; the player's own settings are
# not touched (a temporary XDG_CONFIG_HOME).
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR LANG OUT.png}" && pwd)"
lang="${2:?language}"
out="$(realpath -m "${3:?output file}")"
work="$(mktemp -d)"
display=":$((90 + RANDOM % 50))"
cleanup() { kill "${game:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
Xvfb "$display" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5
XDG_CONFIG_HOME="$work" SDL_AUDIODRIVER=dummy LANGUAGE="$lang" LANG=C.UTF-8 LC_ALL= \
  QT_QPA_PLATFORM=xcb "$build/pexora" >/dev/null 2>&1 & game=$!
main=""
for _ in $(seq 100); do main="$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -n 1)" && [ -n "$main" ] && break; sleep 0.1; done
[ -n "$main" ] || { echo "help_screenshot: the game's window never appeared" >&2; exit 1; }
xdotool windowactivate --sync "$main" key F1
viewer=""
for _ in $(seq 100); do
  for w in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do [ "$w" != "$main" ] && viewer="$w"; done
  [ -n "$viewer" ] && break; sleep 0.1
done
[ -n "$viewer" ] || { echo "help_screenshot: the help viewer never appeared" >&2; exit 1; }
sleep 1.5  # the check of the file, then the first page
import -window "$viewer" -frame "$out"
echo "$out: $(xdotool getwindowname "$viewer")"
