#!/usr/bin/env bash
# The real Vantoril.exe driven as a person would: the destination set in the
# registry with Wine's reg, files dragged onto the window from a second
# program with the mouse (xdotool), the copy button clicked, the destination
# checked file by file, the window closed with Esc, exit code 0.
#   e2e.sh VANTORIL.EXE E2E_HELPER.EXE   (inside the test runner's Wine setup)
set -euo pipefail
vantoril=$1 helper=$2
W=/usr/lib/wine/wine64
fail() { echo "e2e: FAILED: $*"; exit 1; }
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

tmp=$(mktemp -d)
vpid=
cleanup() {
  [ -n "$vpid" ] && kill "$vpid" 2>/dev/null
  "$W" reg delete 'HKCU\Software\FlySky\E\Install' /f >/dev/null 2>&1 || true
  rm -rf "$tmp"
}
trap cleanup EXIT
mkdir "$tmp/src" "$tmp/dest"
head -c 3000 /dev/urandom >"$tmp/src/alpha.fne"
head -c 100 /dev/urandom >"$tmp/src/beta.lib"
head -c 5000 /dev/urandom >"$tmp/src/中文支持库.fne"
echo "not a library" >"$tmp/src/notes.txt"
echo "older" >"$tmp/dest/alpha.fne"

"$W" reg add 'HKCU\Software\FlySky\E\Install' /v Path /d "$(winpath "$tmp/dest")\\e.exe" /f >/dev/null

"$W" "$vantoril" &
vpid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Vantoril$' >/dev/null || fail "the window did not appear"

point() { "$W" "$helper" point "$1" | tr -d '\r'; }
read -r lx ly < <(point list) || fail "no list found"

files=()
for f in alpha.fne beta.lib 中文支持库.fne notes.txt; do files+=("$(winpath "$tmp/src/$f")"); done
"$W" "$helper" drag "${files[@]}" >"$tmp/drag.out" &
hpid=$!
for _ in $(seq 100); do grep -q '^ready' "$tmp/drag.out" 2>/dev/null && break; sleep 0.1; done
read -r _ sx sy < <(grep '^ready' "$tmp/drag.out" | tr -d '\r') || fail "no drag source"

# Press on the source, move onto the list in steps, release.
xdotool mousemove "$sx" "$sy" mousedown 1
for i in $(seq 1 12); do
  xdotool mousemove $((sx + (lx - sx) * i / 12)) $((sy + (ly - sy) * i / 12))
  sleep 0.05
done
sleep 0.2
xdotool mouseup 1
timeout 15 tail --pid="$hpid" -f /dev/null || fail "the drag did not end"
grep -q 'effect 1 dropped' "$tmp/drag.out" || fail "drop not accepted: $(cat "$tmp/drag.out")"

read -r cx cy < <(point copy) || fail "no copy button"
xdotool mousemove "$cx" "$cy" click 1
# Three library files, one per second.
for _ in $(seq 80); do
  [ -f "$tmp/dest/beta.lib" ] && [ -f "$tmp/dest/中文支持库.fne" ] && break
  sleep 0.1
done
sleep 1.5
for f in alpha.fne beta.lib 中文支持库.fne; do
  cmp -s "$tmp/src/$f" "$tmp/dest/$f" || fail "$f was not copied whole"
done
[ ! -e "$tmp/dest/notes.txt" ] || fail "notes.txt was copied"

# Esc on the focused window closes it; the program ends with code 0.
xdotool mousemove "$lx" "$ly" click 1
sleep 0.3
xdotool key Escape
status=0
timeout 15 tail --pid="$vpid" -f /dev/null || fail "the program did not end on Esc"
wait "$vpid" || status=$?
vpid=
[ "$status" = 0 ] || fail "exit code $status"
echo "e2e: passed (3 files dragged in and copied, notes.txt passed over, exit code 0)"
