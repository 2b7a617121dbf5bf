#!/usr/bin/env bash
# The real window as a screen reader sees it: on a private session bus with its own accessibility
# bus, under a virtual X server, read through AT-SPI by a real client (tests/window/accessibility.py).
# Usage: accessibility.sh path/to/tavrin-plus
set -euo pipefail
app=$1

if [ "${2:-}" != "--inside" ]; then
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_PICTURES_DIR=$home/pictures
  # The private bus's own complaints (it may not raise its file limit here) are not the test's.
  status=0
  bash "$(dirname "$0")/on-virtual-screen.sh" 640x800 dbus-run-session -- bash "$0" "$app" --inside 2>"$home/bus.log" || status=$?
  [ $status -eq 0 ] || cat "$home/bus.log" "$home/app.log" 2>/dev/null
  exit $status
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
# The launcher marks the X screen with its bus as it starts; a window connecting meanwhile was at
# times refused its display. It names itself on the session bus once done.
for _ in $(seq 200); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
  sleep 0.05
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" --zoom 1 >"$HOME/app.log" 2>&1 &
pid=$!
trap 'kill $pid $launcher 2>/dev/null || true' EXIT
/usr/bin/python3 "$(dirname "$0")/accessibility.py"
