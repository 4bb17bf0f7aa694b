#!/usr/bin/env bash
# Start-up benchmark: roomname.exe against a minimal OLE + window program, under Wine on one
# desktop (the x86_64 build: only 64-bit programs run here), then the sizes of both release exes.
#   scripts/bench-startup.sh [RUNS]
# BENCH_BUILD_ROOT puts the two builds elsewhere than build/ (as BUILD_ROOT/win64 and /win32), and
# BENCH_WINE_HOME the Wine environment elsewhere than build/wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-15}
builds=${BENCH_BUILD_ROOT:-$root/build}

for preset in win64 win32; do
  cmake --preset "$preset" -B "$builds/$preset" >/dev/null
  cmake --build "$builds/$preset" --target roomname minimal_window $([ $preset = win64 ] && echo startup_runner) >/dev/null
done

source scripts/wine-env.sh
# A wineserver already running for the prefix is fine.
wine_env_start "${BENCH_WINE_HOME:-}" || true
trap wine_env_stop EXIT

to_windows() { echo "Z:$1" | tr / '\\'; }
scripts/wine-run "$builds/win64/bench/startup/startup_runner.exe" \
  "$(to_windows "$builds/win64/roomname.exe")" \
  "$(to_windows "$builds/win64/bench/startup/minimal_window.exe")" "$runs"

# awk, not bc: a fresh machine may not have bc.
size() {
  stat -c %s "$1" | awk -v what="$2" -v goal="$3" \
    '{ printf "release %-16s %d bytes (%.1f KB%s)\n", what ":", $1, $1 / 1024, goal }'
}
size "$builds/win32/roomname.exe" roomname.exe ", goal <= 100 KB"
size "$builds/win32/bench/startup/minimal_window.exe" "minimal window" ""
