#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# when any is missing. --fuzz adds clang and its libFuzzer runtime.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-serialport-dev qt6-translations-l10n
          qt6-l10n-tools qt6-tools-dev libgl-dev
          xvfb xauth fonts-wqy-microhei poppler-utils)
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
