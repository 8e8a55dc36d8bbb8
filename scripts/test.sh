#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test (window tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build
if [[ -z "${DISPLAY:-}" ]] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)"
fi
exec ctest --output-on-failure -j"$(nproc)"
