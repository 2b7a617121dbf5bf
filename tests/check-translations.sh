#!/usr/bin/env bash
# Every translation is complete: each translations/*.ts, brought up to date with the texts the
# sources mark, holds a finished translation for every one of them.
# check-translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -no-obsolete "$source/src/platform" "$source/src/app" "$source/src/desktop" \
    -extensions cpp,h -ts "$copy" 2> >(grep -v "Ignoring definition of undeclared" >&2)
  missing=$(grep -c -e 'type="unfinished"' -e '<translation></translation>' -e '<translation/>' "$copy" || true)
  if [ "$missing" -ne 0 ]; then
    echo "$(basename "$ts"): $missing texts without a translation"
    status=1
  fi
done
exit $status
