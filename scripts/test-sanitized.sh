#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ (or $BUILD_DIR) and runs every test there. Any report fails
# the test that caused it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-sanitize}
"$root/scripts/install-deps.sh"
BUILD_DIR="$build" CMAKE_OPTIONS="-DTALVORA_SANITIZE=ON -DTALVORA_BENCHMARKS=OFF" \
    "$root/scripts/build.sh"
cd "$build"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
