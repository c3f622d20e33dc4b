#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as an unprivileged user. Root reads and writes any file whatever its
# permissions, so a read-only file or folder, or a device the user may not open, is only a real
# fault for someone else. Run as root, it switches to "nobody" with runuser; otherwise it runs
# the program as it is.
set -eu
if [ "$(id -u)" != 0 ]; then exec "$@"; fi
user=nobody
# The program, the test data and the programs it starts must be reachable by that user; a
# checkout inside a private home folder is not. Then the run is skipped, and says why.
for path in "$1" "$(dirname "$0")/data"; do
  if ! runuser -u "$user" -- test -r "$path"; then
    echo "as_user.sh: skipped: $user cannot reach $path (a folder above it is closed to other users)" >&2
    exit 77
  fi
done
home=$(mktemp -d)
chown "$user" "$home"
# A device of the dialout group, as a serial port is on Debian, for the tests of what the user
# is told when not in that group.
dialout=""
if getent group dialout >/dev/null; then
  dialout="$home/ttyUSB-dialout"
  : >"$dialout"
  chown root:dialout "$dialout"
  chmod 0660 "$dialout"
fi
status=0
runuser -u "$user" -- env HOME="$home" ORVANTA_TEST_DIALOUT_DEVICE="$dialout" "$@" || status=$?
rm -rf "$home"
exit "$status"
