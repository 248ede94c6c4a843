#!/usr/bin/env bash
# Usage: scripts/build.sh [release|sanitize] [ninja targets...]
#   release  : gcc, -O3, tests and benchmarks                -> build/release
#   sanitize : clang, ASan + UBSan, tests and fuzz targets   -> build/sanitize
# Both treat warnings as errors. TAVRO_INSTALL_PREFIX, when set, is the release tree's install prefix
# (the packaging check installs there without building again).
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
    prefix=()
    if [ -n "${TAVRO_INSTALL_PREFIX:-}" ]; then
      prefix=(-DCMAKE_INSTALL_PREFIX="$TAVRO_INSTALL_PREFIX")
    fi
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRO_WERROR=ON \
      -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ "${launcher[@]}" "${prefix[@]}" >/dev/null
    ;;
  sanitize)
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DTAVRO_SANITIZE=ON -DTAVRO_FUZZ=ON -DTAVRO_BENCH=OFF -DTAVRO_WERROR=ON "${launcher[@]}" >/dev/null
    ;;
  *)
    echo "unknown build kind: $kind" >&2
    exit 2
    ;;
esac

cmake --build "build/$kind" -- "$@"
