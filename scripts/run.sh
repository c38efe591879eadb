#!/usr/bin/env bash
# Sets up the machine, builds Vantoril and starts it under Wine: on $DISPLAY
# when there is one, otherwise on a private X display, where it takes a
# screenshot (build/screenshot.png) and closes the program again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" Vantoril

source "$root/scripts/wine-env.sh"
exe=$build/x86_64/bin/Vantoril.exe
if [ -n "${DISPLAY:-}" ]; then
  trap wine_env_stop EXIT
  wine_env_start
  "$WINE64" "$exe"
  exit
fi

trap wine_env_stop EXIT
wine_env_start yes
"$WINE64" "$exe" &
pid=$!
if id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantoril$' | head -1) && [ -n "$id" ]; then
  sleep 1
  import -window "$id" "$build/screenshot.png"
  echo "run: screenshot of the window in $build/screenshot.png"
fi
# Closes the window as its close box would (WM_CLOSE), so the program ends normally.
"$WINE64" taskkill /im Vantoril.exe >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
wait "$pid"
echo "run: Vantoril ended with exit code $?"
