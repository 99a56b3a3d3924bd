#!/usr/bin/env bash
# The Windows build of skyvane-replay, run under Wine, must print the same
# trace and write the same log and run report as the native build.
#   windows_matches_native.sh NATIVE_REPLAY WINDOWS_REPLAY WORK_DIR INPUT [OPTIONS...]
set -u
native=$1 windows=$2 work=$3 input=$4
shift 4
mkdir -p "$work"
if [ ! -f "$windows" ]; then
  echo "missing $windows: build the windows preset first"
  exit 1
fi
name=$(basename "$input")
"$native" "$@" --log "$work/$name.native.log" --report "$work/$name.native.report.json" \
  "$input" > "$work/$name.native.jsonl" || { echo "native replay failed"; exit 1; }
# Wine sees the Linux file system as drive Z:.
wine "$windows" "$@" --log "Z:$work/$name.windows.log" --report "Z:$work/$name.windows.report.json" \
  "Z:$input" > "$work/$name.windows.jsonl" || { echo "windows replay failed under wine"; exit 1; }
status=0
for kind in jsonl log report.json; do
  if ! cmp "$work/$name.native.$kind" "$work/$name.windows.$kind"; then
    echo "the $kind output differs between the native and the Windows build"
    status=1
  fi
done
[ $status -eq 0 ] && echo "same trace ($(wc -l < "$work/$name.native.jsonl") lines), same log ($(stat -c %s "$work/$name.native.log") bytes) and same report ($(stat -c %s "$work/$name.native.report.json") bytes)"
exit $status
