#!/usr/bin/env bash
# Configures and builds the whole tree into build/ (or $BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
type=${BUILD_TYPE:-RelWithDebInfo}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" "$@"
