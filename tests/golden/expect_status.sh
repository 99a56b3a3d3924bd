#!/usr/bin/env bash
# Runs a command and checks its exit status and that its output (standard
# output and error together) holds a text.
#   expect_status.sh STATUS TEXT -- COMMAND [ARGS...]
set -u
status=$1 text=$2
shift 3
output=$("$@" 2>&1)
actual=$?
echo "$output" | head -20
if [ "$actual" -ne "$status" ]; then
  echo "exit status $actual, expected $status: $*"
  exit 1
fi
if ! grep -qF -- "$text" <<< "$output"; then
  echo "the output does not say: $text"
  exit 1
fi
echo "exit status $status and \"$text\", as expected"
