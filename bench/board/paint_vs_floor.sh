#!/usr/bin/env bash
# Runs the board painting benchmarks and prints each against the floor:
# filling the board's 181 x 361 pixels once with one colour. Times are CPU
# time (medians of 5), steadier than wall time on a shared machine.
# Usage: bench/board/paint_vs_floor.sh [BENCHMARK_PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build/release/bench/board/board_paint_bench}

"$program" --benchmark_format=csv --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  awk -F, '
    $1 ~ /_median"$/ { name = $1; gsub(/"|_median/, "", name); time[name] = $4; unit = $5; order[++n] = name }
    END {
      floor = time["BM_FillBoardOnce"]
      if (floor == "") { print "benchmark results missing"; exit 1 }
      for (i = 1; i <= n; ++i) {
        printf "%-36s %10.1f %s   %6.2f x floor\n", order[i], time[order[i]], unit, time[order[i]] / floor
      }
    }'
