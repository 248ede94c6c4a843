#!/usr/bin/env bash
# Usage: scripts/build.sh [release|sanitize] [ninja targets...]
#   release  : gcc, optimised, tests and benchmarks          -> build/release
#   sanitize : clang, ASan + UBSan, tests and fuzz targets   -> build/sanitize
set -euo pipefail
cd "$(dirname "$0")/.."

kind="${1:-release}"
shift || true

# A compiler cache, when the machine has one, makes rebuilds across checkouts cheap.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

case "$kind" in
  release)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ "${launcher[@]}" >/dev/null
    ;;
  sanitize)
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DTAVRO_SANITIZE=ON -DTAVRO_FUZZ=ON -DTAVRO_BENCH=OFF "${launcher[@]}" >/dev/null
    ;;
  *)
    echo "unknown build kind: $kind" >&2
    exit 2
    ;;
esac

cmake --build "build/$kind" -- "$@"
