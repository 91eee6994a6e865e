#!/usr/bin/env bash
# Runs the README's two commands where a newcomer would: in a fresh minimal
# Debian 12, the kind of system a container gives (no machine id, no system
# bus, no session bus, no service started by a package's install).
#
#   dist/check-fresh-debian.sh [WORK_DIR]
#
# As root. Makes the system with `debootstrap --variant=minbase bookworm`
# from the Debian mirror this machine's apt uses (its own sources lists),
# clones the last commit into it (uncommitted changes are not checked), and
# runs there, as root with a clean environment (env -i):
#
#   ./build.sh play   on a virtual X display of this machine: passes when the
#                     game's window shows; the window is then closed by its
#                     menu (Game, Exit) and the game must end with code 0
#   ./build.sh test   must end with code 0
#
# It prints the number of packages each step installed, the time each step
# took and the times of the test command's passes. apt-get in the new system
# uses the same mirror; nothing else is downloaded. What it needs here:
# debootstrap, git, Xvfb and xdotool (installed with apt-get if missing).
#
# The system is made in WORK_DIR (a new folder under /var/tmp by default,
# removed at the end); a WORK_DIR given is kept, with the logs of each step
# (play.log, test.log), and must not hold a system already. Takes 20 to 40
# minutes on two cores.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "check-fresh-debian: run it as root (debootstrap, chroot, mount)" >&2; exit 2; }

# The tools it uses here, each with the Debian package that brings it.
needed=(debootstrap:debootstrap git:git Xvfb:xvfb xdotool:xdotool)
missing=()
for entry in "${needed[@]}"; do
  command -v "${entry%%:*}" >/dev/null || missing+=("${entry#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "check-fresh-debian: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

commit="$(git -C "$here" rev-parse HEAD)"
if [ -n "$(git -C "$here" status --porcelain --untracked-files=no)" ]; then
  echo "check-fresh-debian: uncommitted changes are not checked; checking $commit"
fi

# The mirror: the Debian 12 entries of this machine's apt sources, one-line
# (sources.list, *.list) and deb822 (*.sources) alike, as "URI SUITE COMPONENTS".
apt_entries() {
  local lists=() sources=()
  [ -f /etc/apt/sources.list ] && lists+=(/etc/apt/sources.list)
  for f in /etc/apt/sources.list.d/*.list; do [ -f "$f" ] && lists+=("$f"); done
  for f in /etc/apt/sources.list.d/*.sources; do [ -f "$f" ] && sources+=("$f"); done
  if [ ${#lists[@]} -gt 0 ]; then
    awk '$1 == "deb" {
      i = 2
      if ($i ~ /^\[/) { while (i < NF && $i !~ /\]$/) i++; i++ }
      components = ""
      for (j = i + 2; j <= NF && $j !~ /^#/; j++) components = components " " $j
      print $i, $(i + 1), substr(components, 2)
    }' "${lists[@]}"
  fi
  if [ ${#sources[@]} -gt 0 ]; then
    awk 'function flush() {
        if (types ~ /(^| )deb( |$)/ && enabled != "no") {
          n = split(uris, u, " "); m = split(suites, s, " ")
          for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print u[i], s[j], components
        }
        types = uris = suites = components = enabled = ""
      }
      FNR == 1 { flush() }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { flush(); next }
      /^[A-Za-z-]+:/ {
        key = tolower(substr($0, 1, index($0, ":") - 1)); value = substr($0, index($0, ":") + 1)
        gsub(/^[ \t]+|[ \t]+$/, "", value)
        if (key == "types") types = value; else if (key == "uris") uris = value
        else if (key == "suites") suites = value; else if (key == "components") components = value
        else if (key == "enabled") enabled = tolower(value)
      }
      END { flush() }' "${sources[@]}"
  fi
}
entries="$(apt_entries | awk '$1 ~ /^https?:\/\// && $2 ~ /^bookworm([-\/]|$)/' | sort -u)"
mirror="$(awk '$2 == "bookworm" { print $1; exit }' <<<"$entries")"
[ -n "$mirror" ] || { echo "check-fresh-debian: no Debian 12 (bookworm) mirror in /etc/apt/sources.list*" >&2; exit 2; }

if [ -n "${1:-}" ]; then
  work="$(mkdir -p "$1" && cd "$1" && pwd -P)"
  keep=1
else
  work="$(mktemp -d /var/tmp/pexora-fresh.XXXXXX)"
  keep=0
fi
root="$work/root"
[ ! -e "$root" ] || { echo "check-fresh-debian: $root exists already; give a new WORK_DIR" >&2; exit 2; }

mounts=()  # mounted inside the new system, in order
xvfb_pid=""
play_pid=""
cleanup() {
  local status=$? pid i
  set +e
  [ -n "$play_pid" ] && kill "$play_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  # Whatever the steps left running in the new system (a failure's leftovers).
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -KILL "${pid#/proc/}" 2>/dev/null
  done
  sleep 1
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || status=1
  done
  if [ "$keep" -eq 0 ]; then
    if grep -qF " $work/" /proc/self/mounts; then
      echo "check-fresh-debian: something is still mounted in $work; not removed" >&2
      status=1
    else
      rm -rf --one-file-system "$work"
    fi
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

clock() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
packages() { chroot "$root" dpkg-query -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }
inside() {  # inside COMMAND...: as root in the new system, environment cleared
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"
}
summary=()
started=$SECONDS

echo "== debootstrap --variant=minbase bookworm $root $mirror"
step_start=$SECONDS
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 \
  || { tail -n 40 "$work/debootstrap.log" >&2; echo "check-fresh-debian: debootstrap failed" >&2; exit 1; }
# apt there uses this machine's mirror and resolves its name as this machine does.
awk '{ print "deb " $1 " " $2 " " $3 }' <<<"$entries" >"$root/etc/apt/sources.list"
cp /etc/hosts /etc/resolv.conf "$root/etc/"
# As in a container image: installing a package starts no service.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
cat "$root/etc/apt/sources.list"
base="$(packages)"
summary+=("$(printf '%-22s %4d packages   %s' "minimal Debian 12" "$base" "$(clock $((SECONDS - step_start)))")")
echo "$base packages; machine id: $([ -s "$root/etc/machine-id" ] && echo yes || echo none)"

# /proc, /sys (read only), and /dev with a pseudo-terminal and shared memory
# of its own; each mount private, so that nothing reaches this machine's.
mount_in() {  # mount_in TARGET mount-arguments...
  local target="$root/$1"; shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounts+=("$target")
}
mount_in proc -t proc proc
mount_in sys -t sysfs -o ro sysfs
mount_in dev --bind /dev
mount --make-private "$root/dev"
mount_in dev/pts -t devpts -o newinstance,ptmxmode=0666 devpts
mount_in dev/shm -t tmpfs -o mode=1777 tmpfs

echo "== clone $commit"
git clone --quiet --no-hardlinks "$here" "$root/root/pexora"
git -C "$root/root/pexora" checkout --quiet --detach "$commit"

# ./build.sh play on a display of this machine (Xvfb's abstract socket is
# reached from the new system too).
echo "== ./build.sh play"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(tr -dc 0-9 <"$work/display")"
[ "$display" != ":" ] || { cat "$work/xvfb.log" >&2; echo "check-fresh-debian: Xvfb did not start" >&2; exit 1; }
before="$(packages)"
step_start=$SECONDS
# chroot, env, bash and build.sh each replace themselves: the process is the game's in the end.
inside DISPLAY="$display" /bin/bash -c 'cd /root/pexora && exec ./build.sh play' >"$work/play.log" 2>&1 &
play_pid=$!
window=""
while [ -z "$window" ] && kill -0 "$play_pid" 2>/dev/null && [ $((SECONDS - step_start)) -lt 3600 ]; do
  sleep 2
  window="$(DISPLAY="$display" xdotool search --onlyvisible --name '^Pexora$' 2>/dev/null | head -n 1 || true)"
done
if [ -z "$window" ]; then
  tail -n 60 "$work/play.log" >&2
  echo "check-fresh-debian: ./build.sh play showed no window" >&2
  exit 1
fi
play_time=$((SECONDS - step_start))
echo "the game's window shows after $(clock "$play_time")"
sleep 3
DISPLAY="$display" xdotool windowfocus --sync "$window" key alt+g sleep 1 key x
for _ in $(seq 60); do kill -0 "$play_pid" 2>/dev/null || break; sleep 1; done
if kill -0 "$play_pid" 2>/dev/null; then
  tail -n 60 "$work/play.log" >&2
  echo "check-fresh-debian: the game did not end by its menu (Game, Exit)" >&2
  exit 1
fi
play_status=0
wait "$play_pid" || play_status=$?
play_pid=""
kill "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
if [ "$play_status" -ne 0 ]; then
  tail -n 60 "$work/play.log" >&2
  echo "check-fresh-debian: the game ended with code $play_status" >&2
  exit 1
fi
echo "closed by its menu, code 0"
after="$(packages)"
summary+=("$(printf '%-22s %4d packages   %s to the window' "./build.sh play" $((after - before)) "$(clock "$play_time")")")
echo "what the game printed:"
awk '/Built target pexora$/ { n = 0; delete line; next } { line[++n] = $0 } END { for (i = 1; i <= n; i++) print "  " line[i] }' "$work/play.log"

echo "== ./build.sh test"
before="$after"
step_start=$SECONDS
test_status=0
inside /bin/bash -c 'cd /root/pexora && ./build.sh test' >"$work/test.log" 2>&1 || test_status=$?
test_time=$((SECONDS - step_start))
after="$(packages)"
if [ "$test_status" -ne 0 ]; then
  grep -E '^[0-9]+% tests passed|^The following tests FAILED|^[[:space:]]+[0-9]+ - ' "$work/test.log" >&2 || true
  tail -n 150 "$work/test.log" >&2
fi
summary+=("$(printf '%-22s %4d packages   %s%s' "./build.sh test" $((after - before)) "$(clock "$test_time")" \
  "$([ "$test_status" -eq 0 ] || echo ", failed with code $test_status")")")
summary+=("$(printf '%-22s %4d packages   %s' "in all" "$((after - base))" "$(clock $((SECONDS - started)))")")

echo "== the test command's passes"
sed -n '/^==== times$/,$p' "$work/test.log" | tail -n +2
echo "== packages installed, time taken"
printf '%s\n' "${summary[@]}"
[ "$test_status" -eq 0 ] || { echo "check-fresh-debian: ./build.sh test failed" >&2; exit 1; }
echo "check-fresh-debian: both commands pass on a fresh minimal Debian 12 (commit $commit)"
