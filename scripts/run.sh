#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tintonia.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
build=${TINTONIA_BUILD_DIR:-$top/build}
if [[ -x "$build/bin/Tintonia" ]]; then
  exec "$build/bin/Tintonia" "$@"
fi
echo "Built everything in $build. The Tintonia window is not part of this build yet;"
echo "the libraries, plug-ins and tools are in $build/bin."
