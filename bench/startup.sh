#!/bin/sh
# Start-up time of the main window against an empty widget, offscreen.
# Usage: bench/startup.sh [build directory] [runs]
set -eu
build=${1:-build}
runs=${2:-30}
export QT_QPA_PLATFORM=offscreen

median_ms() {
    program=$1
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        "$program" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000))
        i=$((i + 1))
    done | sort -n | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f\n", m / 1000 }'
}

form=$(median_ms "$build/bench/startup_form")
empty=$(median_ms "$build/bench/startup_empty")
echo "main window:  $form ms (median of $runs)"
echo "empty widget: $empty ms (median of $runs)"
awk -v f="$form" -v e="$empty" 'BEGIN { printf "ratio:        %.2f\n", f / e }'
