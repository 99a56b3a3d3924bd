#!/usr/bin/env bash
# Runs a replay command and compares its standard output with a golden trace.
#   compare_replay.sh EXPECTED ACTUAL -- COMMAND [ARGS...]
set -u
expected=$1 actual=$2
shift 3
"$@" > "$actual" || { echo "replay failed with status $?: $*"; exit 1; }
if ! cmp -s "$expected" "$actual"; then
  echo "The trace differs from $expected:"
  diff <(tr ',' '\n' < "$expected") <(tr ',' '\n' < "$actual") | head -40
  echo "If the change is intended, copy $actual over the golden file and say why in the commit."
  exit 1
fi
echo "trace matches $(wc -l < "$expected") lines of $expected"
