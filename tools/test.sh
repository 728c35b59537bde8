#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is needed, builds, and runs every test (offscreen, against the simulated mouse).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
