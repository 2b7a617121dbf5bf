#!/usr/bin/env bash
# Every translation is complete: each translations/*.ts, brought up to date with the texts the
# sources mark, holds a finished translation for every one of them, with the same values filled in and
# in letters the installed fonts can draw.
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
  # Each translation fills in the same values as its English text: a lost %2 would drop a value unseen.
  /usr/bin/python3 - "$ts" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as tree
wrong = 0
for message in tree.parse(sys.argv[1]).iter("message"):
    source, translation = message.findtext("source") or "", message.findtext("translation") or ""
    if translation and sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        print(f"{sys.argv[1].rsplit('/', 1)[-1]}: '{source}' is translated with other values: '{translation}'")
        wrong += 1
sys.exit(1 if wrong else 0)
PY
done
# Every letter of every translation is in a font the application can draw it with (else a box shows).
/usr/bin/python3 - "$source"/translations/*.ts <<'PY' || status=1
import subprocess, sys, xml.etree.ElementTree as tree
letters = {c for ts in sys.argv[1:] for m in tree.parse(ts).iter("message") for c in m.findtext("translation") or "" if ord(c) > 127}
unseen = [c for c in sorted(letters) if not subprocess.run(["fc-list", f":charset={ord(c):x}", "family"], capture_output=True, text=True).stdout.strip()]
if unseen:
    print("no installed font draws: " + " ".join(f"{c} (U+{ord(c):04X})" for c in unseen))
sys.exit(1 if unseen else 0)
PY
exit $status
