#!/usr/bin/env bash
# The built program on a 1920 x 1080 private display: its three windows form
# the L, a second start leaves at once with 0, a close request ends it with 0,
# and so does a real click on the first window's exit button.
set -uo pipefail
demo="$1"
probe="$2"
source "$(dirname "$0")/../../tools/wine-env.sh"
vo_use_private_display || exit 1
vo_prepare_wine
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }

# Waits up to 10 s for the program to end after `what`; it must end with 0.
expect_exit_zero() {
  local what="$1" code
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program still runs after $what"
  wait "$pid"
  code=$?
  [ $code -eq 0 ] || { echo "FAIL: exit code $code after $what"; exit 1; }
  echo "$what: exit code 0"
}

cd "$(dirname "$demo")"
loader=$(vo_loader_for "$demo")
echo "running $(basename "$demo") with $loader"
start_demo() { WINELOADER="$loader" "$loader" "$demo" & pid=$!; }
start_demo

geometry=$(vo_wine "$probe" wait 3 20000) || fail "the three windows did not appear: $geometry"
expected=$'590 200 370 340\n960 200 370 340\n590 540 370 340'
[ "$(echo "$geometry" | tr -d '\r')" = "$expected" ] || fail "windows at"$'\n'"$geometry"
echo "windows in place:"; echo "$geometry"

start=$(date +%s%N)
timeout 30 env WINELOADER="$loader" "$loader" "$demo"
second=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ $second -eq 0 ] || fail "a second start exited with $second"
[ "$(vo_wine "$probe" count | tr -d '\r')" = 3 ] || fail "a second start changed the windows"
kill -0 "$pid" 2>/dev/null || fail "the first copy ended when the second started"
echo "second start exited 0 after ${elapsed_ms} ms"

vo_wine "$probe" close || fail "no window to close"
expect_exit_zero "a close request"

# A real pointer click through X on "Exit program!" (client 25,25 of window I).
start_demo
vo_wine "$probe" wait 3 20000 >/dev/null || fail "the windows did not come back"
xdotool mousemove 650 235 click 1
expect_exit_zero "a click on the exit button"
