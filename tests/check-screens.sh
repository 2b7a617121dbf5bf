#!/usr/bin/env bash
# tools/screens still renders every picture the README and docs/screens/ hold, none of them empty.
#   check-screens.sh RENDERER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
RENDER_SCREENS=$1 "$root/tools/screens" "$out"
status=0
for kept in "$root"/docs/screens/*.png; do
  name=$(basename "$kept")
  if [[ ! -s $out/$name ]]; then
    echo "tools/screens did not render $name" >&2
    status=1
  fi
done
exit $status
