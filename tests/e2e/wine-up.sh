#!/usr/bin/env bash
# Readies Wine for the end-to-end tests: a virtual X display, the prefix,
# and a persistent wineserver, so that each test starts quickly.
# Usage: wine-up.sh DIR NETSH_X64 NETSH_X86 [DPI]
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$1

"$here/xvfb.sh" start "$dir"
"$here/make-prefix.sh" "$@"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$dir"
wineserver -p </dev/null >>"$dir/make-prefix.log" 2>&1
# Bring the desktop up now, with the log as its output.
wine cmd /c exit </dev/null >>"$dir/make-prefix.log" 2>&1
echo "wine-up.sh: Wine ready on display $DISPLAY"
