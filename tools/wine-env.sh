# Sourced by the scripts that run Windows programs: sets up one Wine prefix in
# the build tree, a private Xvfb display when asked for one, and a wineserver
# that stays alive between test processes (a start then costs ~0.05 s, not 2 s).
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export VO_BUILD_DIR="${VO_BUILD_DIR:-$repo_root/build}"
export WINEPREFIX="${WINEPREFIX:-$VO_BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
vo_private_display="${VO_PRIVATE_DISPLAY:-:97}"

# The two loaders. The `wine` wrapper prefers the 32-bit one whenever it is
# installed, even on a kernel that cannot execute it, so we pick ourselves.
vo_wine32=/usr/lib/wine/wine
vo_wine64=/usr/lib/wine/wine64

# Whether this machine runs 32-bit programs, decided by starting the 32-bit
# loader (itself a tiny 32-bit program). VO_FORCE_NO_32BIT=1 simulates a
# machine that cannot. On failure vo_32bit_reason says why.
vo_can_run_32bit() {
  vo_32bit_reason=""
  if [ "${VO_FORCE_NO_32BIT:-0}" = 1 ]; then
    vo_32bit_reason="VO_FORCE_NO_32BIT=1 says this machine cannot run 32-bit programs"
    return 1
  fi
  local out
  if out=$("$vo_wine32" --version 2>&1); then return 0; fi
  vo_32bit_reason="$vo_wine32 --version: ${out:-it did not start}"
  return 1
}

# 32 or 64: the machine field of a Windows executable's PE header.
vo_exe_bits() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" | tr -d ' ')
  [ "$machine" = 8664 ] && echo 64 || echo 32
}

# The loader of a Windows executable's own architecture.
vo_loader_for() {
  if [ "$(vo_exe_bits "$1")" = 64 ]; then echo "$vo_wine64"; else echo "$vo_wine32"; fi
}

# Runs a Windows program with that loader.
vo_wine() {
  local loader
  loader=$(vo_loader_for "$1")
  WINELOADER="$loader" "$loader" "$@"
}

vo_lock() { mkdir -p "$VO_BUILD_DIR"; exec {vo_lock_fd}>"$VO_BUILD_DIR/.wine.lock"; flock "$vo_lock_fd"; }
vo_unlock() { flock -u "$vo_lock_fd"; exec {vo_lock_fd}>&-; }

# Starts (once) a 1920 x 1080 Xvfb on the private display and points DISPLAY at it.
vo_use_private_display() {
  local n="${vo_private_display#:}"
  export DISPLAY="$vo_private_display"
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    rm -f "/tmp/.X${n}-lock" "/tmp/.X11-unix/X${n}"
    setsid nohup Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    for _ in $(seq 100); do
      xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
  fi
}

vo_configure_fonts() {
  # Wine's own Tahoma ships outside the prefix's font folder, where it looks.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -f /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  local reg="$WINEPREFIX/vo-fonts.reg"
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Georgia"="DejaVu Serif"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"Arial"="Liberation Sans"
REG
  "$vo_wine64" regedit /S "$reg" >/dev/null 2>&1
  # Japanese and other scripts fall back to WenQuanYi when the face lacks a glyph.
  local face
  for face in Tahoma "Microsoft Sans Serif" Georgia "Times New Roman" "Courier New" "Liberation Serif" "DejaVu Serif" "Liberation Mono"; do
    "$vo_wine64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
}

# Whether this prefix's services already run (other prefixes may have theirs).
vo_services_running() {
  local pid
  for pid in $(pgrep -f 'system32.services.exe'); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

# Creates the prefix once (64-bit: it runs 32-bit programs too where the
# machine can), then keeps a wineserver alive.
vo_prepare_wine() {
  vo_lock
  export WINELOADER="$vo_wine64"
  if [ ! -f "$WINEPREFIX/.vo-ready-3" ]; then
    echo "creating the Wine prefix in $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    DISPLAY= "$vo_wine64" wineboot -i >/dev/null 2>&1 </dev/null || true
    vo_configure_fonts </dev/null
    wineserver -w
    touch "$WINEPREFIX/.vo-ready-3"
  fi
  wineserver -p >/dev/null 2>&1 </dev/null || true
  # Start Wine's background services here, with no inherited output, so they
  # never hold a caller's pipe (ctest waits for every writer to close).
  vo_services_running || "$vo_wine64" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
  unset WINELOADER
  vo_unlock
}
