#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as an unprivileged user. Root reads and writes any file whatever its
# permissions, so a read-only file or folder, or a device the user may not open, is only a real
# fault for someone else. Run as root, it switches to "nobody" with runuser; otherwise it runs
# the program as it is.
set -eu
if [ "$(id -u)" != 0 ]; then exec "$@"; fi
user=nobody
if ! runuser -u "$user" -- test -x "$1"; then
  echo "as_user.sh: $user cannot run $1 (a folder above it is closed to other users)" >&2
  exit 1
fi
home=$(mktemp -d)
chown "$user" "$home"
status=0
runuser -u "$user" -- env HOME="$home" "$@" || status=$?
rm -rf "$home"
exit "$status"
