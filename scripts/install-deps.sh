#!/usr/bin/env bash
# Installs every Debian package the build, tests, fuzzers and benchmarks need, when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  libicu-dev nlohmann-json3-dev
  libcairo2-dev libpango1.0-dev libspng-dev fonts-dejavu-core fonts-noto-core fonts-noto-color-emoji
  libqrcodegencpp-dev libzxing-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)

# The benchmarks also compare against two outside programs.
if [ "${1:-}" = "--bench" ]; then
  packages=(qrencode python3-kiwisolver)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
