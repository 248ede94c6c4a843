#!/usr/bin/env bash
# Usage: scripts/fuzz.sh [seconds]. Runs every fuzz target of build/sanitize for a bounded time,
# starting from a copy of its fixed seed corpus in fuzz/corpus/<name>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

shopt -s nullglob
targets=(build/sanitize/fuzz/fuzz_*)
if ((${#targets[@]} == 0)); then
  echo "no fuzz targets built" >&2
  exit 1
fi
for target in "${targets[@]}"; do
  name="$(basename "$target")"
  name="${name#fuzz_}"
  work="build/sanitize/fuzz-work/$name"
  rm -rf "$work" && mkdir -p "$work"
  if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$work/"; fi
  echo "-- fuzz $name for ${seconds}s"
  "$target" "$work" -max_total_time="$seconds" -seed=1 -print_final_stats=1 \
    -artifact_prefix="build/sanitize/fuzz-work/${name}-" 2>&1 | tail -n 12
  status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "fuzz target $name failed" >&2
    exit "$status"
  fi
done
