#!/usr/bin/env bash
# Installs every Debian package the build, tests, fuzzers and benchmarks need, when missing.
# Installing needs root: run as root, or as a user who may use sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config
  libicu-dev nlohmann-json3-dev
  libcairo2-dev libpango1.0-dev libspng-dev fonts-dejavu-core fonts-noto-core fonts-noto-color-emoji
  libqrcodegencpp-dev libzxing-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # The window host, and its test in a virtual X server driven by real input events, also under a
  # window manager (whose frame xwininfo reads).
  libsdl2-dev libx11-dev xvfb xdotool xclip openbox x11-utils
  # The locale sources the tests compile a host's locale from (localedef), unprivileged.
  locales
)
with_clang_runtime=1

# The benchmarks also compare against two outside programs.
if [ "${1:-}" = "--bench" ]; then
  packages=(qrencode python3-kiwisolver)
  with_clang_runtime=0
fi

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# The sanitizer and fuzzer runtimes of the release's default clang: libclang-rt-<major>-dev where the
# release packages them apart (Debian 12: libclang-rt-14-dev), nothing where they come with clang.
clang_runtime_package() {
  local major
  major=$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
  if [ -z "$major" ] && command -v clang >/dev/null 2>&1; then
    major=$(clang -dumpversion | cut -d. -f1)
  fi
  if [ -n "$major" ] && { is_installed "libclang-rt-$major-dev" || apt-cache show "libclang-rt-$major-dev" >/dev/null 2>&1; }; then
    echo "libclang-rt-$major-dev"
  fi
}

missing=()
for p in "${packages[@]}"; do
  if ! is_installed "$p"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "install-deps: these packages are missing: ${missing[*]:-the clang runtime}" >&2
    echo "install-deps: run this script as root, or install sudo, so that it can install them" >&2
    exit 1
  fi
}

updated=0
update_lists() {
  if ((!updated)); then
    as_root apt-get update -qq
    updated=1
  fi
}

if ((${#missing[@]})); then
  update_lists
fi
if ((with_clang_runtime)); then
  runtime=$(clang_runtime_package)
  if [ -n "$runtime" ] && ! is_installed "$runtime"; then
    missing+=("$runtime")
    update_lists
  fi
fi

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
