#!/usr/bin/env bash
# The real window under a virtual X server: clicks from the main menu to the strip options and back
# with xdotool, and checks the colours the window shows at known points.
# Usage: click-through.sh path/to/tavrin-plus
set -euo pipefail
app=$1

if [ "${2:-}" != "--inside" ]; then
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_PICTURES_DIR=$home/pictures
  export SCRATCH=$home
  bash "$(dirname "$0")/on-virtual-screen.sh" 640x800 bash "$0" "$app" --inside
  exit $?
fi

# A start that quits after its first frame must end cleanly: tearing down after the window is gone
# once crashed.
if ! TAVRIN_QUIT_AFTER_FIRST_FRAME=1 timeout 30 "$app" >"$SCRATCH/first.log" 2>&1; then
  echo "FAIL: the window did not start, draw and quit cleanly"; cat "$SCRATCH/first.log"; exit 1
fi

"$app" --zoom 1 >"$SCRATCH/app.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^TavrinPlus$' | head -1)
sleep 1

failures=0
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 1; }
shot() { import -window "$window" "$SCRATCH/shot.png"; }
pixel() { convert "$SCRATCH/shot.png" -format "%[pixel:p{$1,$2}]" info:; }
expect() { # x y colour what
  local got
  got=$(pixel "$1" "$2")
  if [ "$got" != "$3" ]; then
    echo "FAIL at ($1,$2), $4: expected $3, got $got"
    failures=$((failures + 1))
  fi
}
expect_red() { # x y what
  local got r g b
  got=$(pixel "$1" "$2")
  IFS=', ' read -r r g b <<<"$(echo "$got" | tr -d 'srgb()')"
  if ! [ "$r" -gt 200 ] || ! [ "$g" -lt 80 ] || ! [ "$b" -lt 80 ]; then
    echo "FAIL at ($1,$2), $3: expected a strong red, got $got"
    failures=$((failures + 1))
  fi
}
wallpaper_is_default() {
  expect 5 150 "srgb(27,28,28)" "$1: the strip, beside the dialog"
  expect 5 300 "srgb(168,168,168)" "$1: the background, beside the dialog"
}

shot
wallpaper_is_default "at start"
expect 40 364 "srgb(10,132,255)" "at start: the main menu's save button"

click 160 150   # Style
click 160 206   # New Style
click 160 194   # Strip
shot
wallpaper_is_default "on the strip options"
# The spectrum is on show: halfway down its left end is a strong red.
expect_red 62 170 "on the strip options: the spectrum's left end"

click 58 44     # back to New Style
click 58 140    # back to Style
click 58 44     # back to the main menu
shot
wallpaper_is_default "back at the main menu"
expect 40 364 "srgb(10,132,255)" "back at the main menu: the save button"

# Without a photograph, Photo opens the file window at once; cancelled, the picker's sheet goes
# although no click follows (it once stayed until one did).
click 160 202   # Photo
xdotool key Escape; sleep 1
shot
wallpaper_is_default "after the file window was cancelled"

if [ "$failures" -ne 0 ]; then
  cp "$SCRATCH/shot.png" /tmp/click-through-last.png 2>/dev/null || true
  echo "$failures check(s) failed; last screenshot in /tmp/click-through-last.png"
  exit 1
fi
echo "click-through: all checks passed"
