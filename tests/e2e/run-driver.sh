#!/usr/bin/env bash
# Runs the Windows test driver under the Wine that wine-up.sh readied,
# against one vanterel.exe, and turns the bitmaps it saved into PNG files.
# Usage: run-driver.sh WINE_DIR WORK_DIR VANTEREL_EXE DRIVER_EXE [driver arguments...]
# shellcheck source-path=SCRIPTDIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_dir=$1
work=$2
program=$3
driver=$4
shift 4

for file in "$program" "$driver"; do
  if [ ! -f "$file" ]; then
    echo "run-driver.sh: $file is missing; run script/build first" >&2
    exit 1
  fi
done
mkdir -p "$work"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$wine_dir"

# The machine field of the PE header: 0x14c for a 32-bit x86 program.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}
# CTest counts this exit code as skipped (SKIP_RETURN_CODE).
skipped=77
if [ -n "${VANTEREL_WINE_64_BIT_ONLY:-}" ] && [ "$(pe_machine "$driver")" = 014c ]; then
  echo "run-driver.sh: skipped: Wine's 32-bit half is not installed or cannot run on this" \
    "machine, so Wine runs only 64-bit Windows programs here"
  exit "$skipped"
fi

# Wine's Z: drive is the host's root.
windows_path() {
  local absolute
  absolute=$(realpath "$1")
  printf 'Z:%s' "${absolute//\//\\}"
}
VANTEREL_E2E_PROGRAM=$(windows_path "$program")
VANTEREL_E2E_WORK=$(windows_path "$work")
export VANTEREL_E2E_PROGRAM VANTEREL_E2E_WORK

rm -f "$work"/*.bmp
# Through a file: processes Wine starts on the way may outlive the driver
# and would hold a pipe to our caller open.
output=$work/driver-output.txt
# Wine now and then fails to start a program on a new prefix, before any
# of its code runs. The driver's first act leaves driver-started: without
# it a failure is such a start, tried again a few times; once the driver
# ran, whatever it says stands.
driver_name=$(basename "$driver")
attempts=4
for attempt in $(seq "$attempts"); do
  rm -f "$work/driver-started"
  wine "$driver" "$@" </dev/null >"$output" 2>&1
  status=$?
  if [ "$status" -eq 0 ] || [ -f "$work/driver-started" ]; then break; fi
  if [ "$attempt" -eq "$attempts" ]; then
    echo "run-driver.sh: $driver_name could not be started under Wine: it exited with" \
      "$status $attempts times before it ran; Wine said:"
    break
  fi
  echo "run-driver.sh: start of $driver_name failed with $status before it ran, tried again;" \
    "Wine said:"
  cat "$output"
  sleep 1
done
cat "$output"

for bitmap in "$work"/*.bmp; do
  [ -e "$bitmap" ] || continue
  if convert "$bitmap" "${bitmap%.bmp}.png"; then
    rm -f "$bitmap"
    echo "run-driver.sh: saved ${bitmap%.bmp}.png"
  fi
done
exit "$status"
