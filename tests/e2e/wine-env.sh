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
# The stand-in netsh.exe and wlanapi.dll instead of Wine's own; IP Helper
# looked for as Windows does, which takes a DLL that is no KnownDLL from the
# program's folder first (Wine takes its own unless native ones come first);
# no Mono or Gecko installer dialogs, no menu entries on the host.
export WINEDLLOVERRIDES="netsh.exe=n;wlanapi=n;iphlpapi=n,b;mscoree,mshtml=;winemenubuilder.exe=d"
if [ -f "$vanterel_wine_dir/display" ]; then
  DISPLAY=$(cat "$vanterel_wine_dir/display")
  export DISPLAY
fi
# Some machines cannot run 32-bit Linux programs (their kernel or sandbox
# lacks them) and script/emulate-32-bit could not make them run there; on
# others wine32:i386 could not be installed (see script/bootstrap). Wine's
# 32-bit loader, which its scripts prefer, then fails at once or is missing;
# its 64-bit loader still runs 64-bit Windows programs, and no 32-bit one
# can run at all (run-driver.sh skips those tests).
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export VANTEREL_WINE_64_BIT_ONLY=1
  export WINELOADER=/usr/lib/wine/wine64
  vanterel_loaders=$vanterel_wine_dir/wine64-only
  mkdir -p "$vanterel_loaders"
  for vanterel_name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$vanterel_loaders/$vanterel_name"
    chmod +x "$vanterel_loaders/$vanterel_name"
  done
  export PATH="$vanterel_loaders:$PATH"
fi
