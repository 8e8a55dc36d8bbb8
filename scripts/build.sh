#!/usr/bin/env bash
# Configures and builds into build/ (warnings are errors only in CI).
set -euo pipefail
cd "$(dirname "$0")/.."
extra=()
[[ "${CI:-}" == "true" ]] && extra+=(-DCMAKE_CXX_FLAGS=-Werror)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build build -j"$(nproc)"
