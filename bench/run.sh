#!/usr/bin/env bash
# Runs the benchmarks of a build folder and prints the figures and ratios of
# this one run, then the peak memory of the road sweep at two sizes and the
# heap held by 100 loaded photometric records, and opening a solution in the
# detail window when the build has the windows, then the time and pages of
# the printed documents (bench/stampa.sh).
#   bash bench/run.sh [build folder]      (make bench: the Makefile's BUILD_DIR)
# MIN_TIME sets the shortest measuring time per benchmark in seconds (0.3),
# REPETITIONS how many times each runs (5; the fastest enters the ratios).
set -euo pipefail
BUILD_DIR=${1:-build}
BIN="$BUILD_DIR/bench/nottaro_bench"
if [ ! -x "$BIN" ]; then
    echo "no benchmark program at $BIN: build first (make build)" >&2
    exit 1
fi
FULL="$BUILD_DIR/bench/last_run.txt"
status=0
"$BIN" --benchmark_min_time="${MIN_TIME:-0.3}" --benchmark_repetitions="${REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=false --benchmark_color=false >"$FULL" 2>&1 || status=$?
# The detailed Google Benchmark table stays in the file; the summary is printed.
sed -n '/^Summary/,$p' "$FULL"
echo "(every benchmark: $FULL)"
echo
echo "Peak memory, road sweep on 2 threads:"
"$BIN" --memoria=media
"$BIN" --memoria=ampia
echo "Peak memory of the records a list keeps:"
"$BIN" --memoria=record
# The desktop program's share, when the build has the windows.
if [ -x "$BUILD_DIR/bench/nottaro_bench_finestre" ]; then
    echo
    "$BUILD_DIR/bench/nottaro_bench_finestre" 5 2>/dev/null || status=1
fi
# Printed documents through the command line: time and pages.
echo
bash "$(dirname "$0")/stampa.sh" "$BUILD_DIR" || status=1
exit $status
