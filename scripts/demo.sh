#!/usr/bin/env bash
# The README's main job: builds and runs the sample merchant host with its built-in defaults.
# Extra arguments go to the host (see examples/merchant-host --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release merchant-host >/dev/null
exec build/release/examples/merchant-host/merchant-host "$@"
