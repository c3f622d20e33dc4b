#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program. With no USB serial device present (no meter plugged in), the meter
# simulator is started first and plays the meter; it is stopped when the program ends.
set -u
build=${1:-build}
sim_pid=""
stop_sim() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null; sim_pid=""; }
trap stop_sim EXIT INT TERM
if ! ls /dev/ttyUSB* /dev/ttyACM* >/dev/null 2>&1; then
  echo "No meter plugged in: starting the meter simulator."
  "$build/orvanta-meter-sim" &
  sim_pid=$!
  sleep 0.5
fi
"$build/orvanta"
