#!/usr/bin/env bash
# The second and third demonstration windows driven with real X input: the
# live clock moves, "Start" fades the window and ends opaque, the minutes spin
# box wraps and carries into the hours, a drag of the settable clock's minute
# hand reaches the spin boxes, the language list picks a task; the calendar
# opens beside window III and a double click on a day hides it; the combo box
# lists five languages; "Exit" ends the program with 0; and the program runs
# from a folder without "resources\".
set -uo pipefail
demo="$1"
probe="$2"
source "$(dirname "$0")/../../tools/wine-env.sh"
vo_use_private_display || exit 1
vo_prepare_wine
shots=${VO_KEEP_SHOTS:-$(mktemp -d)}
mkdir -p "$shots"
trap 'kill "$pid" 2>/dev/null; [ -n "${VO_KEEP_SHOTS:-}" ] || rm -rf "$shots"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$(dirname "$demo")"
loader=$(vo_loader_for "$demo")
WINELOADER="$loader" "$loader" "$demo" &
pid=$!
places=$(vo_wine "$probe" wait 3 20000 | tr -d '\r') || fail "the windows did not appear"
read -r ax ay _ < <(sed -n 2p <<<"$places")   # window II, right of window I
read -r bx by _ < <(sed -n 3p <<<"$places")   # window III, below window I
sleep 0.5

shot() { sleep "${2:-0.4}"; import -display "$DISPLAY" -window root "$shots/$1.png"; }
# Differing pixels of one screen region (W H X Y) between two shots.
differ() {
  convert "$shots/$1.png" -crop "$3x$4+$5+$6" +repage "$shots/a.png"
  convert "$shots/$2.png" -crop "$3x$4+$5+$6" +repage "$shots/b.png"
  compare -metric AE -fuzz 2% "$shots/a.png" "$shots/b.png" null: 2>&1 | cut -d' ' -f1
}
same() { local n; n=$(differ "$@"); [ "${n%.*}" -le 10 ]; }
click() { xdotool mousemove "$1" "$2" click 1; }

# --- Window II ------------------------------------------------------------
minutes="50 23 $((ax + 230)) $((ay + 250))"
hours="50 23 $((ax + 175)) $((ay + 250))"
tasks="130 23 $((ax + 145)) $((ay + 190))"
live="150 150 $((ax + 175)) $((ay + 5))"
shot start
shot later 1.3
same start later $live && fail "the live clock did not move in 1.3 s"
echo "the live clock moves"

click $((ax + 271)) $((ay + 267))              # minutes: down arrow at 0 wraps to 59
shot wrapped
same start wrapped $minutes && fail "the minutes did not wrap to 59"
click $((ax + 271)) $((ay + 255))              # up arrow at 59: back to 0, one more hour
shot carried
same start carried $minutes || fail "the minutes did not come back to 0"
same start carried $hours && fail "the hours did not go up"
echo "the minutes wrap at 59 and carry into the hours"

xdotool mousemove $((ax + 90)) $((ay + 38)) mousedown 1   # the minute hand, pointing up
xdotool mousemove $((ax + 115)) $((ay + 44))
xdotool mousemove $((ax + 130)) $((ay + 55))
xdotool mouseup 1
shot dragged
same carried dragged $minutes && fail "dragging the minute hand did not reach the minutes spin box"
echo "dragging the minute hand sets the minutes"

click $((ax + 85)) $((ay + 200))               # open the language list
sleep 0.4
read -r lx ly lw lh < <(vo_wine "$probe" popups | tr -d '\r' | head -1)
[ -n "${lh:-}" ] || fail "the language list did not open"
click $((lx + lw / 2)) $((ly + 1 + 2 * 20 + 10))   # the third row
shot japanese
same carried japanese $tasks && fail "choosing the third language did not change the task"
# Choosing "Hybrid Shut Down" (the sixth task) by hand must leave the field as it is.
click $((ax + 205)) $((ay + 200))              # open the task list
sleep 0.4
read -r tx ty tw th < <(vo_wine "$probe" popups | tr -d '\r' | head -1)
[ -n "${th:-}" ] || fail "the task list did not open"
click $((tx + tw / 2)) $((ty + 1 + 5 * 17 + 8))
shot hybrid
same japanese hybrid $tasks || fail "the third language did not pick Hybrid Shut Down"
echo "the third language picks Hybrid Shut Down"

alpha_log="$shots/alpha.txt"
vo_wine "$probe" alpha $((ax + 200)) $((ay + 150)) 1500 > "$alpha_log" &
sampler=$!
sleep 0.2
click $((ax + 60)) $((ay + 260))               # "Start"
wait $sampler
read -r _ lowest _ last _ < <(tr -d '\r' < "$alpha_log")
[ "${lowest:-255}" -lt 100 ] || fail "the window did not fade: $(cat "$alpha_log")"
[ "${last:-0}" -eq 255 ] || fail "the window did not end opaque: $(cat "$alpha_log")"
echo "Start fades the window (lowest alpha $lowest) and ends opaque"

# --- Window III -----------------------------------------------------------
click $((bx + 250)) $((by + 60))               # the file-skinned combo box
sleep 0.4
read -r _ _ _ listHeight < <(vo_wine "$probe" popups | tr -d '\r' | head -1)
[ "${listHeight:-0}" = 102 ] || fail "the language list is ${listHeight:-not} open, not 5 rows of 20"
xdotool key Escape
echo "the combo box lists five languages"

click $((bx + 21)) $((by + 186))               # the round calendar button
sleep 0.5
grep -q "^$((bx - 140)) $((by + 95)) 150 160$" <(vo_wine "$probe" wait 4 3000 | tr -d '\r') ||
  fail "the calendar is not at $((bx - 140)),$((by + 95))"
echo "the calendar opens left of window III"
xdotool mousemove $((bx - 140 + 75)) $((by + 95 + 100)) click --repeat 2 --delay 60 1
sleep 0.5
[ "$(vo_wine "$probe" count | tr -d '\r')" = 3 ] || fail "a double click on a day did not hide the calendar"
echo "a double click on a day hides it"

click $((ax + 255)) $((ay + 290))              # "Exit"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
wait "$pid"; code=$?
[ $code -eq 0 ] || fail "Exit ended the program with $code"
echo "Exit ends the program with 0"

# --- Without resources\ ---------------------------------------------------
bare=$(mktemp -d)
cp "$demo" "$bare/"
cd "$bare"
WINELOADER="$loader" "$loader" "$bare/$(basename "$demo")" &
pid=$!
vo_wine "$probe" wait 3 20000 >/dev/null || fail "the program did not start without resources"
vo_wine "$probe" close
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"; code=$?
rm -rf "$bare"
[ $code -eq 0 ] || fail "without resources the program ended with $code"
echo "it runs from a folder without resources"
echo "PASS"
