# shellcheck shell=bash
# Sourced by the end-to-end scripts: the environment every Wine command of
# theirs runs in. $1 is the folder that holds the prefix and, when the
# scripts started one, the number of their X display.
vanterel_wine_dir=$(realpath -m "$1")
export WINEPREFIX="$vanterel_wine_dir/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# A Chinese system: console code page 936 (GBK), as the program's users have.
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
# The stand-in netsh.exe and wlanapi.dll instead of Wine's own; no Mono or Gecko installer
# dialogs, no menu entries on the host.
export WINEDLLOVERRIDES="netsh.exe=n;wlanapi=n;mscoree,mshtml=;winemenubuilder.exe=d"
if [ -f "$vanterel_wine_dir/display" ]; then
  DISPLAY=$(cat "$vanterel_wine_dir/display")
  export DISPLAY
fi
