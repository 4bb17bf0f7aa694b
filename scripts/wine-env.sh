# Sourced by the run and test scripts: a Wine environment of the project's own under build/wine,
# an Xvfb display when there is none, and a persistent wineserver for the prefix.
#   wine_env_start [home-dir]   sets ROOMNAME_WINE_HOME, ROOMNAME_WINE_UID and DISPLAY
#   wine_env_stop               stops what wine_env_start started (by pid / by prefix)

_wine_env_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_wine_env_xvfb_pid=""
_wine_env_saved_display=""

_wine_env_as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid="$ROOMNAME_WINE_UID" --regid="$ROOMNAME_WINE_UID" --clear-groups \
      env HOME="$ROOMNAME_WINE_HOME" WINEPREFIX="$ROOMNAME_WINE_HOME/pfx" LANG=zh_CN.UTF-8 \
      LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all DISPLAY="$DISPLAY" WINEDLLOVERRIDES="mscoree,mshtml=" \
      PATH=/usr/bin:/bin "$@"
  else
    env HOME="$ROOMNAME_WINE_HOME" WINEPREFIX="$ROOMNAME_WINE_HOME/pfx" LANG=zh_CN.UTF-8 \
      LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
  fi
}

wine_env_start() {
  export ROOMNAME_WINE_HOME=${1:-$_wine_env_root/build/wine}
  if [ "$(id -u)" -eq 0 ]; then export ROOMNAME_WINE_UID=65534; else export ROOMNAME_WINE_UID=$(id -u); fi
  mkdir -p "$ROOMNAME_WINE_HOME"
  chown "$ROOMNAME_WINE_UID:$ROOMNAME_WINE_UID" "$ROOMNAME_WINE_HOME" 2>/dev/null || true
  if [ "$(id -u)" -eq 0 ]; then
    # The unprivileged user must reach the programs in the build tree (a clone under /root, say).
    local dir=$_wine_env_root
    while [ "$dir" != / ]; do
      if ! setpriv --reuid="$ROOMNAME_WINE_UID" --regid="$ROOMNAME_WINE_UID" --clear-groups test -x "$dir"; then
        echo "wine-env: letting uid $ROOMNAME_WINE_UID pass through $dir (o+x)"
        chmod o+x "$dir"
      fi
      dir=$(dirname "$dir")
    done
  fi

  if [ -z "${DISPLAY:-}" ] || [ -n "${ROOMNAME_FORCE_XVFB:-}" ]; then
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    _wine_env_saved_display=${DISPLAY:-}
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    _wine_env_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  fi

  if [ ! -f "$ROOMNAME_WINE_HOME/pfx/.roomname-ready" ]; then
    echo "wine-env: creating the Wine prefix (once, about 10 s)"
    _wine_env_as_user /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    # Every program on one 1024x768 virtual desktop: real window frames, a known screen size,
    # and the test programs see each other's windows.
    _wine_env_as_user /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    _wine_env_as_user /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    # The desktop process started above still has the old settings: let everything end first.
    _wine_env_as_user /usr/lib/wine/wineserver -w
    touch "$ROOMNAME_WINE_HOME/pfx/.roomname-ready"
  fi
  _wine_env_as_user /usr/lib/wine/wineserver -p
  # The first Wine program also starts the desktop process, which lives as long as the server and
  # keeps the first program's output open: start it here, detached, not under ctest's pipe.
  _wine_env_as_user /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
  if [ -n "${ROOMNAME_WINE_HOME:-}" ] && [ -d "$ROOMNAME_WINE_HOME/pfx" ]; then
    _wine_env_as_user /usr/lib/wine/wineserver -k 2>/dev/null || true
  fi
  if [ -n "$_wine_env_xvfb_pid" ]; then
    kill "$_wine_env_xvfb_pid" 2>/dev/null || true
    wait "$_wine_env_xvfb_pid" 2>/dev/null || true
    _wine_env_xvfb_pid=""
    # Give back the display we replaced, so a later start does not use a stopped server.
    if [ -n "$_wine_env_saved_display" ]; then export DISPLAY=$_wine_env_saved_display; else unset DISPLAY; fi
  fi
}
