#!/usr/bin/env bash
# Configures and builds the whole tree into build/ (or $BUILD_DIR); extra
# configure options may be given in $CMAKE_OPTIONS.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
type=${BUILD_TYPE:-RelWithDebInfo}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Paths below the checkout are hashed relative to it, so several checkouts
    # (worktrees, CI's clean clone) share one cache.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
# shellcheck disable=SC2086
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${launcher[@]}" \
    ${CMAKE_OPTIONS:-} >/dev/null
cmake --build "$build" -j"$(nproc)" "$@"
