#!/usr/bin/env bash
# Installs what is missing, builds both flavours, and starts skyvane.exe under Wine
# with the simulated receiver streaming a generated dual-band drive. On a machine
# without a display it runs on Xvfb until the first fix and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
exec python3 scripts/demo.py "$@"
