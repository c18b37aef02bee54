#!/usr/bin/env bash
# Configures and builds Tintonia in build/ (or $TINTONIA_BUILD_DIR) with Ninja.
# Extra arguments go to the CMake configure step.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TINTONIA_BUILD_DIR:-$top/build}
jobs=${TINTONIA_JOBS:-2}
cmake -S "$top" -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$jobs"
