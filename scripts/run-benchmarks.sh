#!/bin/sh
# Runs every benchmark program of the build and prints its figures.
set -eu
build="${1:-build}"
find "$build/bench" -type f -name 'bench_*' -perm -u+x | sort | while read -r prog; do
    echo "== $prog"
    "$prog" --benchmark_counters_tabular=true
done
