#!/usr/bin/env bash
# Installs what is missing, builds Tessaly Studio in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target tessaly-studio -j "$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "start-studio: no display found; set DISPLAY (or run under Xvfb) to see the window" >&2
fi
exec build/release/src/studio/tessaly-studio
