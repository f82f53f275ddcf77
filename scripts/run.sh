#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. Extra arguments go
# to the program (for example --demo, or --db FILE).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target talvora VQ.Lokaty
exec "${BUILD_DIR:-$root/build}/bin/talvora" "$@"
