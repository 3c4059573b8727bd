#!/usr/bin/env bash
# script/bootstrap against a package index that answers as a mirror caught
# mid-sync does: stand-ins for apt-get, dpkg, dpkg-query, locale, id and
# sleep come first on PATH, and a stand-in emulate-32-bit beside a copy of
# the script, so nothing on the machine changes.
# Usage: bootstrap_test.sh SOURCE_DIR WORK_DIR
set -uo pipefail
source_dir=$1
work=$2
rm -rf "$work" && mkdir -p "$work/bin" "$work/script"
cp "$source_dir/script/bootstrap" "$source_dir/script/apt-update" "$work/script/"
printf '#!/bin/sh\necho emulate-32-bit ran\n' >"$work/script/emulate-32-bit"

# apt-get: "update" fails while $work/update-failures counts down (or for
# ever with "always"); "install" fails for the packages in $FAILING,
# otherwise adds them to $work/installed.
cat >"$work/bin/apt-get" <<'STANDIN'
#!/bin/bash
state=$(dirname "$0")/..
case $1 in
  update)
    left=$(cat "$state/update-failures")
    [ "$left" = 0 ] && exit 0
    [ "$left" = always ] || echo $((left - 1)) >"$state/update-failures"
    echo "E: Some index files failed to download." >&2
    exit 100 ;;
  install)
    for package in "$@"; do
      case " $FAILING " in *" $package "*) echo "E: held broken packages" >&2; exit 100 ;; esac
    done
    for package in "$@"; do echo "$package" >>"$state/installed"; done ;;
esac
STANDIN
cat >"$work/bin/dpkg-query" <<'STANDIN'
#!/bin/bash
grep -qx -- "${@: -1}" "$(dirname "$0")/../installed" 2>/dev/null && echo "install ok installed"
STANDIN
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"
printf '#!/bin/sh\necho zh_CN.utf8\n' >"$work/bin/locale"
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
printf '#!/bin/sh\n' >"$work/bin/sleep"
chmod +x "$work"/bin/* "$work/script/emulate-32-bit"

skip_line='wine32:i386 cannot be installed: the package index'"'"'s i386 side is out of step'
lists_line='some package lists could not be downloaded; going on with those that arrived'
failures=0
# name | update failures | packages that fail to install | exit status | line expected | line not expected
while IFS='|' read -r name update failing status expected unexpected; do
  : >"$work/installed"
  echo "$update" >"$work/update-failures"
  output=$(PATH="$work/bin:$PATH" FAILING="$failing" bash "$work/script/bootstrap" 2>&1)
  actual=$?
  verdict=ok
  [ "$actual" = "$status" ] || verdict="exit status $actual, not $status"
  [ -z "$expected" ] || grep -qF -- "$expected" <<<"$output" || verdict="no line '$expected'"
  [ -z "$unexpected" ] || ! grep -qF -- "$unexpected" <<<"$output" || verdict="a line '$unexpected'"
  if [ "$verdict" != ok ]; then
    failures=$((failures + 1))
    printf 'FAIL %s: %s\n%s\n' "$name" "$verdict" "$output"
  else
    echo "ok   $name"
  fi
done <<CASES
everything installs|0||0|emulate-32-bit ran|$skip_line
an index fails once|1||0|emulate-32-bit ran|$lists_line
an index fails always, wine32 with it|always|wine32:i386|0|$lists_line|could not install
wine32 alone cannot be installed|0|wine32:i386|0|$skip_line|$lists_line
the other packages cannot be installed|always|wine64|1|could not install|emulate-32-bit ran
CASES
exit $((failures > 0))
