#!/usr/bin/env bash
# Builds and runs the whole test suite (installing what it needs).
# --sanitize builds it with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$here/build-tests"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
    build_dir="$here/build-sanitize"
    extra=(-DT40_SANITIZE=ON)
fi
bash "$here/scripts/build.sh" "$build_dir" "${extra[@]}"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
