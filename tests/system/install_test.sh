#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb and unpacks it into a temporary root: program, command-line program, simulator,
# .desktop file, icon, the data file type.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6sql6-sqlite
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
mkdir "$out/root"
dpkg-deb -x "$deb" "$out/root"
for f in usr/bin/orvanta usr/bin/orvanta-cli usr/bin/orvanta-meter-sim usr/share/applications/org.orvanta.Orvanta.desktop \
         usr/share/icons/hicolor/scalable/apps/orvanta.svg usr/share/mime/packages/org.orvanta.Orvanta.xml; do
  [ -e "$out/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
[ -x "$out/root/usr/bin/orvanta" ] && [ -x "$out/root/usr/bin/orvanta-cli" ]
"$out/root/usr/bin/orvanta-cli" --version | grep -q "^orvanta-cli "
# The desktop passes the file opened with the program, of the type the package declares.
grep -q '^Exec=orvanta %f$' "$out/root/usr/share/applications/org.orvanta.Orvanta.desktop"
grep -q '^MimeType=application/x-orvanta-survey;application/x-orvanta-data;$' "$out/root/usr/share/applications/org.orvanta.Orvanta.desktop"
for type in application/x-orvanta-data application/x-orvanta-survey; do
  grep -q "type=\"$type\"" "$out/root/usr/share/mime/packages/org.orvanta.Orvanta.xml"
done
echo "package ok: $(basename "$deb")"
