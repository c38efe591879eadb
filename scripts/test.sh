#!/usr/bin/env bash
# Sets up the machine, builds both targets and runs every test under Wine on a
# private X display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
"$root/scripts/fuzz.sh"

source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start yes
rm -f "$build/x86_64/tests/window.bmp"
status=0
ctest --test-dir "$build/x86_64" --output-on-failure --no-tests=error || status=$?
# The window as the tests painted it, kept for a look.
if [ -f "$build/x86_64/tests/window.bmp" ]; then
  convert "$build/x86_64/tests/window.bmp" "$build/screenshot-tests.png" || true
fi
exit $status
