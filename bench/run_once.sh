#!/usr/bin/env bash
# Every benchmark run once, as briefly as each may run: fails when one stops
# with an error or when none runs. Only that they run; no time is judged.
set -euo pipefail
bench=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$bench" --benchmark_min_time=0.000001 \
    --benchmark_out="$out" --benchmark_out_format=json >/dev/null
runs=$(grep -c '"run_name":' "$out" || true)
# The name of each run that reports an error.
failed=$(awk '/"run_name":/ { name = $0 } /"error_occurred": true/ { print name }' "$out")
if [ "$runs" -eq 0 ]; then
    echo "no benchmark ran" >&2
    exit 1
fi
if [ -n "$failed" ]; then
    echo "benchmarks that stopped with an error:" >&2
    echo "$failed" >&2
    grep '"error_message":' "$out" >&2 || true
    exit 1
fi
echo "$runs benchmark runs, none with an error"
