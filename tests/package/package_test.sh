#!/usr/bin/env bash
# examples/hello built the way a user of the library builds a program, with the
# build tree's own toolchain: against the package installed from the tree
# (installed), or with this repository added as a subdirectory (subdirectory).
# The build phase builds it; in the run phase, on the private display, its
# window must show the gradient and the skinned button, and a close request
# must end it with exit code 0.
#   package_test.sh build|run installed|subdirectory TREE TOOLCHAIN_FILE PROBE CMAKE
set -uo pipefail
phase="$1" mode="$2" tree="$3" toolchain="$4" probe="$5" cmake="$6"
repo="$(cd "$(dirname "$0")/../.." && pwd)"
scratch="$tree/package-test/$mode"
source "$repo/tools/wine-env.sh"
pid=""
fail() { echo "FAIL: $*"; [ -n "$pid" ] && kill "$pid" 2>/dev/null; exit 1; }

# Runs one step quietly, shows its output only when it fails, and its time.
step() {
  local what="$1" started=$SECONDS
  shift
  "$@" >"$scratch/step.log" 2>&1 || { cat "$scratch/step.log"; fail "$what"; }
  echo "$what: $((SECONDS - started)) s"
}

build() {
  # A make that started us must not lend its job server to the builds below.
  unset MAKEFLAGS MFLAGS MAKELEVEL
  rm -rf "$scratch" && mkdir -p "$scratch"
  case "$mode" in
    installed)
      step "install" "$cmake" --install "$tree" --prefix "$scratch/prefix"
      where=(-DCMAKE_PREFIX_PATH="$scratch/prefix") ;;
    subdirectory) where=(-DVO_SOURCE_DIR="$repo") ;;
    *) fail "unknown mode $mode" ;;
  esac
  step "configure hello" "$cmake" -S "$repo/examples/hello" -B "$scratch/hello" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release "${where[@]}"
  step "build hello" "$cmake" --build "$scratch/hello" -j2
}
if [ "$phase" = build ]; then build; exit 0; fi

cd "$scratch/hello" 2>/dev/null || fail "hello was not built"
[ -f hello.exe ] || fail "no hello.exe"
diff <(ls "$tree/skins/resources") <(ls resources) >/dev/null ||
  fail "the skin files were not copied beside hello.exe"

vo_use_private_display || exit 1
vo_prepare_wine
loader=$(vo_loader_for hello.exe)
WINELOADER="$loader" "$loader" hello.exe &
pid=$!
geometry=$(vo_wine "$probe" wait 1 20000 | tr -d '\r') || fail "no window: $geometry"
read -r x y width height <<<"$geometry"
[ "$width x $height" = "280 x 130" ] || fail "a window of $width x $height"

# Waits up to 5 s for the screen pixel at (dx, dy) of the window to be "R G B".
expect_pixel() {
  local dx="$1" dy="$2" wanted="$3" what="$4" seen=""
  for _ in $(seq 50); do
    seen=$(vo_wine "$probe" pixel $((x + dx)) $((y + dy)) | tr -d '\r')
    [ "$seen" = "$wanted" ] && { echo "$what: $seen"; return 0; }
    sleep 0.1
  done
  fail "$what: $seen at ($dx, $dy), not $wanted"
}
# The gradient's first column inside the border is the example's start
# colour. The button's top edge is its skin's opaque outline, drawn only from
# the linked-in pieces.
expect_pixel 1 65 "244 248 252" "gradient"
expect_pixel 40 20 "58 58 58" "button skin"

vo_wine "$probe" close || fail "no window to close"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "hello still runs after a close request"
wait "$pid"
code=$?
pid=""
[ $code -eq 0 ] || fail "exit code $code after a close request"
echo "a close request: exit code 0"
