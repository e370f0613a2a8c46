#!/usr/bin/env bash
# Builds the program (installing what it needs) and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/build.sh" "$here/build" -DT40_BUILD_TESTS=OFF
exec "$here/build/bin/t40" "$@"
