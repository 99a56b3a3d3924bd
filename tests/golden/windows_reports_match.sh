#!/usr/bin/env bash
# The Windows build of skyvane-replay, run under Wine, must write the golden
# run report of each recording, byte for byte as the native build does.
#   windows_reports_match.sh WINDOWS_REPLAY GOLDEN_DIR WORK_DIR INPUT...
set -u
windows=$1 golden=$2 work=$3
shift 3
mkdir -p "$work"
if [ ! -f "$windows" ]; then
  echo "missing $windows: build the windows preset first"
  exit 1
fi
status=0
for input in "$@"; do
  name=$(basename "$input")
  # Wine sees the Linux file system as drive Z:.
  if ! wine "$windows" --utc-offset 0 --final --report "Z:$work/$name.report.json" "Z:$input" \
      > /dev/null; then
    echo "windows replay failed under wine: $name"
    status=1
  elif ! cmp -s "$golden/$name.report.json" "$work/$name.report.json"; then
    echo "the Windows build's report of $name differs from the golden one:"
    diff "$golden/$name.report.json" "$work/$name.report.json" | head -10
    status=1
  fi
done
[ $status -eq 0 ] && echo "the Windows build wrote the golden report of $# recordings"
exit $status
