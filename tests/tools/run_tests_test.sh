#!/usr/bin/env bash
# The test runner on a machine that cannot run 32-bit programs (the probe's
# answer forced): it runs the host and 64-bit trees, says the 32-bit tree was
# skipped and why, and its exit code follows the tests that did run.
set -uo pipefail
runner="$(cd "$(dirname "$0")/../../tools" && pwd)/run-tests.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; echo "$output"; exit 1; }

# A build tree with one test per configuration; the 32-bit one fails if run.
make_tree() {
  mkdir -p "$work/host" "$work/win64" "$work/win32"
  echo 'add_test(host.unit "true")' > "$work/host/CTestTestfile.cmake"
  echo "add_test(win64.suite \"$1\")" > "$work/win64/CTestTestfile.cmake"
  echo 'add_test(win32.suite "false")' > "$work/win32/CTestTestfile.cmake"
}

make_tree true
output=$(VO_BUILD_DIR="$work" VO_FORCE_NO_32BIT=1 "$runner" 2>&1)
code=$?
[ $code -eq 0 ] || fail "exit code $code with a passing 64-bit suite"
grep -q '^32-bit Windows tests skipped: this machine cannot run 32-bit programs (VO_FORCE_NO_32BIT=1' \
  <<<"$output" || fail "no line saying the 32-bit run was skipped and why"
grep -q 'win64.suite .*Passed' <<<"$output" || fail "the 64-bit suite did not run"
grep -q 'host.unit .*Passed' <<<"$output" || fail "the host tests did not run"
grep -q 'win32.suite' <<<"$output" && fail "the 32-bit suite ran"
[ "$(grep -c '^32-bit Windows tests skipped' <<<"$output")" = 1 ] || fail "the skip is not said once"

make_tree false
output=$(VO_BUILD_DIR="$work" VO_FORCE_NO_32BIT=1 "$runner" 2>&1)
[ $? -ne 0 ] || fail "exit code 0 with a failing 64-bit suite"
grep -q 'win64.suite .*Failed' <<<"$output" || fail "the failing 64-bit suite is not reported"
echo "PASS"
