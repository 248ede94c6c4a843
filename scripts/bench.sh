#!/usr/bin/env bash
# Builds and runs every benchmark (median of 9 repetitions each).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
for b in build/release/bench/bench_*; do
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@"
done
