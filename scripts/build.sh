#!/usr/bin/env bash
# Installs what is missing and builds both flavours: native (tools, tests) and Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset native
cmake --build --preset native
cmake --preset windows
cmake --build --preset windows
