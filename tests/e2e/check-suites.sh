#!/usr/bin/env bash
# Fails when the test driver holds a suite that the CTest run leaves out:
# compares the driver's own list of its tests with the suites given.
# Usage: check-suites.sh WINE_DIR WORK_DIR VANTEREL_EXE DRIVER_EXE SUITE...
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$2
run=("$here/run-driver.sh" "$1" "$2" "$3" "$4")
shift 4

"${run[@]}" --gtest_list_tests >/dev/null
status=$?
if [ "$status" -ne 0 ]; then exit "$status"; fi
# Suites are the lines that end in a dot; their tests follow, indented.
listed=$(tr -d '\r\0' <"$work/driver-output.txt" | sed -n 's/^\([A-Za-z0-9_]*\)\.$/\1/p' | sort -u)
expected=$(printf '%s\n' "$@" | sort -u)
missing=$(comm -23 <(printf '%s\n' "$listed") <(printf '%s\n' "$expected"))
if [ -n "$missing" ]; then
  echo "check-suites.sh: the driver has suites that no CTest test runs:" $missing
  echo "check-suites.sh: write their tests with TEST or TEST_F at the start of a line" \
    "of a file in VANTEREL_E2E_DRIVER_TESTS (tests/e2e/CMakeLists.txt)"
  exit 1
fi
echo "check-suites.sh: all $(printf '%s\n' "$listed" | wc -l) suites of the driver run"
