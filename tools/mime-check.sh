#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop makes of files with the package's MIME rules installed: a data file and a
# survey are typed as ours by their content, whatever their names; a text file or random bytes
# named .dat are not.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/share/mime/packages"
cp "$here/packaging/org.orvanta.Orvanta.mime.xml" "$work/share/mime/packages/"
update-mime-database "$work/share/mime" > /dev/null 2>&1
export XDG_DATA_DIRS="$work/share:/usr/share" XDG_DATA_HOME="$work/home"
printf 'notes from the outcrop\nbox 1: north end\n' > "$work/notes.dat"
head -c 4096 /dev/urandom > "$work/random.dat"
cp "$here/tests/data/datfiles/two_records.dat" "$work/readings.dat"
cp "$here/tests/data/datfiles/two_records.dat" "$work/readings.bin"
cp "$here/tests/data/surveys/two_records.orvanta" "$work/survey.orvanta"
status=0
check() {  # check FILE TYPE-EXPECTED TYPE-REFUSED
  local by_gio by_xdg
  by_gio=$(gio info -a standard::content-type "$work/$1" | sed -n 's/.*content-type: //p')
  by_xdg=$(xdg-mime query filetype "$work/$1")
  for got in "$by_gio" "$by_xdg"; do
    if { [ -n "$2" ] && [ "$got" != "$2" ]; } || { [ -n "$3" ] && [ "$got" = "$3" ]; }; then
      echo "mime: $1 is typed $got (gio: $by_gio, xdg-mime: $by_xdg)"
      status=1
    fi
  done
}
check readings.dat application/x-orvanta-data ""
check readings.bin application/x-orvanta-data ""
check survey.orvanta application/x-orvanta-survey ""
check notes.dat "" application/x-orvanta-data
check random.dat "" application/x-orvanta-data
[ $status = 0 ] && echo "mime: data files and surveys typed by content; text and random bytes not"
exit $status
