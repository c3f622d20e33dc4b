#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What line faults cost the readings: the simulator plays a full memory (30 sets of 128) with
# bytes dropped or doubled (--faults), points lost (--lost-points) or line feeds lost
# (--lost-line-feeds) at several rates and seeds; orvanta-cli downloads it all; the long table
# it then holds is held against what the meter had (the simulator's --dump). Each reading
# stored is counted as
#   right       the meter's value at its position
#   flagged     another value, flagged as not in the meter's form (left out of every figure)
#   wrong       another value, stored unflagged: the residue no check of the form can catch
#               (a fault that leaves six decimals, 0.483800 becoming 10.483800)
#   flagged-right  the meter's value, flagged all the same (a check too eager)
# and positions the faults left unreadable are counted apart. The aim: "wrong" only where a
# fault left a value the meter could have sent.
#   tools/line-faults.sh [BUILD] [RATES] [SEEDS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
rates=${2:-"0.001 0.01"}
seeds=${3:-"1 2"}
work=$(mktemp -d)
sim_pid=""
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
printf '%-16s %-6s %-5s %7s %8s %6s %11s %14s\n' fault rate seed right flagged wrong unreadable \
  flagged-right
total_wrong=0
for kind in faults lost-points lost-line-feeds; do
  for rate in $rates; do
    for seed in $seeds; do
      rm -rf "$work/home"
      mkdir -p "$XDG_DATA_HOME"
      "$build/orvanta-meter-sim" --full --full-speed --seed "$seed" "--$kind" "$rate" \
        --dump "$work/meter.tsv" > "$work/sim.log" 2>&1 &
      sim_pid=$!
      for _ in $(seq 1 100); do grep -q "simulator on" "$work/sim.log" && break; sleep 0.1; done
      "$build/orvanta-cli" download --all > /dev/null 2>&1 || true
      "$build/orvanta-cli" export --long - > "$work/long.csv" 2>/dev/null
      kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null || true
      sim_pid=""
      # The dump: set, position, value (tab or space apart); the long table: set, position,
      # depth, value, ..., flag last. Quoted fields of the long table hold no comma here.
      counts=$(awk -F'[\t ,]' -v OFS=' ' '
        FNR == NR { meter[$1 "," $2] = $3; next }
        FNR == 1 { next }
        {
          sub(/\r$/, ""); key = $1 "," $2; value = $4; flag = $NF
          if (value == "0.000000" && !(key in meter)) next
          same = (value "") == (meter[key] "")  # as text: 00.5 is not 0.5
          if (same && flag != "") falsely++
          else if (same) right++
          else if (flag != "") flagged++
          else wrong++
        }
        END { printf "%d %d %d %d", right, flagged, wrong, falsely }' "$work/meter.tsv" "$work/long.csv")
      read -r right flagged wrong falsely <<< "$counts"
      unreadable=$(for set in $(seq 1 30); do
          "$build/orvanta-cli" details --set "$set" --json 2>/dev/null
        done | grep -o '"unreadable":[0-9]*' | awk -F: '{s += $2} END {print s + 0}')
      printf '%-16s %-6s %-5s %7s %8s %6s %11s %14s\n' "$kind" "$rate" "$seed" "$right" \
        "$flagged" "$wrong" "$unreadable" "$falsely"
      total_wrong=$((total_wrong + wrong))
    done
  done
done
echo "FIGURE line_faults_wrong_unflagged $total_wrong"
