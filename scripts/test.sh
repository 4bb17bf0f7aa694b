#!/usr/bin/env bash
# Every test of the project, from a fresh machine: installs what is missing, builds the three
# presets, runs each tier and ends with one summary line. Exit code 0 only when all passed.
#   scripts/test.sh [FUZZ_SECONDS]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
umask 022  # the Wine side runs as another user, who must read what the build writes
fuzz_seconds=${1:-30}

"$root/scripts/install.sh" || { echo "test: SUMMARY: install failed"; exit 1; }

for preset in native win64 win32; do
  echo "== build $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    echo "test: SUMMARY: build of $preset failed"
    exit 1
  fi
done

passed=()
failed=()
step() {
  local name=$1; shift
  echo "== $name"
  if "$@"; then passed+=("$name"); else failed+=("$name"); fi
}

step unit ctest --preset native

# Wine and GUI tiers share one prefix, one Xvfb and one persistent wineserver; stopped on any exit.
source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
ROOMNAME_FORCE_XVFB=1 wine_env_start "$root/build/wine"
# (ctest lists the Wine-run test programs' tests at its start, so every win64 tier runs in here.)
step imports ctest --preset win64 -L imports
step wine ctest --preset win64 -L wine
step gui ctest --preset win64 -L gui
wine_env_stop
trap - EXIT

step fuzz "$root/scripts/fuzz.sh" "$fuzz_seconds"

shots=$(ls "$root"/build/screenshots/*.png "$root"/build/win64/screenshots/*.png 2>/dev/null | tr '\n' ' ')
[ -n "$shots" ] && echo "test: screenshots: $shots"
if [ "${#failed[@]}" -eq 0 ]; then
  echo "test: SUMMARY: all ${#passed[@]} tiers passed (${passed[*]})"
  exit 0
fi
echo "test: SUMMARY: ${#failed[@]} of $(( ${#passed[@]} + ${#failed[@]} )) tiers FAILED (${failed[*]}); passed: ${passed[*]:-none}"
exit 1
