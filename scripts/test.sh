#!/usr/bin/env bash
# Installs what is missing, builds both flavours and runs every suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset native
cmake --build --preset native
cmake --preset windows
cmake --build --preset windows
ctest --preset native --parallel 2
