#!/usr/bin/env bash
# Builds the Debian package of the last commit twice and compares the two
# byte for byte. Each build starts from a clean clone of its own, in folders
# of different names and lengths, one after the other (so at different times
# of day), in different time zones, with SOURCE_DATE_EPOCH set to the time of
# the last commit as a packager sets it. Fails if the two packages differ,
# and then names the files of the package that differ.
#
#   dist/check-reproducible.sh [WORK_DIR]
#
# Only committed work is built. Each build compiles the game, its help file
# and the help checker (no tests, no benchmarks) without ccache, under nice;
# the folder (a new temporary one by default) is removed at the end unless
# it was given. Not part of `./build.sh test`: it takes two builds.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"
for tool in git cmake cpack dpkg-deb cmp; do
  command -v "$tool" >/dev/null || { echo "check-reproducible: $tool is missing" >&2; exit 2; }
done

commit="$(git -C "$repo" rev-parse HEAD)"
SOURCE_DATE_EPOCH="$(git -C "$repo" log -1 --format=%ct "$commit")"
export SOURCE_DATE_EPOCH
# The compiler cache could hand the second build the first one's objects.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER

if [ -n "${1:-}" ]; then
  work="$(mkdir -p "$1" && cd "$1" && pwd)"
else
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
fi
umask 022

step() { echo "== $*"; }

# build_package FOLDER TIME_ZONE: clones, builds and packages into FOLDER/package.
build_package() {
  local dir="$work/$1" zone="$2"
  rm -rf "$dir"
  mkdir -p "$dir"
  step "build in $dir (TZ=$zone), $(date -u +%H:%M:%S) UTC"
  git clone -q --no-hardlinks "$repo" "$dir/src"
  git -C "$dir/src" checkout -q --detach "$commit"
  (
    export TZ="$zone"
    cd "$dir/src"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEXORA_BUILD_TESTS=OFF -DPEXORA_BUILD_BENCH=OFF \
      >"$dir/configure.log" 2>&1 || { cat "$dir/configure.log" >&2; exit 1; }
    nice cmake --build build -j"$jobs" >"$dir/build.log" 2>&1 || { tail -n 50 "$dir/build.log" >&2; exit 1; }
    nice cpack -G DEB --config build/CPackConfig.cmake -B "$dir/package" >"$dir/cpack.log" 2>&1 \
      || { cat "$dir/cpack.log" >&2; exit 1; }
  )
  local debs=("$dir"/package/pexora_*.deb)
  [ -f "${debs[0]}" ] || { echo "check-reproducible: no package in $dir/package" >&2; exit 1; }
}

echo "commit $commit, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T') UTC)"
build_package one UTC
build_package second-build-folder Pacific/Kiritimati

first=("$work"/one/package/pexora_*.deb)
second=("$work"/second-build-folder/package/pexora_*.deb)
step "compare $(basename "${first[0]}")"
sha256sum "${first[0]}" "${second[0]}"
if cmp -s "${first[0]}" "${second[0]}"; then
  echo "the two packages are identical byte for byte"
  exit 0
fi

# Where they differ: the control fields, the file list with its modes,
# owners and times, and each file.
for side in one second-build-folder; do
  deb=("$work/$side"/package/pexora_*.deb)
  mkdir -p "$work/$side/unpacked"
  dpkg-deb -R "${deb[0]}" "$work/$side/unpacked"
  dpkg-deb -c "${deb[0]}" >"$work/$side/listing"
done
diff "$work/one/listing" "$work/second-build-folder/listing" || true
diff -r "$work/one/unpacked" "$work/second-build-folder/unpacked" || true
echo "check-reproducible: the two packages differ" >&2
exit 1
