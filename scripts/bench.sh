#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs each one (medians of 9 repetitions), then the
# comparison runs against Debian's qrencode (inside bench_qr_generator) and kiwisolver.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/install-deps.sh --bench
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRO_TESTS=OFF -DTAVRO_BENCH=ON >/dev/null
cmake --build build/bench
for b in build/bench/bench/bench_*; do
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@"
done
echo "== kiwisolver on the same form"
/usr/bin/python3 bench/kiwi_compare.py
