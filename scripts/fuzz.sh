#!/usr/bin/env bash
# A long fuzzing campaign: every fuzz target (or the ones named) for MINUTES
# minutes each, one after another, or JOBS of them side by side.
#
#   scripts/fuzz.sh [-j JOBS] MINUTES [TARGET...] [-- LIBFUZZER_OPTION...]
#
# Builds the targets of the native preset first. Each target keeps its corpus
# under build/native/fuzz/TARGET/corpus, so a campaign goes on where the last
# one stopped; findings (crashes, leaks, timeouts, out-of-memory inputs) go to
# build/native/fuzz/TARGET/findings, and a target that stops on one is started
# again for the rest of its time. At the end the corpus keeps only the inputs
# that add coverage. Replay a finding with
#   build/native/tests/fuzz/TARGET FINDING
# Ends with each target's executions, speed, coverage (edges and features),
# corpus and findings.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    sed -n '2,5p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

jobs=1
if [[ "${1:-}" == "-j" ]]; then
    [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || usage
    jobs=$2
    shift 2
fi
[[ "${1:-}" =~ ^[1-9][0-9]*$ ]] || usage
minutes=$1
shift

build=build/native
targets_file=tests/fuzz/targets.txt
restarts_per_target=20
targets=()
while [[ $# -gt 0 && "$1" != "--" ]]; do
    targets+=("$1")
    shift
done
if [[ "${1:-}" == "--" ]]; then
    shift
fi
extra_options=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    mapfile -t targets < <(awk '/^[a-z]/ {print $1}' "$targets_file")
fi

# name seeds max_len dict
target_line() {
    awk -v name="$1" '$1 == name' "$targets_file"
}

for target in "${targets[@]}"; do
    [[ -n "$(target_line "$target")" ]] || { echo "fuzz.sh: no target $target in $targets_file" >&2; exit 2; }
done

[[ -f $build/CMakeCache.txt ]] || cmake --preset native >/dev/null
cmake --build --preset native -j2 --target "${targets[@]}"

# Runs one target until its time is used, starting it again after a finding.
campaign() {
    local target=$1
    read -r _ seeds max_len dict < <(target_line "$target")
    local home=$build/fuzz/$target
    mkdir -p "$home/corpus" "$home/findings"
    local options=(-max_len="$max_len" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1
                   -artifact_prefix="$home/findings/")
    if [[ "$dict" != "-" ]]; then
        options+=(-dict="tests/fuzz/$dict")
    fi
    local start=$SECONDS
    local deadline=$((start + minutes * 60))
    local log=$home/last-campaign.log
    : >"$log"
    for ((run = 0; run <= restarts_per_target && SECONDS < deadline; run++)); do
        ASAN_OPTIONS=detect_leaks=1 "$build/tests/fuzz/$target" "${options[@]}" \
            -max_total_time=$((deadline - SECONDS)) "${extra_options[@]}" \
            "$home/corpus" "tests/fuzz/seeds/$seeds" >>"$log" 2>&1 || true
    done
    echo $((SECONDS - start)) >"$home/last-campaign.seconds"
    keep_useful_inputs "$target" "$max_len"
}

# Cuts the corpus down to the inputs that add coverage, so that it does not
# grow with every campaign.
keep_useful_inputs() {
    local target=$1 max_len=$2
    local home=$build/fuzz/$target
    rm -rf "$home/corpus.merging"
    mkdir "$home/corpus.merging"
    if "$build/tests/fuzz/$target" -merge=1 -max_len="$max_len" "$home/corpus.merging" \
        "$home/corpus" >"$home/last-merge.log" 2>&1; then
        rm -rf "$home/corpus"
        mv "$home/corpus.merging" "$home/corpus"
    else
        rm -rf "$home/corpus.merging"
    fi
}

# Sums what the runs of one campaign printed.
report() {
    local target=$1
    local home=$build/fuzz/$target
    local log=$home/last-campaign.log
    local execs seconds speed=0 coverage edges features corpus found
    execs=$(awk '/stat::number_of_executed_units/ {n += $2} END {print n + 0}' "$log")
    coverage=$(awk '/ cov: [0-9]+ ft: [0-9]+/ {for (i = 1; i < NF; i++) {if ($i == "cov:") c = $(i + 1); if ($i == "ft:") f = $(i + 1)}} END {print c + 0, f + 0}' "$log")
    seconds=$(cat "$home/last-campaign.seconds")
    if ((seconds > 0)); then
        speed=$((execs / seconds))
    fi
    corpus=$(find "$home/corpus" -type f | wc -l)
    found=$(find "$home/findings" -type f -newer "$home/started" | wc -l)
    read -r edges features <<<"$coverage"
    printf '%-16s %12d %8d %6d %8d %7d %9d\n' "$target" "$execs" "$speed" "$edges" "$features" \
        "$corpus" "$found"
    find "$home/findings" -type f -newer "$home/started" | sed 's/^/    /'
}

for target in "${targets[@]}"; do
    mkdir -p "$build/fuzz/$target"
    touch "$build/fuzz/$target/started"
done
echo "fuzz.sh: ${#targets[@]} target(s), $minutes minute(s) each, $jobs at a time"
running=0
for target in "${targets[@]}"; do
    if ((running == jobs)); then
        wait -n
        running=$((running - 1))
    fi
    echo "fuzz.sh: $target from $(date +%H:%M:%S), log in $build/fuzz/$target/last-campaign.log"
    campaign "$target" &
    running=$((running + 1))
done
wait

printf '\n%-16s %12s %8s %6s %8s %7s %9s\n' target executions exec/s edges features corpus \
    findings
for target in "${targets[@]}"; do
    report "$target"
done
