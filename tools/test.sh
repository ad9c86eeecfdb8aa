#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test on the offscreen
# platform.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
