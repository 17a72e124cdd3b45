#!/bin/sh
# Runs the game on a small virtual X screen and checks it from the outside, as a desktop sees it:
# - at twice the size (QT_SCALE_FACTOR=2) on 640 x 480 the first window still fits the screen;
# - the window's X class is the StartupWMClass of the desktop entry, so docks match it to its launcher;
# - closing it through the menu ends the program with status 0 (under ASan: no leak reported);
# - when its window is destroyed from outside (xdotool windowclose) the program ends;
# - when the X server goes away it ends without a leak report from the sanitizer build;
# - --version and --help answer without a display (status 0), an unknown option is refused
#   (status 2), and with no display at all the game says so and ends with status 1.
# Usage: x11_check.sh <game> <desktop entry>
set -eu
game=$1
desktop=$2
if [ -z "${TAROLAS_X11_CHECK_DISPLAY:-}" ]; then
  # With a session bus where there is one, as on a desktop.
  bus=
  if command -v dbus-run-session >/dev/null 2>&1; then bus="dbus-run-session --"; fi
  exec xvfb-run -a -s "-screen 0 640x480x24" $bus env TAROLAS_X11_CHECK_DISPLAY=1 sh "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
failed=0
log=$(mktemp)
# A user of its own: nothing remembered from an earlier run (a window's place, a match), nothing left behind.
home=$(mktemp -d)
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
trap 'rm -f "$log"; rm -rf "$home"' EXIT
fail() { echo "x11 check: $*" >&2; cat "$log" >&2; failed=1; }

# Starts the game and leaves its pid in $pid and its main window in $win.
start() {
  "$@" "$game" 2>"$log" &
  pid=$!
  win=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -1) || true
  [ -n "$win" ] || { echo "x11 check: the window never appeared" >&2; kill "$pid"; exit 1; }
}
# Waits up to 10 s for the game to end; leaves its exit status in $status, or kills it.
ended() {
  i=0
  while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
  if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; wait "$pid" || true; return 1; fi
  status=0
  wait "$pid" || status=$?
}

# Answers that need no display, and the one line when there is none.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$log.out" 2>"$log"; }
st=0; nodisplay --version || st=$?
[ $st -eq 0 ] && grep -q '^tarolas [0-9]' "$log.out" || fail "--version: status $st"
st=0; nodisplay --help || st=$?
[ $st -eq 0 ] && grep -q '^Használat: tarolas' "$log.out" || fail "--help: status $st"
st=0; nodisplay --no-such-option || st=$?
[ $st -eq 2 ] && grep -q 'ismeretlen kapcsoló' "$log" || fail "an unknown option: status $st"
st=0; nodisplay || st=$?
[ $st -eq 1 ] && [ "$(wc -l <"$log")" -eq 1 ] || fail "with no display: status $st"
rm -f "$log.out"

start env QT_SCALE_FACTOR=2
eval "$(xdotool getwindowgeometry --shell "$win")"
if [ $((X + WIDTH)) -gt 640 ] || [ $((Y + HEIGHT)) -gt 480 ] || [ "$X" -lt 0 ] || [ "$Y" -lt 0 ]; then
  fail "at scale 2 the window is ${WIDTH}x${HEIGHT} at $X,$Y, off the 640x480 screen"
fi
# xprop writes the class's non-ASCII bytes as octal escapes; printf %b turns them back.
class=$(xprop -id "$win" WM_CLASS | sed -n 's/^WM_CLASS([A-Z_0-9]*) = "[^"]*", "\(.*\)"$/\1/p')
class=$(printf '%b' "$(printf '%s' "$class" | sed 's/\\\([0-7]\{3\}\)/\\0\1/g')")
wanted=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$class" ] && [ "$class" = "$wanted" ] || fail "window class \"$class\", desktop entry StartupWMClass \"$wanted\""
# Fájl (Alt+F), up round to its last item, "Kilép".
xdotool windowfocus --sync "$win" key --delay 100 alt+f Up Return
if ! ended; then fail "\"Kilép\" did not end the program"
elif [ "$status" -ne 0 ]; then fail "after \"Kilép\" the program exited with status $status"
fi

start
xdotool windowclose "$win"
ended || fail "the program outlived its destroyed window"

# A server of its own to pull away under the game.
Xvfb -displayfd 1 -screen 0 640x480x24 -nolisten tcp >"$log.display" 2>/dev/null &
xvfb=$!
i=0
while [ ! -s "$log.display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
export DISPLAY=":$(cat "$log.display")"
rm -f "$log.display"
start
kill "$xvfb"
ended || fail "the program outlived the X server"
if grep -q LeakSanitizer "$log"; then fail "a leak reported after the X server went away"; fi
exit $failed
