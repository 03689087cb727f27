#!/usr/bin/env bash
# The first demonstration window driven with real X input: its vertical scroll
# bar scrolls the content and the controls by its line step, and back; a drag
# of the grip scrolls by the difference; a click on a disabled button changes
# nothing; typing reaches a text edit and a spin box.
set -uo pipefail
demo="$1"
probe="$2"
source "$(dirname "$0")/../../tools/wine-env.sh"
vo_use_private_display || exit 1
vo_prepare_wine
shots=${VO_KEEP_SHOTS:-$(mktemp -d)}; mkdir -p "$shots"
trap 'kill "$pid" 2>/dev/null; [ -n "${VO_KEEP_SHOTS:-}" ] || rm -rf "$shots"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$(dirname "$demo")"
loader=$(vo_loader_for "$demo")
WINELOADER="$loader" "$loader" "$demo" &
pid=$!
vo_wine "$probe" wait 3 20000 >/dev/null || fail "the windows did not appear"
read -r wx wy _ < <(vo_wine "$probe" wait 3 1000 | head -1 | tr -d '\r')
sleep 0.5

# Window I's client area as it shows now.
shot() { sleep 0.4; import -display "$DISPLAY" -window root -crop "370x340+$wx+$wy" +repage "$shots/$1.png"; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; }
# Differing pixels between a region of two shots: region = W H X1 Y1 X2 Y2.
differ() {
  convert "$shots/$1.png" -crop "$3x$4+$5+$6" +repage "$shots/a.png"
  convert "$shots/$2.png" -crop "$3x$4+$7+$8" +repage "$shots/b.png"
  compare -metric AE -fuzz 2% "$shots/a.png" "$shots/b.png" null: 2>&1 | cut -d' ' -f1
}
expect_same() { local n; n=$(differ "$@"); [ "${n%.*}" -le 20 ] || fail "$1 and $2 differ in $n pixels ($*)"; }
expect_changed() { local n; n=$(differ "$@"); [ "${n%.*}" -gt 20 ] || fail "$1 and $2 do not differ ($*)"; }

# The content scrolls (left of the 30-pixel strip, above the bottom strip).
shot top
click 350 273                      # the vertical bar's down arrow: one line, 25 pixels
shot down
expect_same top down 300 240 2 27 2 2 && echo "the down arrow scrolled the content up by 25"
expect_same top down 370 30 0 310 0 310 && echo "the bottom strip stayed"
click 350 28                       # the up arrow: back
shot back
expect_same top back 308 300 1 1 1 1 && echo "the up arrow scrolled it back"

# Dragging the grip scrolls at each move: the grip starts one pixel before
# the track, so 10 pixels down are 9 of travel (position 24) and 11 are 10 (26).
xdotool mousemove $((wx + 350)) $((wy + 50)) mousedown 1
xdotool mousemove $((wx + 350)) $((wy + 60))
shot dragged
expect_same top dragged 300 240 2 26 2 2 && echo "a 10-pixel drag scrolled by 24"
xdotool mousemove $((wx + 350)) $((wy + 61))
shot dragged-more
expect_same top dragged-more 300 240 2 28 2 2 && echo "one pixel more scrolled to 26"
xdotool mousemove $((wx + 350)) $((wy + 30))
xdotool mouseup 1
shot undragged
expect_same top undragged 308 300 1 1 1 1 && echo "dragging back to the start restored it"

# A disabled button does not react.
click 60 70
shot disabled
expect_same undragged disabled 370 340 0 0 0 0 && echo "a click on a disabled button changed nothing"

# Typing through the real keyboard path.
click 240 32                       # the 8-character text edit
xdotool type --delay 30 "Abc1"
shot typed
expect_changed disabled typed 80 16 205 28 205 28 && echo "typed text shows in the text edit"
# The text edit forwards its focus loss and the window answers by focusing the
# vertical scroll bar, so the first click only takes the focus off the text
# edit; a double click then focuses the spin box and selects its 999.
click 115 195
sleep 0.7                          # apart, so that the next two clicks make the double click
xdotool mousemove $((wx + 115)) $((wy + 195)) click --repeat 2 --delay 80 1
xdotool type --delay 30 "5"
shot spun
expect_changed typed spun 40 16 102 188 102 188 && echo "a digit typed over the selection shows in the spin box"
echo "PASS"
