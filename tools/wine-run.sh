#!/usr/bin/env bash
# Runs a Windows program under Wine, with the loader of its architecture, on
# the private test display (or on $VO_DISPLAY when set). ctest uses it as the
# emulator of the Windows tests.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ -n "${VO_DISPLAY:-}" ]; then export DISPLAY="$VO_DISPLAY"; else vo_use_private_display; fi
vo_prepare_wine
# Under a pipe (ctest), the program writes to a file that is copied out after
# it ends: a Wine process it starts and leaves running then cannot hold the
# caller's pipe open.
if [ -t 1 ]; then vo_wine "$@"; exit $?; fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
set +e
vo_wine "$@" >"$log" 2>&1
code=$?
cat "$log"
exit $code
