# Sourced by the run and test scripts: a private Wine prefix under the build
# tree, a Chinese locale (ANSI code page 936) and an X display.
#   wine_env_start [need-private-display]   sets up and exports the environment
#   wine_env_stop                           stops what wine_env_start started
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
build=${VANTORIL_BUILD:-$root/build}
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
_xvfb_pid=

wine_env_start() {
  local private_display=${1:-no}
  export WINEPREFIX=$build/wineprefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=zh_CN.UTF-8
  export WINEARCH=win64
  if [ "$private_display" = yes ] || [ -z "${DISPLAY:-}" ]; then
    local n=90
    while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    _xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/.vantoril-ready" ]; then
    echo "wine: preparing the prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager, frames are Wine's own and windows go at once.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.vantoril-ready"
  fi
  # Keep one server warm for all the programs that follow, with its services
  # already running: a service started by a test would hold the test's output
  # pipe open after the test has ended.
  "$WINESERVER" -p >/dev/null 2>&1 || true
  "$WINE64" wineboot >/dev/null 2>&1 </dev/null || true
}

# The Windows form of a Unix path, through Wine's Z: drive.
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

wine_env_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$_xvfb_pid" ]; then
    kill "$_xvfb_pid" 2>/dev/null || true
    wait "$_xvfb_pid" 2>/dev/null || true
  fi
}
