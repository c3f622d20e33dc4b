#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark under build/bench and prints one table of its figures.
set -euo pipefail
build=${1:-build}
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
status=0
log="$build/bench/bench.log"
: > "$log"
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  out=$("$b" 2>>"$log") || status=1
  echo "$out" | grep -v '^FIGURE' || true
  echo "$out" | grep '^FIGURE' >> "$figures" || true
done
echo
printf '%-28s %12s\n' "figure" "value"
while read -r _ name value; do printf '%-28s %12s\n' "$name" "$value"; done < "$figures"
exit $status
