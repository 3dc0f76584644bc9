# Shared by the scripts: paths, the Wine prefix, and a display.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
# TOKIWAKE_WINEPREFIX lets two checkouts or two people on one machine keep their Wine apart.
export WINEPREFIX="${TOKIWAKE_WINEPREFIX:-$BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

wine_cmd() { echo wine; }

# The prefix is made once; the settings that keep Wine quiet and fast under Xvfb go in with it.
make_wine_prefix() {
  [ -f "$WINEPREFIX/.tokiwake-ready" ] && return 0
  mkdir -p "$BUILD"
  echo "setup: creating the Wine prefix in $WINEPREFIX"
  DISPLAY= "$(wine_cmd)" wineboot -i >/dev/null 2>&1 || true
  local reg="$BUILD/tokiwake-prefix.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="Y"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  DISPLAY= "$(wine_cmd)" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
  touch "$WINEPREFIX/.tokiwake-ready"
}

# The caption buttons are glyphs of the symbol font Marlett, which Wine's own fonts (Debian's
# fonts-wine) hold; Wine looks for it in the prefix's Fonts folder, and without it draws the
# buttons' letters ("0 1 r") in another face. Also given to prefixes made before this was here.
install_symbol_font() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$fonts/marlett.ttf" ] && return 0
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

# A prefix beside the usual one whose screen has `dpi` dots per inch, for looking at the window as
# a larger setting shows it; it becomes the prefix of this shell and of the scripts it starts.
use_dpi_prefix() {
  local dpi=$1
  export TOKIWAKE_WINEPREFIX="${WINEPREFIX}-${dpi}dpi"
  export WINEPREFIX="$TOKIWAKE_WINEPREFIX"
  make_wine_prefix
  install_symbol_font
  DISPLAY= "$(wine_cmd)" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$dpi" /f >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
}

winepath_of() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }

# Starts Xvfb when there is no display; sets STARTED_XVFB so that the caller can stop it. Xvfb picks
# a free display number itself (-displayfd), so that runs side by side never race for one.
STARTED_XVFB=""
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local numberFile number=""
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
  STARTED_XVFB=$!
  # The number is written once the server accepts connections; a server that died writes nothing.
  for _ in $(seq 100); do
    number=$(tr -dc 0-9 <"$numberFile")
    [ -n "$number" ] && break
    kill -0 "$STARTED_XVFB" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numberFile"
  if [ -n "$number" ]; then
    export DISPLAY=":$number"
    xdpyinfo >/dev/null 2>&1 && return 0
  fi
  kill "$STARTED_XVFB" 2>/dev/null || true
  STARTED_XVFB=""
  echo "could not start Xvfb" >&2
  return 1
}

# A Wine server that stays for the whole run, with Wine's own helper programs started under it
# once, their output going nowhere. Without it every test program starts them anew, and CTest
# waits for them to let go of its output before it counts the test as ended: 2.5 s a test.
# Call after ensure_display: the helpers keep the display they started on.
STARTED_WINESERVER=""
start_wineserver() {
  wineserver -p </dev/null >/dev/null 2>&1 || true
  STARTED_WINESERVER=1
  "$(wine_cmd)" wineboot </dev/null >/dev/null 2>&1 || true
}

# Stops the Wine server that start_wineserver started, and with it every Wine program still
# running, and the Xvfb that ensure_display started. Without a server of our own, Wine's
# background processes end a few seconds after the last program; they are given that time, then
# stopped, so none is left on a dead display.
stop_started() {
  if [ -n "$STARTED_WINESERVER" ]; then
    wineserver -k 2>/dev/null || true
    STARTED_WINESERVER=""
  fi
  if [ -n "$STARTED_XVFB" ]; then
    timeout 20 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
    kill "$STARTED_XVFB" 2>/dev/null || true
    STARTED_XVFB=""
  fi
}

configure_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
}

# The one cross-build configuration: tokiwake.exe and the Windows test programs.
configure_win() {
  cmake -S "$ROOT" -B "$BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
}

configure_and_build() {
  configure_native
  cmake --build "$BUILD/native"
  configure_win
  cmake --build "$BUILD/win"
}
