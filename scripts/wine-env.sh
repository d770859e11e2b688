# Sourced by the run and test scripts: a Wine prefix of the project's own, a display, and a
# persistent wineserver, set up as measured on these machines.
#   FOLDERLOCKER_WINEPREFIX  the prefix (default: build/wineprefix)
#   DISPLAY                  used when set and reachable; otherwise an Xvfb is started
# shellcheck shell=bash

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINE64=/usr/lib/wine/wine64
export WINEPREFIX=${FOLDERLOCKER_WINEPREFIX:-$repo_root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# Where the browser stand-in writes the addresses the program opens (see browser-log.sh).
export FOLDERLOCKER_BROWSER_LOG=${FOLDERLOCKER_BROWSER_LOG:-$repo_root/build/browser.log}

folderlocker_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local display
  for display in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    FOLDERLOCKER_XVFB_PID=$!
    export DISPLAY=":$display"
    local tries
    for tries in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$FOLDERLOCKER_XVFB_PID" 2>/dev/null
  done
  echo "could not start Xvfb" >&2
  return 1
}

folderlocker_prepare_prefix() {
  local stamp=$WINEPREFIX/.folderlocker-ready
  if [ ! -e "$stamp" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (about 20 s)..."
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
    # Without a window manager, hiding a managed window stalls for seconds: let Wine draw frames.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
    # The dialogs ask for 宋体 (SimSun); draw it with the installed WenQuanYi font.
    local face
    for face in 宋体 SimSun 新宋体 NSimSun; do
      "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d 'WenQuanYi Micro Hei' /f >/dev/null
    done
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$stamp"
  fi
  # Web pages go to a stand-in browser that logs the address instead of opening it.
  "$WINE64" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ \
    /d "$repo_root/scripts/browser-log.sh" /f >/dev/null
  # Let the server that these commands started end, so that a persistent one can take over.
  timeout 30 /usr/lib/wine/wineserver -w || true
}

# A persistent server keeps every later Wine start fast, and spares the tests the race in which a
# program connects to a server that is just ending. Whatever server runs for the prefix (the
# short-lived one of the set-up, which can outlast any wait while its services run) is ended
# first, so that the persistent one really takes over. Started in a session of its own, it
# outlives the shell that started it, and returns once its socket is ready.
folderlocker_start_wineserver() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  timeout 30 /usr/lib/wine/wineserver -w || true
  setsid /usr/lib/wine/wineserver64 -p </dev/null >/dev/null 2>&1 || {
    echo "the persistent wineserver did not start" >&2
    return 1
  }
}

folderlocker_stop() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ -n "${FOLDERLOCKER_XVFB_PID:-}" ]; then
    kill "$FOLDERLOCKER_XVFB_PID" 2>/dev/null || true
  fi
}
