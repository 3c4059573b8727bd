#!/usr/bin/env bash
# Ends what wine-up.sh started: every Wine process of the prefix and the
# virtual X display. Usage: wine-down.sh DIR
# shellcheck source-path=SCRIPTDIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$1
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$dir"
wineserver -k </dev/null >/dev/null 2>&1
wineserver -w </dev/null >/dev/null 2>&1
"$here/xvfb.sh" stop "$dir"
