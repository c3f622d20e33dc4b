#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's two commands on a minimal Debian 12 root, as a newcomer's fresh machine or a
# container image starts: nothing but what `debootstrap --variant=minbase bookworm` brings.
# The checkout is copied in and `make test` runs there as root; then `make run` must show the
# main window on Xvfb. A package the build, the tests or the package step call that the
# Makefile does not install fails here instead of on a newcomer's machine.
#
# The base root is made once and kept as a tarball in $ORVANTA_ROOT_CACHE (default
# /var/cache/orvanta-ci) where the machine keeps it; every run unpacks a fresh copy of it.
# Needs root (debootstrap, chroot, mount).
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
cache=${ORVANTA_ROOT_CACHE:-/var/cache/orvanta-ci}
mirror=${ORVANTA_DEBIAN_MIRROR:-http://deb.debian.org/debian}
base="$cache/bookworm-minbase.tar"

if [ "$(id -u)" != 0 ]; then
  echo "fresh-root-check: needs root (debootstrap, chroot, mount)" >&2
  exit 1
fi
if ! command -v debootstrap >/dev/null; then
  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap
fi

mkdir -p "$cache"
if [ ! -s "$base" ]; then
  echo "fresh-root-check: making a minimal Debian 12 root (once; kept in $base)"
  tmp=$(mktemp -d "$cache/debootstrap.XXXXXX")
  debootstrap --variant=minbase bookworm "$tmp" "$mirror"
  tar -C "$tmp" -cf "$base.part" .
  mv "$base.part" "$base"
  rm -rf "$tmp"
fi

root=$(mktemp -d /var/tmp/orvanta-fresh-root.XXXXXX)
# Every process still running inside the root (Xvfb, the program, the simulator).
stop_root_processes() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill "${p#/proc/}" 2>/dev/null
  done
  return 0
}
cleanup() {
  stop_root_processes
  sleep 1
  for m in dev/pts dev proc sys; do
    mountpoint -q "$root/$m" && umount -l "$root/$m"
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

# The checkout as a clean clone would have it: tracked files and new ones, no build folders. It
# sits outside /root so that the tests run as "nobody" can reach it.
mkdir "$root/src"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -C "$root/src" -xf -

in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM=dumb bash -c "$1"
}

# A minimal root has no make itself: the README's one step before its two commands.
in_root 'apt-get update >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y make >/dev/null'
echo "fresh-root-check: make test on $(in_root '. /etc/os-release; echo "$PRETTY_NAME"') (minbase, as root)"
in_root 'cd /src && make test'

# `make run` as a user with a display: a virtual X server from outside the Makefile (a user has
# a display already), then the window must appear with the simulator playing the meter.
in_root 'DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends xvfb x11-utils >/dev/null'
in_root 'Xvfb :77 -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1' &
in_root 'cd /src && DISPLAY=:77 timeout 60 make run >/tmp/make-run.log 2>&1' &
run_pid=$!
seen=""
for _ in $(seq 1 120); do
  if in_root 'DISPLAY=:77 xwininfo -root -tree 2>/dev/null' | grep -q '"Orvanta'; then
    seen=yes
    break
  fi
  sleep 0.5
done
stop_root_processes
wait "$run_pid" 2>/dev/null || true
if [ -z "$seen" ]; then
  echo "fresh-root-check: make run showed no main window within 60 s" >&2
  cat "$root/tmp/make-run.log" >&2
  exit 1
fi
echo "fresh-root-check: make test passed and make run showed the main window"
