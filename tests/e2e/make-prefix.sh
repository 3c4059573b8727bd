#!/usr/bin/env bash
# Makes the Wine prefix in DIR/prefix (once; a complete one is reused), puts
# the stand-in netsh.exe in place of the system's for both architectures,
# with the stand-in wlanapi.dll and sharing manager built beside it, and
# sets the registry: a virtual desktop, the DPI, a Chinese font for 宋体
# (SimSun), which Wine does not ship, and the sharing manager's class.
# Usage: make-prefix.sh DIR NETSH_X64 NETSH_X86 [DPI]
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$1
netsh64=$2
netsh86=$3
dpi=${4:-96}

# The sharing stand-ins are built beside netsh.
stand_ins64=$(dirname "$netsh64")
stand_ins86=$(dirname "$netsh86")
for program in "$netsh64" "$netsh86" "$stand_ins64/wlanapi.dll" "$stand_ins86/wlanapi.dll" \
  "$stand_ins64/stand_in_hnetshare.dll" "$stand_ins86/stand_in_hnetshare.dll"; do
  if [ ! -f "$program" ]; then
    echo "make-prefix.sh: $program is missing; run script/build first" >&2
    exit 1
  fi
done
if ! locale -a | grep -qix 'zh_CN.utf8'; then
  echo "make-prefix.sh: the zh_CN.UTF-8 locale is missing; run script/bootstrap" >&2
  exit 1
fi

mkdir -p "$dir"
log=$dir/make-prefix.log
: >"$log"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$dir"

# Everything Wine starts keeps the output it inherits open: give it the log,
# never the caller's pipes. Nothing may wait for ever, on CI least of all.
quietly() { timeout 300 "$@" </dev/null >>"$log" 2>&1; }

# A server left from an interrupted run would hold on to old settings.
quietly wineserver -k || true
quietly wineserver -w || true

# A prefix made while only 64-bit programs could run has no 32-bit half.
if [ -z "${VANTEREL_WINE_64_BIT_ONLY:-}" ] &&
  [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
  rm -f "$WINEPREFIX/.vanterel-complete"
fi
if [ ! -f "$WINEPREFIX/.vanterel-complete" ]; then
  echo "make-prefix.sh: making the Wine prefix $WINEPREFIX (about half a minute)"
  rm -rf "$WINEPREFIX"
  if ! quietly wineboot -i || ! quietly wineserver -w; then
    echo "make-prefix.sh: wineboot failed; see $log" >&2
    exit 1
  fi
  touch "$WINEPREFIX/.vanterel-complete"
fi

# Put back a cmd.exe that a test set aside and could not restore because
# its driver was killed (see CmdSetAside in command_failure_test.cpp).
for folder in system32 syswow64; do
  aside=$WINEPREFIX/drive_c/windows/$folder/cmd.exe.vanterel-aside
  if [ -f "$aside" ]; then mv -f "$aside" "${aside%.vanterel-aside}"; fi
done

cp "$netsh64" "$WINEPREFIX/drive_c/windows/system32/netsh.exe"
cp "$netsh86" "$WINEPREFIX/drive_c/windows/syswow64/netsh.exe"
# Beside each netsh.exe: the stand-in Mobile hotspot classes of the same
# architecture (a 32-bit program reads system32 as syswow64).
tethering=stand_in_tethering.dll
cp "$(dirname "$netsh64")/$tethering" "$WINEPREFIX/drive_c/windows/system32/$tethering"
cp "$(dirname "$netsh86")/$tethering" "$WINEPREFIX/drive_c/windows/syswow64/$tethering"
for dll in wlanapi.dll stand_in_hnetshare.dll; do
  cp "$stand_ins64/$dll" "$WINEPREFIX/drive_c/windows/system32/$dll"
  cp "$stand_ins86/$dll" "$WINEPREFIX/drive_c/windows/syswow64/$dll"
done

set_value() { quietly wine reg add "$1" /v "$2" /t "$3" /d "$4" /f "${@:5}"; }
set_value 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
set_value 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ 1024x768
set_value 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
# Grey-scale smoothing: small Chinese text from an outline font stays legible.
set_value 'HKCU\Control Panel\Desktop' FontSmoothing REG_SZ 2
set_value 'HKCU\Control Panel\Desktop' FontSmoothingType REG_DWORD 1
for view in 64 32; do
  for face in 宋体 SimSun; do
    set_value 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' "$face" REG_SZ \
      'WenQuanYi Micro Hei' "/reg:$view"
  done
done

# In-process (ActivationType 0), in any apartment (Threading 0: both).
for view in 64 32; do
  for class in Windows.Networking.Connectivity.NetworkInformation \
    Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager; do
    key="HKLM\\Software\\Microsoft\\WindowsRuntime\\ActivatableClassId\\$class"
    set_value "$key" DllPath REG_SZ "C:\\windows\\system32\\$tethering" "/reg:$view"
    set_value "$key" ActivationType REG_DWORD 0 "/reg:$view"
    set_value "$key" Threading REG_DWORD 0 "/reg:$view"
  done
done
# Wine has no sharing manager: the stand-in serves its class, for both
# programs (a 32-bit one finds system32 redirected to syswow64).
sharing_manager='HKLM\Software\Classes\CLSID\{5C63C1AD-3956-4FF8-8486-40034758315B}\InprocServer32'
for view in 64 32; do
  quietly wine reg add "$sharing_manager" /ve /t REG_SZ \
    /d 'C:\windows\system32\stand_in_hnetshare.dll' /f "/reg:$view"
  set_value "$sharing_manager" ThreadingModel REG_SZ Both "/reg:$view"
done
# A program that calls what Wine lacks must fail its test, not wait on a dialog.
set_value 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0

# The desktop and the DPI take effect when the server starts afresh.
quietly wineserver -k || true
quietly wineserver -w || true
