#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/install-deps.sh"
# Release: the same optimised code users run, and a much quicker build than with
# debug information.
"$top/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
build=${TINTONIA_BUILD_DIR:-$top/build}
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy TINTONIA_AUDIO=null
cd "$build"
ctest --output-on-failure -j "${TINTONIA_JOBS:-2}" --timeout 600
