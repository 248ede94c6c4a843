#!/usr/bin/env bash
# Usage: scripts/check-packaging.sh [ninja arguments, e.g. -j3]
# The framework as hosts take it. Needs the release tree built after configuring it with
# TAVRO_INSTALL_PREFIX set (scripts/test.sh does both); then:
#   1. installs the release tree into that prefix (no second build) and checks the layout, and that
#      the CMake package names no path of this machine outside the prefix,
#   2. builds the example host against the prefix through find_package only and runs it; the
#      codec-only program's link line must name no drawing or UI library; an unknown component is
#      refused in plain words; every installed header, included with -I, compiles under the warnings
#      hosts turn into errors, with g++ and clang++,
#   3. builds the same host through plain pkg-config (no --static) and runs it; a UI test that links
#      only the testing name launches and taps a flow, built through find_package and through
#      pkg-config; on a prefix with the ui component alone pkg-config names the payload file missing,
#   4. builds the framework as a subproject of a C++17 host, inside a shared library, and runs it;
#      that configure must look for no test dependency and define no test, benchmark or sample target,
#      the host owns a target named platform_ui and finds every name the installed package exports, the
#      shared library exports none of the framework's symbols, the UI test on the testing name runs, the
#      shared library is marked never to be unloaded and a program that loads it, runs a flow through it
#      and unloads it twice finds it still loaded, and no archive built without a build type names the
#      source or build tree,
#   5. takes the codec alone on a machine whose pkg-config knows only ICU: the payload install
#      component alone, found through find_package, pkg-config and pkg_check_modules, and the framework
#      as a subproject with TAVRO_UI off,
#   6. moves the prefix, and installs again with --prefix elsewhere: a host built against either and
#      run from another folder with no variable set shows the framework's texts and images, and no
#      installed library names the source tree, the build tree or a prefix.
# The libraries and their package components come from the table of the layers (cmake/TavroLayers.cmake).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
prefix="${TAVRO_INSTALL_PREFIX:?set TAVRO_INSTALL_PREFIX to the install prefix build/release was configured with}"
work="$root/build/packaging"
ninja_args=("$@")

fail() {
  echo "check-packaging: $*" >&2
  exit 1
}
step() {
  echo "-- $* ($SECONDS s)"
}
# quietly <command...>: runs it, showing its output only when it fails.
quietly() {
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    fail "failed: $*"
  fi
  rm -f "$log"
}

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # The compiler sees the paths the build gives it, as without a cache that rewrites them to relative
  # ones, so the check sees what a host's build compiles in.
  export CCACHE_BASEDIR=
fi
# The table of the layers: one line a library (name, component, archive or interface, folders).
layers=$(cmake -P cmake/TavroLayers.cmake)
[ -n "$layers" ] || fail "cmake/TavroLayers.cmake lists no library"
# shellcheck disable=SC2207 # library names are single words
payload_archives=($(awk '$2 == "payload" && $3 == "archive" {print $1}' <<<"$layers"))
# shellcheck disable=SC2207
ui_archives=($(awk '$2 != "payload" && $3 == "archive" {print $1}' <<<"$layers"))
ui_archive_pattern="lib($(IFS='|'; echo "${ui_archives[*]}"))\.a"

configured=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' build/release/CMakeCache.txt)
[ "$configured" = "$prefix" ] || fail "build/release installs into '$configured', not '$prefix'"

step "install into $prefix"
rm -rf "$prefix" "$work/find-package" "$work/pkg-config" "$work/subproject" "$work/codec-only" "$work/headers" \
  "$work/installed-drive" "$work/ui-only"
quietly cmake --install build/release
for file in lib/libtavro_screens.a lib/libtavro_payload.a lib/libtavro_platform_foundation.a \
  include/tavro/TavroMerchantSDK/core/TavroMerchantSDK.h include/tavro/platform/foundation/RunLoop.h \
  share/TavroMerchantSDK/TavroMerchantSDK.bundle/en.lproj/Localizable.strings \
  lib/cmake/TavroMerchantSDK/TavroMerchantSDKConfig.cmake lib/cmake/TavroMerchantSDK/TavroMerchantSDKConfigVersion.cmake \
  lib/cmake/TavroMerchantSDK/TavroMerchantSDK-payload-targets.cmake \
  lib/cmake/TavroMerchantSDK/TavroMerchantSDK-ui-targets.cmake \
  lib/cmake/TavroMerchantSDK/TavroMerchantSDK-testing-targets.cmake \
  lib/pkgconfig/TavroMerchantSDK.pc lib/pkgconfig/TavroMerchantSDK-payload.pc lib/pkgconfig/TavroMerchantSDK-testing.pc; do
  [ -e "$prefix/$file" ] || fail "the install lacks $file"
done
if grep -rn -e "$root" "$prefix/lib/cmake" "$prefix/lib/pkgconfig"; then
  fail "the installed package names a path of the build machine"
fi
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"

# Hosts that take the framework through pkg-config or Meson include its headers with -I, so the
# warnings they turn into errors reach them: one file including every installed header, compiled with
# each compiler while the next steps run.
mkdir -p "$work/headers"
(cd "$prefix/include/tavro" && find . -name "*.h" | sort | sed 's|^\./\(.*\)|#include "\1"|') >"$work/headers/all.cpp"
header_checks=()
for cxx in g++ clang++; do
  # shellcheck disable=SC2046 # pkg-config's flags are separate words
  "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow -Wsign-conversion -Werror \
    $(pkg-config --cflags TavroMerchantSDK-testing) "$work/headers/all.cpp" >"$work/headers/$cxx.log" 2>&1 &
  header_checks+=("$cxx:$!")
done

step "example host through find_package"
quietly cmake -S examples/embedding-host -B "$work/find-package" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}"
quietly cmake --build "$work/find-package" -- "${ninja_args[@]}"
payload_link=$(ninja -C "$work/find-package" -t commands payload-only | tail -n 1)
[[ "$payload_link" == *libtavro_payload.a* ]] || fail "the codec-only link does not take the codec: $payload_link"
if grep -E -o "cairo|pango|$ui_archive_pattern" <<<"$payload_link"; then
  fail "the codec-only link carries drawing or UI libraries: $payload_link"
fi
# Unset, so the bundle is the one compiled into the library.
env -u TAVRO_BUNDLE_PATH "$work/find-package/payload-only" >/dev/null
env -u TAVRO_BUNDLE_PATH "$work/find-package/embedding-host" "$work/find-package/qr.png"
# The same build asking for a component there is none of: the message names the components in words.
if log=$(cmake "$work/find-package" -DHOST_COMPONENTS=nosuch 2>&1); then
  fail "an unknown component was accepted"
fi
tr -s ' \n' ' ' <<<"$log" | grep -q -F "the components are payload (the codec), ui (the flows and the renderer) \
and testing (the flows with the UI driver), and this install has payload, ui, testing" ||
  { echo "$log" >&2; fail "an unknown component is not refused in plain words"; }

step "a host's UI test on the testing name alone, through find_package"
quietly cmake -S tests/subproject_host -B "$work/installed-drive" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
  -DHOST_INSTALLED=ON -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}"
quietly cmake --build "$work/installed-drive" -- "${ninja_args[@]}"
"$work/installed-drive/drive"

step "example host through plain pkg-config"
mkdir -p "$work/pkg-config"
compiler=(g++)
if command -v ccache >/dev/null 2>&1; then compiler=(ccache g++); fi
# pkg_config_build <program> <module> <sources...>: compiles the sources side by side (each apart, so
# the compiler cache keeps them) and links the program, with the flags pkg-config gives for <module>.
pkg_config_build() {
  local program="$1" module="$2" source objects=() compiles=()
  shift 2
  for source in "$@"; do
    objects+=("$program-$(basename "$source" .cpp).o")
    # shellcheck disable=SC2046 # pkg-config's flags are separate words
    "${compiler[@]}" -std=c++20 $(pkg-config --cflags "$module") -c "$source" -o "${objects[-1]}" &
    compiles+=("$!")
  done
  for source in "${compiles[@]}"; do
    wait "$source" || fail "a source of $(basename "$program") does not compile with $module's flags"
  done
  # shellcheck disable=SC2046
  g++ "${objects[@]}" -o "$program" $(pkg-config --libs "$module")
}
host_sources=()
for source in examples/embedding-host/*.cpp; do
  [ "$(basename "$source")" = payload_only.cpp ] || host_sources+=("$source")
done
pkg_config_build "$work/pkg-config/embedding-host" TavroMerchantSDK "${host_sources[@]}"
env -u TAVRO_BUNDLE_PATH "$work/pkg-config/embedding-host" >/dev/null
# A host's UI test on the testing name alone.
pkg_config_build "$work/pkg-config/drive" TavroMerchantSDK-testing tests/subproject_host/drive.cpp
"$work/pkg-config/drive"
# Each file requires the one of the component below it, so a prefix that lacks it says which.
quietly cmake --install build/release --component ui --prefix "$work/ui-only"
if log=$(PKG_CONFIG_PATH="$work/ui-only/lib/pkgconfig" pkg-config --cflags --libs TavroMerchantSDK 2>&1); then
  fail "pkg-config took TavroMerchantSDK on a prefix without the payload component"
fi
grep -q "TavroMerchantSDK-payload" <<<"$log" || { echo "$log" >&2; fail "the missing payload file is not named"; }

for check in "${header_checks[@]}"; do
  wait "${check#*:}" || { cat "$work/headers/${check%%:*}.log" >&2; fail "the installed headers warn under ${check%%:*}"; }
done

# no_paths_in <what> <archives...>: no archive holds a path of the source or build tree.
no_paths_in() {
  local what="$1" archive
  shift
  for archive in "$@"; do
    if strings -a "$archive" | grep -F -q -e "$root"; then
      fail "$what: $(basename "$archive") names $(strings -a "$archive" | grep -F -m 1 -e "$root")"
    fi
  done
}

step "framework as a subproject of a C++17 host, in a shared library"
# Every name the installed package exports, which the subproject must have too.
package_names=$(sed -n 's/^add_library(TavroMerchantSDK::\([A-Za-z0-9_]*\) .*/\1/p' \
  "$prefix"/lib/cmake/TavroMerchantSDK/TavroMerchantSDK-*-targets.cmake | sort -u | paste -s -d ';')
[ -n "$package_names" ] || fail "the installed package exports no target"
subproject_log=$(cmake -S tests/subproject_host -B "$work/subproject" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
  -DHOST_PACKAGE_NAMES="$package_names" "${launcher[@]}" 2>&1) ||
  { echo "$subproject_log" >&2; fail "the subproject host does not configure"; }
# The host builds shared libraries by default: one line says the framework's stay static.
grep -q "libraries stay static and are built position-independent" <<<"$subproject_log" ||
  fail "the subproject's configure does not say its libraries stay static under BUILD_SHARED_LIBS"
if grep -E -i "^(GTest_DIR|GTEST_|benchmark_DIR)|zxing|qrcodegen" "$work/subproject/CMakeCache.txt"; then
  fail "the subproject's configure looked for a test dependency"
fi
if ninja -C "$work/subproject" -t targets all | grep -E "(^|/)(test_|bench_|fuzz_|merchant-host)"; then
  fail "the subproject defines targets of the framework's own tests, benchmarks or sample host"
fi
quietly cmake --build "$work/subproject" --target plugin_user -- "${ninja_args[@]}"
[ ! -e "$work/subproject/tavro/libtavro_platform_testing.a" ] || fail "building the plugin built the UI driver it does not link"
"$work/subproject/plugin_user"
quietly cmake --build "$work/subproject" -- "${ninja_args[@]}"
"$work/subproject/drive"
plugin="$work/subproject/libmerchant_plugin.so"
nm -D --defined-only "$plugin" | grep -q " merchant_plugin_check$" || fail "the plugin does not export its function"
exported=$(nm -D -C --defined-only "$plugin" | grep -c -E "(platform|tavro)::" || true)
[ "$exported" -eq 0 ] || fail "the plugin exports $exported of the framework's symbols, e.g. $(nm -D -C --defined-only \
  "$plugin" | grep -m 1 -E "(platform|tavro)::")"
# Pango keeps its types registered under names inside the plugin, so a plugin that has laid out text
# must never really be unloaded. A plugin exporting unique symbols would stay loaded without the flag
# and pass the reload, so the flag itself is checked.
readelf -d "$plugin" | grep -q "NODELETE" || fail "the plugin is not linked with -z nodelete"
"$work/subproject/plugin_reload" "$plugin"
# Built with no build type, so with its asserts.
no_paths_in "the subproject built without a build type" "$work/subproject"/tavro/libtavro_*.a

# ---- codec-only host: the payload install component alone, on ICU alone --------------------------
# A pkg-config directory with only ICU's files (and what they require), and no nlohmann_json package:
# on the payload component installed alone, the payload package component configures, builds and runs
# the codec-only program and the default component names the drawing modules it misses;
# TavroMerchantSDK-payload links it through plain pkg-config and through pkg_check_modules; and the
# framework as a subproject builds it with TAVRO_UI off.
check_codec_only_host() {
  local dir="$work/codec-only" icu="$work/codec-only/icu-pkgconfig" codec="$work/codec-only/prefix" module file
  mkdir -p "$icu"
  local pending=(icu-uc icu-i18n)
  while [ ${#pending[@]} -gt 0 ]; do
    module=${pending[0]}
    pending=("${pending[@]:1}")
    [ -e "$icu/$module.pc" ] && continue
    file="$(pkg-config --variable=pcfiledir "$module")/$module.pc"
    ln -s "$file" "$icu/$module.pc"
    # shellcheck disable=SC2207 # module names are single words
    pending+=($(pkg-config --print-requires --print-requires-private "$module" | awk '{print $1}'))
  done
  if grep -n -i "nlohmann" "$prefix"/lib/cmake/TavroMerchantSDK/*.cmake; then
    fail "the installed package asks for nlohmann_json, which the library uses only inside"
  fi

  quietly cmake --install build/release --component payload --prefix "$codec"
  local library
  for library in "${payload_archives[@]}"; do
    [ -e "$codec/lib/lib$library.a" ] || fail "the payload component lacks lib$library.a"
  done
  for file in include/tavro/TavroMerchantSDK/payload/TLVGenerator.h include/tavro/TavroMerchantSDK/support/base/TavroError.h \
    include/tavro/platform/foundation/RunLoop.h lib/cmake/TavroMerchantSDK/TavroMerchantSDKConfig.cmake \
    lib/cmake/TavroMerchantSDK/TavroMerchantSDKConfigVersion.cmake \
    lib/cmake/TavroMerchantSDK/TavroMerchantSDK-payload-targets.cmake lib/pkgconfig/TavroMerchantSDK-payload.pc; do
    [ -e "$codec/$file" ] || fail "the payload component lacks $file"
  done
  # Nothing of the other components: their archives, targets and pkg-config files, the bundle, and any
  # header whose folder belongs to one of their libraries (the longest folder owns it).
  local extra
  extra=$(cd "$codec" && { find . -type f | grep -E "$ui_archive_pattern|-(ui|testing)-targets|TavroMerchantSDK(-testing)?\.pc|\.bundle/" || true; })
  extra+=$(cd "$codec/include/tavro" && find . -name "*.h" | sed 's|^\./||' | LAYERS="$layers" awk '
    BEGIN { n = split(ENVIRON["LAYERS"], rows, "\n")
            for (i = 1; i <= n; i++) { k = split(rows[i], f, " "); for (j = 4; j <= k; j++) owner[f[j]] = f[2] } }
    { best = ""; size = 0
      for (folder in owner) if (index($0, folder "/") == 1 && length(folder) > size) { best = owner[folder]; size = length(folder) }
      if (best != "payload") print }')
  [ -z "$extra" ] || fail "the payload component installs what the others need: $extra"

  local configure=(env -u PKG_CONFIG_PATH PKG_CONFIG_LIBDIR="$icu" cmake -S examples/embedding-host -B "$dir/build"
    -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_PREFIX_PATH="$codec" -DCMAKE_DISABLE_FIND_PACKAGE_nlohmann_json=ON
    "${launcher[@]}")
  local log
  if log=$("${configure[@]}" -DHOST_COMPONENTS= 2>&1); then
    fail "the default component configured without the drawing libraries"
  fi
  tr -s ' \n' ' ' <<<"$log" | grep -q "ui component needs the pkg-config modules cairo, pangocairo, pangoft2, spng" ||
    { echo "$log" >&2; fail "the default component does not name the modules it misses"; }
  quietly "${configure[@]}" -DHOST_COMPONENTS=payload
  quietly cmake --build "$dir/build" -- "${ninja_args[@]}"
  env -u TAVRO_BUNDLE_PATH "$dir/build/payload-only" >/dev/null
  # With every module pkg-config knows, the ui component is found missing from this prefix.
  if log=$(env -u PKG_CONFIG_PATH cmake -S examples/embedding-host -B "$dir/ui-build" -G Ninja \
    -DCMAKE_CXX_COMPILER=g++ -DCMAKE_PREFIX_PATH="$codec" 2>&1); then
    fail "the ui component was found on a prefix with the payload component alone"
  fi
  tr -s ' \n' ' ' <<<"$log" | grep -q "ui component needs its files, which are not installed" ||
    { echo "$log" >&2; fail "the ui component missing from the prefix is not said"; }

  (
    unset PKG_CONFIG_PATH
    export PKG_CONFIG_LIBDIR="$icu:$codec/lib/pkgconfig"
    pkg-config --print-errors --exists TavroMerchantSDK-payload || fail "pkg-config cannot take TavroMerchantSDK-payload"
    pkg_config_build "$dir/payload-only-pkg-config" TavroMerchantSDK-payload examples/embedding-host/payload_only.cpp \
      examples/embedding-host/PayloadCheck.cpp
  )
  "$dir/payload-only-pkg-config" >/dev/null

  quietly env -u PKG_CONFIG_PATH PKG_CONFIG_LIBDIR="$icu:$codec/lib/pkgconfig" cmake -S examples/embedding-host \
    -B "$dir/pkg-check-modules" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DHOST_PKG_CONFIG=ON -DHOST_COMPONENTS=payload \
    "${launcher[@]}"
  quietly cmake --build "$dir/pkg-check-modules" -- "${ninja_args[@]}"
  "$dir/pkg-check-modules/payload-only" >/dev/null

  quietly env -u PKG_CONFIG_PATH PKG_CONFIG_LIBDIR="$icu" cmake -S tests/subproject_host -B "$dir/subproject" -G Ninja \
    -DCMAKE_CXX_COMPILER=g++ -DHOST_CODEC_ONLY=ON "${launcher[@]}"
  quietly cmake --build "$dir/subproject" -- "${ninja_args[@]}"
  "$dir/subproject/payload-only" >/dev/null
  no_paths_in "the codec-only subproject" "$dir/subproject"/tavro/libtavro_*.a
}
step "codec-only host: the payload component alone, with only ICU known to pkg-config"
check_codec_only_host
# ---- end of the codec-only host -------------------------------------------------------------------

# --- the bundle goes wherever the library goes ---------------------------------------------------

# host_from_prefix <prefix> <build dir>: builds the example host against <prefix> and runs it from a
# folder of its own with no bundle variable set; it checks the title's text and the network logos.
host_from_prefix() {
  local install="$1" build="$2"
  quietly cmake -S examples/embedding-host -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
    -DCMAKE_PREFIX_PATH="$install" "${launcher[@]}"
  quietly cmake --build "$build" --target embedding-host -- "${ninja_args[@]}"
  mkdir -p "$build/elsewhere"
  (cd "$build/elsewhere" && quietly env -u TAVRO_BUNDLE_PATH -u TAVRO_DEBUG_LOG "$build/embedding-host")
}

# no_build_paths <prefix> <paths...>: no installed library holds any of the paths.
no_build_paths() {
  local install="$1" library needle
  shift
  for library in "$install"/lib/*.a; do
    for needle in "$@"; do
      if strings -a "$library" | grep -F -q -e "$needle"; then
        fail "$(basename "$library") names $needle"
      fi
    done
  done
}

check_relocation() {
  local moved="$work/relocated/moved" other="$work/relocated/other"
  rm -rf "$work/relocated"
  mkdir -p "$work/relocated"
  step "installed prefix moved to $moved"
  mv "$prefix" "$moved"
  host_from_prefix "$moved" "$work/relocated/moved-host"
  step "installed with --prefix $other"
  quietly cmake --install build/release --prefix "$other"
  host_from_prefix "$other" "$work/relocated/other-host"
  no_build_paths "$moved" "$root" "$root/build/release" "$prefix" "$moved" "$other"
  no_build_paths "$other" "$root" "$root/build/release" "$prefix" "$moved" "$other"
  mv "$moved" "$prefix"
}
check_relocation

step "packaging checks passed"
