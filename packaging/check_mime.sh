#!/usr/bin/env bash
# Checks the package's MIME types: the shared-mime-info file is well-formed and loads into a
# MIME database of its own with the three font-file names and the patch (text, a kind of plain
# text), and the desktop entries pass the file on and claim no type the package does not register.
# usage: check_mime.sh MIME_XML DESKTOP_FILE...
set -euo pipefail
mime_xml="$1"
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

xmllint --noout "$mime_xml"
mkdir "$work/packages"
cp "$mime_xml" "$work/packages/"
# update-mime-database reports a bad element on stderr but still exits 0.
update-mime-database "$work" 2>"$work/errors.txt" || status=1
if grep -q 'Error' "$work/errors.txt"; then
  cat "$work/errors.txt"
  status=1
fi
for pattern in '*.sft' '*.sbf' '*.sfe'; do
  grep -qxF "50:application/x-runewright-font:$pattern" "$work/globs2" ||
    { echo "$pattern is not application/x-runewright-font"; status=1; }
done
grep -qxF "50:text/x-vkp-patch:*.vkp" "$work/globs2" ||
  { echo "*.vkp is not text/x-vkp-patch"; status=1; }
grep -qxF "text/x-vkp-patch text/plain" "$work/subclasses" ||
  { echo "text/x-vkp-patch is not a subclass of text/plain"; status=1; }

registered=$(cat "$work/types")
for desktop in "$@"; do
  grep -qE '^Exec=[^ ]+ %f$' "$desktop" || { echo "$desktop: Exec takes no %f"; status=1; }
  claimed=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d')
  [ -n "$claimed" ] || { echo "$desktop: claims no MIME type"; status=1; }
  for type in $claimed; do
    grep -qxF "$type" <<<"$registered" ||
      { echo "$desktop: claims $type, which the package does not register"; status=1; }
  done
done
[ "$status" -eq 0 ] && echo "the MIME types load and the desktop entries claim only them"
exit "$status"
