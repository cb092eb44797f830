#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing) and builds
# one CMake preset. Usage: scripts/setup.sh PRESET
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libbenchmark-dev nlohmann-json3-dev libxml2-utils libxml2-dev libexpat1-dev
    qt6-base-dev qt6-translations-l10n libgl-dev xvfb xauth
    clang-14 libclang-rt-14-dev
    dpkg-dev file appstream desktop-file-utils groff-base man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

preset="${1:-default}"
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
