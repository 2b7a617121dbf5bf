#!/usr/bin/env bash
# Runs a command on a virtual X server of its own. Xvfb chooses a free display itself and says which
# once it accepts connections (-displayfd), so a server still shutting down, or another starting at
# the same moment, never hands the command a display that is not there.
# Usage: on-virtual-screen.sh WIDTHxHEIGHT command [args...]
set -euo pipefail
size=$1; shift

dir=$(mktemp -d)
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT

if ! read -r -t 30 number <"$dir/display"; then
  echo "FAIL: the virtual X server did not start"; cat "$dir/xvfb.log"; exit 1
fi
status=0
DISPLAY=:$number "$@" || status=$?
exit $status
