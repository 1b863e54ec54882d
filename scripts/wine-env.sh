# shellcheck shell=bash
# Sourced by the scripts that run the Windows build under Wine. The caller sets WINEPREFIX
# and work, a scratch folder of its own, and calls stop_wine when it ends.

# Debian's wine64 package installs its programs outside PATH.
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs when the prefix is made, and no menu entries or file
# types on this machine's desktop for what gets installed inside the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Wine keeps nothing in HOME that matters here, but will not start without one.
export HOME="${HOME:-$work}"

# Wine's own programs never write to a pipe of ours: a service it starts would keep the
# pipe open long after.
quietly() {
  "$@" >>"$work/wine.log" 2>&1 </dev/null
}

# A virtual display for the programs' windows. It must be up before the first Wine program
# of the session starts: Wine's desktop process keeps the display it started with.
display_pid=
start_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  display_pid=$!
  for _ in $(seq 100); do
    if [ -s "$work/display" ]; then
      DISPLAY=":$(head -n 1 "$work/display")"
      export DISPLAY
      return
    fi
    sleep 0.1
  done
  echo "$0: the virtual display did not start" >&2
  exit 1
}

make_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    quietly "$wine" wineboot -i
  fi
}

stop_wine() {
  "$wineserver" -k >/dev/null 2>&1 || true
  if [ -n "$display_pid" ]; then
    kill "$display_pid" 2>/dev/null || true
  fi
}
