#!/usr/bin/env bash
# Runs a replay that writes a run report and compares the report with a
# golden one; the replay must end with status 0 (every limit passed).
#   compare_report.sh EXPECTED ACTUAL -- COMMAND [ARGS...]
set -u
expected=$1 actual=$2
shift 3
rm -f "$actual"
"$@" > /dev/null || { echo "replay failed with status $?: $*"; exit 1; }
if ! cmp -s "$expected" "$actual"; then
  echo "The report differs from $expected:"
  diff "$expected" "$actual" | head -40
  echo "If the change is intended, copy $actual over the golden file and say why in the commit."
  exit 1
fi
echo "report matches $(wc -l < "$expected") lines of $expected"
