#!/usr/bin/env bash
# Installs what is missing, builds both flavours and runs every suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
ctest --preset native --parallel 2
