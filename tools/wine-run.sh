#!/usr/bin/env bash
# Runs a Windows program under Wine on the private test display (or on
# $VO_DISPLAY when set). ctest uses it as the emulator of the Windows tests.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ -n "${VO_DISPLAY:-}" ]; then export DISPLAY="$VO_DISPLAY"; else vo_use_private_display; fi
vo_prepare_wine
exec wine "$@"
