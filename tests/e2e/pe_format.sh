#!/usr/bin/env bash
# The program's headers name the architecture its build targets:
#   win32: PE32 (optional header magic 0x10b), machine i386 (0x14c)
#   win64: PE32+ (magic 0x20b), machine x86-64 (0x8664)
# and the target's objdump reads it as the same format.
set -uo pipefail
exe="$1" arch="$2" objdump="$3"
case "$arch" in
  win32) want_machine=014c want_magic=010b want_format=pei-i386 ;;
  win64) want_machine=8664 want_magic=020b want_format=pei-x86-64 ;;
  *) echo "FAIL: unknown architecture $arch"; exit 1 ;;
esac
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
signature=$(od -An -c -j"$pe" -N4 "$exe" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$exe" | tr -d ' ')
magic=$(od -An -tx2 -j$((pe + 24)) -N2 "$exe" | tr -d ' ')
format=$("$objdump" -f "$exe" | sed -n 's/.*file format //p')
echo "$(basename "$exe"): signature $signature, machine 0x$machine, magic 0x$magic, $format"
[ "$signature" = 'PE\0\0' ] || { echo "FAIL: no PE signature"; exit 1; }
[ "$machine" = "$want_machine" ] || { echo "FAIL: machine 0x$machine, want 0x$want_machine"; exit 1; }
[ "$magic" = "$want_magic" ] || { echo "FAIL: magic 0x$magic, want 0x$want_magic"; exit 1; }
[ "$format" = "$want_format" ] || { echo "FAIL: objdump reads $format, want $want_format"; exit 1; }
echo "PASS: $arch"
