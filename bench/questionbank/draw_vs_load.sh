#!/usr/bin/env bash
# Compares one DrawQuestion on a generated bank of 5,000 questions with
# reading the same file into memory once, and prints the ratio.
# Usage: bench/questionbank/draw_vs_load.sh [BENCHMARK_PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build/release/bench/questionbank/questionbank_benchmark}

"$program" --benchmark_format=csv --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  awk -F, '
    $1 == "\"BM_DrawQuestion_median\"" { draw = $3; unit = $5 }
    $1 == "\"BM_ReadFileIntoMemoryOnce_median\"" { load = $3 }
    END {
      if (draw == "" || load == "") { print "benchmark results missing"; exit 1 }
      printf "DrawQuestion (5 requests, file read afresh): %10.1f %s\n", draw, unit
      printf "Reading the file into memory once:           %10.1f %s\n", load, unit
      printf "Ratio draw / load:                           %10.2f\n", draw / load
    }'
