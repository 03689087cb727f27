#!/usr/bin/env bash
# Starts the demonstration program under Wine. With DISPLAY set it shows on that
# display; without one it runs on a private Xvfb display and saves a screenshot
# once the windows are up. Returns the program's exit code.
set -uo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
source "$(dirname "$0")/wine-env.sh"
private=0
if [ -z "${DISPLAY:-}" ]; then vo_use_private_display || exit 1; private=1; fi
vo_prepare_wine

# The third window reads its skin files from resources\ beside the program.
cd "$(dirname "$exe")"
loader=$(vo_loader_for "$exe")
WINELOADER="$loader" "$loader" "$exe" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; exit 130' INT TERM

if [ $private -eq 1 ]; then
  shot="$VO_BUILD_DIR/demo-screenshot.png"
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)" -ge 3 ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  import -display "$DISPLAY" -window root "$shot" && echo "screenshot: $shot"
  echo "the program runs on the private display $DISPLAY; press Ctrl+C to end it"
fi
wait $pid
exit $?
