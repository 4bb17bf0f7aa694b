#!/usr/bin/env bash
# Start-up benchmark: roomname.exe against a minimal OLE + window program, under Wine on one
# desktop (the x86_64 build: only 64-bit programs run here), then the sizes of both release exes.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-15}

for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target roomname minimal_window $([ $preset = win64 ] && echo startup_runner) >/dev/null
done

source scripts/wine-env.sh
# A wineserver already running for the prefix is fine.
wine_env_start "${BENCH_WINE_HOME:-}" || true
trap wine_env_stop EXIT

to_windows() { echo "Z:$1" | tr / '\\'; }
scripts/wine-run build/win64/bench/startup/startup_runner.exe \
  "$(to_windows "$root/build/win64/roomname.exe")" \
  "$(to_windows "$root/build/win64/bench/startup/minimal_window.exe")" "$runs"

size() { stat -c %s "$1"; }
tool=$(size build/win32/roomname.exe)
minimal=$(size build/win32/bench/startup/minimal_window.exe)
printf 'release roomname.exe:   %d bytes (%.1f KB, goal <= 100 KB)\n' "$tool" "$(echo "$tool/1024" | bc -l)"
printf 'release minimal window: %d bytes (%.1f KB)\n' "$minimal" "$(echo "$minimal/1024" | bc -l)"
