#!/usr/bin/env bash
# Runs every benchmark from an already built tree and prints one table.
# Builds nothing. Needs Xvfb and openbox (both started here, on a free display).
#
#   bench/run_all.sh BUILD_DIR [RUNS] [SCALE]
#
# RUNS is the number of start-ups of each program (at least ten; 20 by default).
# SCALE is Qt's scale factor for every program run (QT_SCALE_FACTOR, or 1).
# Start-up is measured twice, on the bare X server and then under openbox,
# a window manager that frames the windows as a player's desktop does, each
# with the load average of the machine as it ran. Under openbox the
# instructions of one start-up, from exec to the window's map, are counted
# with valgrind's callgrind at scales 1 and 2 (when valgrind is there).
#
# The sessions with sounds (bench_session sounds) play in real time, about a
# quarter of an hour for 2,000 games; their rows run side by side, at low
# priority: SDL's dummy driver and a private PipeWire with its PulseAudio
# service (Debian 12's sound server, with its null sink, in a runtime
# folder of its own), each on the offscreen platform and on the X server
# under openbox. Where the PulseAudio daemon is installed, two more rows
# play through one of its own. SESSION_GAMES sets the games of a row (2000
# by default; 0 leaves the sessions out).
set -euo pipefail

build="${1:?usage: bench/run_all.sh BUILD_DIR [RUNS] [SCALE]}"
runs="${2:-20}"
[ "$runs" -ge 10 ] || runs=10
export QT_SCALE_FACTOR="${3:-${QT_SCALE_FACTOR:-1}}"
build="$(cd "$build" && pwd)"
for exe in bench_launch bench_floor bench_pexora; do
  [ -x "$build/bench/$exe" ] || { echo "missing $build/bench/$exe: build the target first" >&2; exit 2; }
done
session_games="${SESSION_GAMES:-2000}"
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "missing $tool: ./build.sh test installs it" >&2; exit 2; }
done

work="$(mktemp -d)"
xvfb_pid=""
openbox_pid=""
pulse_pid=""
bus_pid=""
extra_pids=()
cleanup() {
  for pid in $pulse_pid $bus_pid "${extra_pids[@]}" $openbox_pid $xvfb_pid; do
    { kill "$pid" && wait "$pid"; } 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Private X servers on the first free displays from :75 on: one for the
# start-ups, and one for each session that runs under openbox.
free_display() {  # free_display FROM: the first display from FROM on with no server
  local d="$1"
  while [ -e "/tmp/.X${d}-lock" ] || [ -e "/tmp/.X11-unix/X${d}" ]; do d=$((d + 1)); done
  echo "$d"
}
start_x() {  # start_x DISPLAY LOG: an X server on DISPLAY, ready when this returns
  Xvfb ":$1" -screen 0 1280x1024x24 -noreset >"$2" 2>&1 &
  last_x_pid=$!
  for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$1" ] && break; sleep 0.05; done
}
start_openbox() {  # start_openbox DISPLAY LOG: openbox on DISPLAY, ready when it names its check window
  DISPLAY=":$1" openbox >"$2" 2>&1 &
  last_openbox_pid=$!
  for _ in $(seq 1 200); do
    DISPLAY=":$1" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "openbox did not start" >&2
  exit 2
}
display=$(free_display 75)
start_x "$display" "$work/xvfb.log"
xvfb_pid=$last_x_pid
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# A private settings store with sounds off; sound through SDL's dummy driver.
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Pexora" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Game%%20Settings]\nSounds=False\n' >"$XDG_CONFIG_HOME/Pexora/Pexora.ini"
export SDL_AUDIODRIVER=dummy

b="$build/bench"
load1() { cut -d' ' -f1 /proc/loadavg; }
load_bare_before=$(load1)
"$b/bench_launch" "$runs" floor="$b/bench_floor" pexora="$b/bench_pexora" >"$work/startup-bare.txt"
load_bare="$load_bare_before-$(load1)"
"$b/bench_pexora" costs >"$work/costs.txt" 2>/dev/null
"$b/bench_pexora" animation >"$work/animation.txt" 2>/dev/null
"$b/bench_pexora" idle >"$work/idle.txt" 2>/dev/null
"$b/bench_floor" idle >"$work/floor-idle.txt" 2>/dev/null
if [ -x "$b/bench_engine" ]; then
  "$b/bench_engine" --benchmark_format=csv --benchmark_min_time=0.5 >"$work/engine.csv" 2>/dev/null
fi
if [ -x "$b/bench_store" ]; then "$b/bench_store" >"$work/store.txt" 2>/dev/null; fi

# The same pairs under a window manager, ready once it names its check window.
start_openbox "$display" "$work/openbox.log"
openbox_pid=$last_openbox_pid

# The sessions with sounds start first and run beside the rest, at low
# priority; they mostly wait for their sounds to play.
session_pids=()
if [ "$session_games" -gt 0 ] && [ -x "$b/bench_session" ]; then
  # A window under openbox has an X server and openbox of its own: the
  # windows of the other runs never take its keys.
  session() {  # session NAME [VAR=VALUE...]: bench_session sounds, its output in $work/session-NAME.txt
    local name="$1" where=":$display"; shift
    if [[ "$name" == *-openbox ]]; then
      local d
      d=$(free_display $((display + 1)))
      start_x "$d" "$work/xvfb-$name.log"
      extra_pids+=("$last_x_pid")
      start_openbox "$d" "$work/openbox-$name.log"
      extra_pids+=("$last_openbox_pid")
      where=":$d"
      set -- QT_QPA_PLATFORM=xcb "$@"
    fi
    env DISPLAY="$where" "$@" nice -n 10 "$b/bench_session" sounds "$session_games" >"$work/session-$name.txt" 2>/dev/null &
    session_pids+=($!)
  }
  session dummy-offscreen SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=offscreen
  session dummy-openbox SDL_AUDIODRIVER=dummy
  if command -v pipewire >/dev/null && command -v pipewire-pulse >/dev/null && command -v wireplumber >/dev/null &&
    command -v dbus-daemon >/dev/null; then
    # PipeWire, its session manager (which makes the null sink) and its
    # PulseAudio service, on a session bus of their own.
    pipewire_dir="$work/pipewire"
    mkdir -p "$pipewire_dir"
    chmod 700 "$pipewire_dir"
    bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 \
      --address="unix:path=$pipewire_dir/bus")
    bus_pid=$(sed -n 2p <<<"$bus")
    for daemon in pipewire wireplumber pipewire-pulse; do
      XDG_RUNTIME_DIR="$pipewire_dir" DBUS_SESSION_BUS_ADDRESS=$(head -1 <<<"$bus") "$daemon" \
        >>"$work/pipewire.log" 2>&1 &
      extra_pids+=($!)
      [ "$daemon" != pipewire ] || sleep 0.5
    done
    for _ in $(seq 1 200); do [ -S "$pipewire_dir/pulse/native" ] && break; sleep 0.05; done
    for _ in $(seq 1 100); do
      XDG_RUNTIME_DIR="$pipewire_dir" pw-cli ls Node 2>/dev/null | grep -q 'Audio/Sink' && break
      sleep 0.1
    done
    session server-offscreen SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$pipewire_dir/pulse/native" QT_QPA_PLATFORM=offscreen
    session server-openbox SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$pipewire_dir/pulse/native"
  fi
  if command -v pulseaudio >/dev/null; then
    pulse_dir="$work/pulse"
    mkdir -p "$pulse_dir"
    chmod 700 "$pulse_dir"
    HOME="$pulse_dir" XDG_RUNTIME_DIR="$pulse_dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
      --use-pid-file=no --load="module-null-sink sink_name=bench" \
      --load="module-native-protocol-unix socket=$pulse_dir/native auth-anonymous=1" >"$work/pulse.log" 2>&1 &
    pulse_pid=$!
    for _ in $(seq 1 100); do [ -S "$pulse_dir/native" ] && break; sleep 0.05; done
    session daemon-offscreen SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$pulse_dir/native" QT_QPA_PLATFORM=offscreen
    session daemon-openbox SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$pulse_dir/native"
  fi
fi

load_wm_before=$(load1)
"$b/bench_launch" "$runs" floor="$b/bench_floor" pexora="$b/bench_pexora" >"$work/startup-wm.txt"
load_wm="$load_wm_before-$(load1)"
"$b/bench_launch" breakdown 10 "$b/bench_pexora" >"$work/breakdown.txt"

# Instructions of one start-up, exec to the window's map, under openbox.
instructions() {  # instructions PROGRAM SCALE: callgrind's count, in millions
  local out="$work/callgrind.$(basename "$1").$2"
  QT_SCALE_FACTOR="$2" BENCH_END_AT_MAP=1 valgrind --tool=callgrind --callgrind-out-file="$out" "$1" startup \
    >/dev/null 2>&1 || true
  awk '/^(summary|totals):/ { printf "%.1f", $2 / 1e6; exit }' "$out" 2>/dev/null
}
declare -A counted=()
if command -v valgrind >/dev/null; then
  for scale in 1 2; do
    counted[floor$scale]=$(instructions "$b/bench_floor" "$scale")
    counted[pexora$scale]=$(instructions "$b/bench_pexora" "$scale")
  done
fi
for pid in "${session_pids[@]}"; do wait "$pid" || true; done

field() {  # field FILE PATTERN WORD: the value after WORD on the line matching PATTERN
  awk -v p="$2" -v w="$3" '$0 ~ p { for (i = 1; i < NF; i++) if ($i == w) { print $(i + 1); exit } }' "$1"
}

met() { awk "BEGIN { print (($1) ? \"met\" : \"missed\") }"; }

range_of() {  # range_of FILE LABEL: the fastest and the slowest start-up
  printf '%s-%s' "$(field "$1" "^startup $2" min-ms)" "$(field "$1" "^startup $2" max-ms)"
}

startup_rows() {  # startup_rows FILE WHERE LOAD: the start-up and memory rows of one run of pairs
  local f_ms p_ms f_mb p_mb f_cpu p_cpu ratio extra
  f_ms=$(field "$1" "^startup floor" median-ms)
  p_ms=$(field "$1" "^startup pexora" median-ms)
  f_mb=$(field "$1" "^startup floor" rss-median-mb)
  p_mb=$(field "$1" "^startup pexora" rss-median-mb)
  f_cpu=$(field "$1" "^startup floor" cpu-median-ms)
  p_cpu=$(field "$1" "^startup pexora" cpu-median-ms)
  ratio=$(awk -v p="$p_ms" -v f="$f_ms" 'BEGIN { printf "%.2f", p / f }')
  extra=$(awk -v p="$p_mb" -v f="$f_mb" 'BEGIN { printf "%+.1f", p - f }')
  printf '| Start-up to first paint, %s, scale %s, floor (median of %s; range; load %s) | %s ms (%s) | | |\n' \
    "$2" "$QT_SCALE_FACTOR" "$runs" "$3" "$f_ms" "$(range_of "$1" floor)"
  printf '| Start-up to first paint, %s, scale %s, Pexora (median of %s; range; load %s) | %s ms (%s) | at most 1.15 x floor (not a gate) | %s x, %s |\n' \
    "$2" "$QT_SCALE_FACTOR" "$runs" "$3" "$p_ms" "$(range_of "$1" pexora)" "$ratio" "$(met "$ratio <= 1.15")"
  printf '| CPU time of a start-up, %s, floor / Pexora (medians) | %s / %s ms | | %s x |\n' \
    "$2" "$f_cpu" "$p_cpu" "$(awk -v p="$p_cpu" -v f="$f_cpu" 'BEGIN { printf "%.2f", p / f }')"
  printf '| Peak resident memory, %s, floor | %s MB | | |\n' "$2" "$f_mb"
  printf '| Peak resident memory, %s, Pexora | %s MB | at most floor + 8 MB | %s MB, %s |\n' \
    "$2" "$p_mb" "$extra" "$(met "$p_mb - $f_mb <= 8")"
}

flip=$(field "$work/animation.txt" "^flip" median-s)
flip_over=$(field "$work/animation.txt" "^flip" over-pct)
removal=$(field "$work/animation.txt" "^removal" median-s)
removal_over=$(field "$work/animation.txt" "^removal" over-pct)
idle_stop=$(field "$work/idle.txt" "^idle-stopped" pct-core)
idle_run=$(field "$work/idle.txt" "^idle-running" pct-core)
floor_idle=$(awk '/^idle-cpu-seconds/ { printf "%.4f", $2 / 10 * 100 }' "$work/floor-idle.txt")
audio_before=$(field "$work/idle.txt" "^audio-before-sound" audio-threads)
audio_after=$(field "$work/idle.txt" "^audio-after-sound" audio-threads)
sdl_after=$(field "$work/idle.txt" "^audio-after-sound" sdl-audio-init)

echo "| Benchmark | Result | Target | |"
echo "|---|---|---|---|"
startup_rows "$work/startup-bare.txt" "bare X server" "$load_bare"
startup_rows "$work/startup-wm.txt" "under openbox" "$load_wm"
for scale in 1 2; do
  f="${counted[floor$scale]:-}"
  p="${counted[pexora$scale]:-}"
  if [ -n "$f" ] && [ -n "$p" ]; then
    ratio=$(awk -v p="$p" -v f="$f" 'BEGIN { printf "%.3f", p / f }')
    printf '| Instructions of a start-up, exec to map, under openbox, scale %s, floor / Pexora | %s / %s million | at most 1.08 x floor | %s x, %s |\n' \
      "$scale" "$f" "$p" "$ratio" "$(met "$ratio <= 1.08")"
  else
    printf '| Instructions of a start-up, exec to map, under openbox, scale %s | not counted (no valgrind) | at most 1.08 x floor | |\n' "$scale"
  fi
done
printf '| One flip, sounds off (median) | %s s | within 10%% of 0.05 s | %+.1f %%, %s |\n' \
  "$flip" "$flip_over" "$(met "$flip_over <= 10")"
printf '| One removal, sounds off (median) | %s s | within 10%% of 0.10 s | %+.1f %%, %s |\n' \
  "$removal" "$removal_over" "$(met "$removal_over <= 10")"
printf '| Idle CPU over 10 s, clock stopped | %s %% of a core | under 0.1 %% | %s |\n' "$idle_stop" "$(met "$idle_stop < 0.1")"
printf '| Idle CPU over 10 s, clock running | %s %% of a core | | |\n' "$idle_run"
printf '| Idle CPU over 10 s, floor window | %s %% of a core | | |\n' "$floor_idle"
printf '| SDL audio threads while idle (before / after a sound) | %s / %s (audio subsystem up: %s) | none | %s |\n' \
  "$audio_before" "$audio_after" "$sdl_after" "$(met "$audio_after == 0")"
for name in dummy-offscreen dummy-openbox server-offscreen server-openbox daemon-offscreen daemon-openbox; do
  f="$work/session-$name.txt"
  [ -s "$f" ] || continue
  at500=$(field "$f" "^memory 500" rss-kb)
  at_end=$(field "$f" "^memory end" rss-kb)
  games=$(field "$f" "^memory end" games)
  [ -n "$at500" ] && [ -n "$at_end" ] || continue
  target="within 100 kB"
  case "$name" in
    dummy-*) driver="SDL dummy driver" ;;
    server-*) driver="PipeWire server (its PulseAudio service)" ;;
    *) driver="PulseAudio daemon"; target="within 100 kB (not a gate: SDL's own)" ;;
  esac
  case "$name" in
    *-offscreen) where="offscreen" ;;
    *) where="X server under openbox" ;;
  esac
  printf '| Session with sounds, %s, %s: resident at game 500 / %s | %s / %s kB | %s | %+d kB, %s |\n' \
    "$driver" "$where" "$games" "$at500" "$at_end" "$target" "$((at_end - at500))" "$(met "$at_end - $at500 <= 100 && $at500 - $at_end <= 100")"
done
if [ -s "$work/engine.csv" ]; then
  awk -F, 'NR > 1 && $1 ~ /BM_/ {
      name = $1; gsub(/"/, "", name)
      split(name, part, "/")
      what = (part[1] == "BM_Deal") ? "Deals" : "Whole games (two players)"
      board = (part[2] == 60) ? "Large" : "Small"
      printf "| Engine: %s, %s board, match %s | %.0f per second | | |\n", what, board, part[3], $7
    }' "$work/engine.csv"
fi
if [ -s "$work/store.txt" ]; then
  # Each operation on a store at the bound against the same on a 10 KiB one.
  awk '$1 == "store" {
      key = $2 " " $6; wall[key] = $8; cpu[key] = $10; peak[key] = $12; bytes[key] = $4
    }
    END {
      split("load end dialog reset", ops, " ")
      name["load"] = "options loaded"; name["end"] = "a game'"'"'s end (both results)"
      name["dialog"] = "high-score dialog opened"; name["reset"] = "reset of one board size"
      limit["load"] = 1; limit["end"] = 1; limit["dialog"] = 0.5
      split("keys sections", stores, " ")
      for (s = 1; s <= 2; ++s) for (o = 1; o <= 4; ++o) {
        k = stores[s] " " ops[o]; small = "small " ops[o]
        if (!(k in wall)) continue
        target = (ops[o] in limit) ? sprintf("under %s s", limit[ops[o]]) : ""
        verdict = (ops[o] in limit) ? ((wall[k] < limit[ops[o]]) ? "met" : "missed") : ""
        printf "| Store of 16 MiB, millions of %s: %s (CPU; 10 KiB store) | %s s (%s s; %s s) | %s | %s |\n", \
          stores[s], name[ops[o]], wall[k], cpu[k], wall[small], target, verdict
        printf "| Store of 16 MiB, millions of %s: peak memory growth, %s | %.1f MB | under 3 x the file | %.2f x, %s |\n", \
          stores[s], name[ops[o]], peak[k] / 1024, peak[k] * 1024 / bytes[k], (peak[k] * 1024 < 3 * bytes[k]) ? "met" : "missed"
      }
    }' "$work/store.txt"
fi
echo
echo "Start-up of Pexora under openbox, median ms from exec: $(awk '{ printf "%s %s; ", $2, $4 }' "$work/breakdown.txt")"
echo "Loads made while the window is built, ms each: $(awk '{ printf "%s %s; ", $2, $4 }' "$work/costs.txt")"
