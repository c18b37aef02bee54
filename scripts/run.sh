#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tintonia.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
build=${TINTONIA_BUILD_DIR:-$top/build}
exec "$build/bin/Tintonia" "$@"
