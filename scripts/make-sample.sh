#!/usr/bin/env bash
# Regenerates samples/dualband-drive.nmea, the recording users replay, from the scenario
# generator's default run. Builds nothing: pass the built skyvane-scenario, or build the
# native preset first.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
generator="${1:-$repo_root/build/native/tools/scenario/skyvane-scenario}"
sample="$repo_root/samples/dualband-drive.nmea"

if [[ ! -x "$generator" ]]; then
    echo "make-sample.sh: no generator at $generator (build it, or pass its path)" >&2
    exit 2
fi

# Write beside the sample and move into place, so a failed run never leaves half a file.
partial="$sample.partial"
trap 'rm -f "$partial"' EXIT
"$generator" >"$partial"
mv "$partial" "$sample"
trap - EXIT
echo "wrote $sample: $(wc -l <"$sample") lines, $(wc -c <"$sample") bytes"
