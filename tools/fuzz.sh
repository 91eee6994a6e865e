#!/usr/bin/env bash
# Builds the fuzz targets with Clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS
# (default 60), one after the other, at low priority:
#
#   tools/fuzz.sh [SECONDS] [TARGET...]    TARGET: store, help, pictures
#   tools/fuzz.sh fixed [TARGET...]
#
# "fixed" runs each target for a set number of inputs from a set seed on a
# fresh corpus, so a verdict can be repeated (the store's run tries the same
# inputs every time; Qt's caches vary the others' coverage a little): the
# test command's run. A timed run goes on from where the last one stopped.
#
# Each starts from the real files (the store in fuzz/seeds, the pages and
# lists taken out of the help file with chmlib, the game's pictures) and
# from the kept inputs in fuzz/regressions/<target>; what it adds goes to
# build-fuzz/corpus/<target>. An input that finds a fault is written to
# build-fuzz/faults/ and the script fails: keep it in fuzz/regressions/<target>
# once the fault is mended, where the test suite replays it. After each
# target the script prints its executions (in all and a second), its
# coverage and the load average, which says whether the machine was idle.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
seconds="${1:-60}"
shift || true
fixed=false
if [ "$seconds" = fixed ]; then fixed=true; fi
# Inputs for a fixed run: about half a minute each on an idle machine.
declare -A fixed_runs=([store]=60000 [help]=15000 [pictures]=400000)
targets=(store help pictures)
if [ $# -gt 0 ]; then targets=("$@"); fi
out=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEXORA_FUZZ=ON -DPEXORA_BUILD_BENCH=OFF >/dev/null
nice cmake --build "$out" -j"$(nproc 2>/dev/null || echo 2)" --target "${targets[@]/#/fuzz_}" >/dev/null

# The help file's own pages, lists and style sheets, as chmlib gives them out.
rm -rf "$out/seeds/help" && mkdir -p "$out/seeds/help" "$out/faults"
if [[ " ${targets[*]} " == *" help "* ]]; then
  extract_chmLib "$out/Pexora.chm" "$out/seeds/chm" >/dev/null
  find "$out/seeds/chm" -type f \( -iname '*.htm' -o -iname '*.hhc' -o -iname '*.hhk' -o -iname '*.css' \) \
    -exec cp {} "$out/seeds/help/" \;
fi
declare -A seeds=(
  [store]="fuzz/seeds/store"
  [help]="$out/seeds/help"
  [pictures]="media/bitmaps media/icons media/window"
)

export QT_QPA_PLATFORM=offscreen PEXORA_BINARY_DIR="$here/$out"
# The store target writes its store many times a second: in memory where there is room.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
# While searching, the allocator does the least it can and still catches
# what it should: a quarantine of 4 MiB, not the default 256 (inputs of a
# few kilobytes free little, and fresh pages for each would cost more than
# the run itself), and no call stack kept for each allocation (half the
# time of a run went to that). libFuzzer counts no allocations either
# (-detect_leaks=0): leaks are the test suite's to find. The target's own
# output is dropped (-close_fd_mask=2). An input that finds a fault is run
# once more with the full report, its message and call stacks included.
search_asan="detect_leaks=0:abort_on_error=1:quarantine_size_mb=4:malloc_context_size=0"
report_asan="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for t in "${targets[@]}"; do
  corpus="$out/corpus/$t"
  limits=(-max_total_time="$seconds")
  if $fixed; then
    corpus="$out/corpus-fixed/$t"
    rm -rf "$corpus"
    # No re-reading of the corpus folder: that goes by the clock.
    limits=(-seed=1 -runs="${fixed_runs[$t]}" -reload=0)
  fi
  mkdir -p "$corpus" "fuzz/regressions/$t"
  dict=()
  if [ -f "fuzz/$t.dict" ]; then dict=(-dict="fuzz/$t.dict"); fi
  # A page of 2 KiB holds every construct a longer one has (a real topic is
  # cut there when it is read as a seed), and is laid out several times
  # faster.
  if [ "$t" = help ]; then dict+=(-max_len=2048); fi
  echo "== $t: ${limits[*]} (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
  # shellcheck disable=SC2086  # the seed folders are words
  ASAN_OPTIONS="$search_asan" nice -n 15 "$out/fuzz_$t" "${limits[@]}" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
    -close_fd_mask=2 -print_final_stats=1 "${dict[@]}" -artifact_prefix="$out/faults/$t-" \
    "$corpus" "fuzz/regressions/$t" ${seeds[$t]} 2>"$out/fuzz-$t.log" || {
    set +e  # the replay fails too: the report goes on to its end
    tail -n 20 "$out/fuzz-$t.log"
    fault=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$out/fuzz-$t.log" | tail -n 1)
    if [ -n "$fault" ] && [ -f "$fault" ]; then
      echo "== the input again, with the full report:"
      ASAN_OPTIONS="$report_asan" "$out/fuzz_$t" -timeout=10 -rss_limit_mb=2048 "$fault" 2>&1 | tail -n 60
    fi
    echo "fuzz_$t found a fault; the input is in ${fault:-$out/faults/}" >&2
    exit 1
  }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz-$t.log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/fuzz-$t.log" | tail -n 1)
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$out/fuzz-$t.log" | tail -n 1)
  echo "$t: ${runs:-?} executions, ${rate:-?} a second, ${cov:-no coverage line}; load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
done
