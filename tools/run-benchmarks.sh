#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark under build/bench and prints one table of its figures: CPU seconds, which
# a busy machine moves, and beside them instruction counts from callgrind, which it does not.
# Also the whole program at the meter's own 9600 baud and under a real X server (Xvfb), and the
# command line per reading. Each figure with a target says it.
set -euo pipefail
build=${1:-build}
figures=$(mktemp)
work=$(mktemp -d)
trap 'rm -f "$figures"; rm -rf "$work"' EXIT
status=0
log="$build/bench/bench.log"
: > "$log"
run() {  # run NAME COMMAND...: its lines shown, its FIGURE lines kept
  local out
  out=$("${@:2}" 2>>"$log") || { echo "$1 failed (see $log)"; status=1; }
  echo "$out" | grep -v '^FIGURE' || true
  echo "$out" | grep '^FIGURE' >> "$figures" || true
}
# The instructions callgrind counted (only where the program collects, with --collect-atstart=no).
instructions() {  # instructions OUTFILE
  grep -E '^(summary|totals):' "$1" | head -1 | awk '{print $2}'
}
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  run "$(basename "$b")" "$b"
done
run program_9600 "$build/bench/bench_program" 1041.67 9600
if command -v xvfb-run > /dev/null; then
  run program_xvfb xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb \
    "$build/bench/bench_program" 104.17 xvfb
  run stalls_xvfb xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb \
    "$build/bench/bench_stalls" xvfb
else
  echo "program_xvfb: skipped (no xvfb-run; make deps-bench installs it)"
fi

if command -v valgrind > /dev/null; then
  cg() { valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$1" "${@:2}" > /dev/null 2>>"$log"; }
  cg "$work/receive.cg" "$build/bench/bench_receive" || true
  echo "FIGURE receive_instructions_per_value $(( $(instructions "$work/receive.cg") / (5 * 3840) ))" >> "$figures"
  cg "$work/program.cg" "$build/bench/bench_program" 104.17 callgrind || true
  echo "FIGURE program_download_instructions $(instructions "$work/program.cg")" >> "$figures"
  # orvanta-cli read: 50 samples against 250 from the simulator at 50 readings a second; the
  # difference over 200 is a reading's cost, what is left of 50 the cost to the first.
  export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work
  "$build/orvanta-meter-sim" --port 3 --live-ms 20 > "$work/sim.out" &
  sim=$!
  for _ in $(seq 50); do grep -q simulator "$work/sim.out" 2> /dev/null && break; sleep 0.1; done
  for n in 50 250; do
    valgrind --tool=callgrind --callgrind-out-file="$work/cli$n.cg" \
      "$build/orvanta-cli" read --port 3 --samples $n > /dev/null 2>>"$log" || status=1
  done
  kill $sim; wait $sim 2> /dev/null || true
  few=$(instructions "$work/cli50.cg"); many=$(instructions "$work/cli250.cg")
  per=$(( (many - few) / 200 ))
  echo "FIGURE cli_instructions_per_reading $per" >> "$figures"
  echo "FIGURE cli_instructions_to_first_reading $(( few - 50 * per ))" >> "$figures"
else
  echo "instruction counts: skipped (no valgrind; make deps-bench installs it)"
fi

# What each figure should reach.
target() {
  case $1 in
    program_wire_ratio) echo ">= 300" ;;
    program_xvfb_wire_ratio) echo ">= 200" ;;
    program_9600_wire_ratio) echo ">= 100" ;;
    program*_longest_block_ms) echo "< 30" ;;
    stall_*_median_ms) echo "<= 16 (a frame)" ;;
    cli_instructions_per_reading) echo "< 29600" ;;
    cli_instructions_to_first_reading) echo "< 12800000" ;;
    *_block_ms | plot_refresh_ms | survey_save_ms | survey_open_ms) echo "< 30 (blocked)" ;;
    *) echo "" ;;
  esac
}
echo
printf '%-36s %14s  %s\n' "figure" "value" "target"
while read -r _ name value; do
  printf '%-36s %14s  %s\n' "$name" "$value" "$(target "$name")"
done < "$figures"
exit $status
