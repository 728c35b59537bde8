#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs the whole suite under AddressSanitizer+UBSan or ThreadSanitizer.
# Usage: tools/sanitize.sh address|thread
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:?address or thread}
dir=build-$([ "$kind" = thread ] && echo tsan || echo asan)
tools/install-deps.sh
cmake -S . -B "$dir" -DR5_SANITIZE="$kind" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$dir" -j2
export QT_QPA_PLATFORM=offscreen
if [ "$kind" = thread ]; then
  # Qt is not built for ThreadSanitizer: its own hand-overs are invisible, so accesses
  # made inside Qt are ignored and Qt's queue internals suppressed (tests/tsan.supp).
  export QT_NO_GLIB=1
  export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp ignore_noninstrumented_modules=1 halt_on_error=0"
else
  # Qt's platform plugins keep a few allocations until exit; leaks are not what this run checks.
  export ASAN_OPTIONS="detect_leaks=0"
  export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
fi
cd "$dir" && ctest -j2 --output-on-failure
