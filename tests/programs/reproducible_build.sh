#!/usr/bin/env bash
# Builds the release twice, from two copies of the source in folders of
# different depth, under different time zones, umasks and file times, and
# fails if the programs or the archive differ in a single byte. Only the
# release is built (script/release), not the test drivers.
# Usage: reproducible_build.sh SOURCE WORK
set -euo pipefail
source=$(cd "$1" && pwd -P)
work=$2

rm -rf "$work"
mkdir -p "$work"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}

# The files as they are in the source folder, committed or not, so that what
# is about to be committed is what is checked.
copy_source() {
  mkdir -p "$1"
  git -C "$source" ls-files -z --cached --others --exclude-standard |
    tar -C "$source" --null --ignore-failed-read -T - -cf - |
    tar -C "$1" -xf -
}

build() {
  local dir=$1 zone=$2 mask=$3 file_time=$4
  copy_source "$dir"
  if [ -n "$file_time" ]; then
    find "$dir" -type f -exec touch -d "$file_time" {} +
  fi
  if ! (cd "$dir" && umask "$mask" && TZ=$zone SOURCE_DATE_EPOCH=$epoch script/release) \
    >"$dir.log" 2>&1; then
    cat "$dir.log" >&2
    echo "reproducible_build: the release in $dir did not build" >&2
    exit 1
  fi
}

first=$work/a
second=$work/a-folder-with-a-much-longer-name/and/deeper/b
build "$first" UTC 022 ""
# The second copy's sources get other times: the build must not record them.
build "$second" Asia/Shanghai 002 "2001-09-09 01:46:40 UTC"

failed=0
for file in $(cd "$first/dist" && ls x64/vanterel.exe x86/vanterel.exe vanterel-*-windows.zip); do
  if ! [ -f "$second/dist/$file" ]; then
    echo "DIFF $file: missing from the second build"
    failed=1
  elif differences=$(cmp -l "$first/dist/$file" "$second/dist/$file" 2>&1); then
    echo "same $(cd "$first/dist" && sha256sum "$file")"
  else
    echo "DIFF $file: $(wc -l <<<"$differences") bytes differ; offset (from 1) and octal bytes:"
    head -20 <<<"$differences"
    failed=1
  fi
done
# What script/release lists is what it built.
(cd "$first/dist" && sha256sum --quiet -c SHA256SUMS) || failed=1
exit "$failed"
