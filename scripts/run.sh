#!/usr/bin/env bash
# Runs the tool on a demo game installation of its own: installs what is missing, builds, lays out
# a Wine prefix under build/demo whose registry points at a game directory holding a GBK
# room-name file, and starts roomname.exe under Wine. With a display the window opens there;
# without one it runs on Xvfb, and a screenshot of the window is saved and its path printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
umask 022  # the Wine side runs as another user, who must read what the build writes

"$root/scripts/install.sh"
# The x86_64 build is the one that runs under Wine here; the 32-bit release is built alongside.
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done

headless=0
[ -n "${DISPLAY:-}" ] || headless=1

source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$root/build/demo"

# The demo game: C:\CrossFire with rez\UI\Scripts\roomname.txt in GBK, found through the registry
# value the tool reads at start-up (the x86_64 build reads the 64-bit view).
game="$ROOMNAME_WINE_HOME/pfx/drive_c/CrossFire"
scripts_dir="$game/rez/UI/Scripts"
mkdir -p "$scripts_dir"
if [ ! -f "$scripts_dir/roomname.txt" ]; then
  printf '1\r\n一起来玩\r\n1\r\n一起来玩\r\n' | iconv -f UTF-8 -t GBK > "$scripts_dir/roomname.txt"
fi
chown -R "$ROOMNAME_WINE_UID:$ROOMNAME_WINE_UID" "$game" 2>/dev/null || true
"$root/scripts/wine-run" reg add 'HKLM\SOFTWARE\Tencent\CrossFire' /v uninstallpath /d 'C:\CrossFire' /f >/dev/null

echo "run: game directory C:\\CrossFire = $game"
if [ "$headless" -eq 0 ]; then
  echo "run: starting roomname.exe on $DISPLAY; close its window to end"
  "$root/scripts/wine-run" "$root/build/win64/roomname.exe" || true
  exit 0
fi

"$root/scripts/wine-run" "$root/build/win64/roomname.exe" &
app_pid=$!
if ! "$root/scripts/wine-run" "$root/build/win64/tools/wait_window.exe" "Morvane Ravelgate" 30000; then
  echo "run: the window did not appear"
  kill "$app_pid" 2>/dev/null || true
  exit 1
fi
sleep 1  # let the first paint finish
mkdir -p "$root/build/screenshots"
shot="$root/build/screenshots/demo.png"
import -display "$DISPLAY" -window root -crop 334x213+345+277 +repage "$shot"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
echo "run: no display, so the tool ran on Xvfb; screenshot of its window: $shot"
