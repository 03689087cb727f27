# Sourced by the scripts that run Windows programs: sets up one Wine prefix in
# the build tree, a private Xvfb display when asked for one, and a wineserver
# that stays alive between test processes (a start then costs ~0.05 s, not 2 s).
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export VO_BUILD_DIR="${VO_BUILD_DIR:-$repo_root/build}"
export WINEPREFIX="${WINEPREFIX:-$VO_BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
vo_private_display="${VO_PRIVATE_DISPLAY:-:97}"

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
  wine regedit /S "$reg" >/dev/null 2>&1
  # Japanese and other scripts fall back to WenQuanYi when the face lacks a glyph.
  local face
  for face in Tahoma "Microsoft Sans Serif" Georgia "Times New Roman" "Courier New" "Liberation Serif" "DejaVu Serif" "Liberation Mono"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
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

# Creates the prefix once, then keeps a wineserver alive.
vo_prepare_wine() {
  vo_lock
  if [ ! -f "$WINEPREFIX/.vo-ready-fonts2" ]; then
    echo "creating the Wine prefix in $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i >/dev/null 2>&1 || true
    vo_configure_fonts
    wineserver -w
    touch "$WINEPREFIX/.vo-ready-fonts2"
  fi
  wineserver -p >/dev/null 2>&1 || true
  # Start Wine's background services here, with no inherited output, so they
  # never hold a caller's pipe (ctest waits for every writer to close).
  vo_services_running || wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
  vo_unlock
}
