#!/usr/bin/env bash
# Prints the Windows build that runs here: win32 where the machine executes
# 32-bit programs, win64 otherwise (and says why on standard error).
source "$(dirname "$0")/wine-env.sh"
if vo_can_run_32bit; then
  echo win32
else
  echo "32-bit programs cannot run here ($vo_32bit_reason): using the 64-bit build" >&2
  echo win64
fi
