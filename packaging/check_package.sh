#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks its file list and dependencies.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/bin/runewright-rus
  ./usr/bin/runewright-eng
  ./usr/bin/runewright-cli
  ./usr/share/applications/org.runewright.RunewrightRus.desktop
  ./usr/share/applications/org.runewright.RunewrightEng.desktop
  ./usr/share/man/man1/runewright-cli.1
  ./usr/share/metainfo/org.runewright.RunewrightRus.metainfo.xml
  ./usr/share/metainfo/org.runewright.RunewrightEng.metainfo.xml
  ./usr/share/mime/packages/runewright.xml
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.runewright.Runewright.png")
done
status=0
for f in "${expected[@]}"; do
  grep -qxF "$f" <<<"$contents" || { echo "missing from the package: $f"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  grep -q "$d" <<<"$depends" || { echo "missing dependency: $d"; status=1; }
done
[ "$status" -eq 0 ] && echo "package $(basename "$deb") holds the ${#expected[@]} expected files"
exit "$status"
