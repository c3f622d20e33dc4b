#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for a bounded time from its seed corpus; fails on any finding.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")/.." && pwd)
status=0
# Inputs and work copies in memory where the machine has a tmpfs: the targets fuzz the readers,
# not the disk, whose syncs took a fifth of the settings target's time.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d /dev/shm/orvanta-fuzz.XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
  export TMPDIR="$scratch" XDG_CACHE_HOME="$scratch/cache"
fi
for target in fuzz_receive fuzz_session fuzz_datafile fuzz_survey fuzz_longtable fuzz_settings \
  fuzz_portlinks fuzz_keys; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  case $target in
    fuzz_receive | fuzz_session) cp -n "$here"/tests/data/fuzz/receive/* "$corpus"/ 2>/dev/null || true ;;
    fuzz_datafile) cp -n "$here"/tests/data/datfiles/*.dat "$corpus"/ 2>/dev/null || true ;;
    fuzz_survey) cp -n "$here"/tests/data/surveys/*.orvanta "$here"/tests/data/fuzz/surveys/*.orvanta \
                   "$corpus"/ 2>/dev/null || true ;;
    fuzz_longtable) cp -n "$here"/tests/data/longtables/*.csv "$corpus"/ 2>/dev/null || true ;;
  esac
  rm -f "$build/$target"-*
  echo "== $target for ${seconds}s"
  # Allocation stacks one frame deep while searching: recording whole stacks for every
  # allocation halves the rate. A finding is run again with whole stacks for its report.
  if ! (cd "$build" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:malloc_context_size=1 \
        "./tests/fuzz/$target" "corpus/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$target-" 2>"$target.log"); then
    status=1
    tail -40 "$build/$target.log"
    for found in "$build/$target"-*; do
      [ -f "$found" ] || continue
      echo "== $found again, with whole stacks"
      (cd "$build" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "./tests/fuzz/$target" "$(basename "$found")" 2>&1 | tail -60) || true
    done
  fi
  grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$build/$target.log" | tail -2 || true
done
exit $status
