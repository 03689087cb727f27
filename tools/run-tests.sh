#!/usr/bin/env bash
# Runs every test in one ctest pass over the build trees: the host unit tests,
# the 64-bit Windows tests always, and the 32-bit Windows tests where this
# machine can run 32-bit programs. HOST names the host tree (host, or
# host-clang). Extra arguments go to ctest.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
trees=("${HOST:-host}" win64)
if vo_can_run_32bit; then
  trees+=(win32)
else
  echo "32-bit Windows tests skipped: this machine cannot run 32-bit programs ($vo_32bit_reason)"
fi
{
  echo "# Written by tools/run-tests.sh: the build trees this machine runs."
  for tree in "${trees[@]}"; do echo "subdirs(\"$tree\")"; done
} > "$VO_BUILD_DIR/CTestTestfile.cmake"
cd "$VO_BUILD_DIR" && exec ctest --output-on-failure -j "${JOBS:-2}" "$@"
