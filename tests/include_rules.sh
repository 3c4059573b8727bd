#!/usr/bin/env bash
# The three rooms include only downward: nothing includes app/; the
# decisions (hotspot/) include only themselves and the standard library;
# the Windows side (windows/) includes itself, Windows' headers and the
# decisions' interfaces, and never calls a decision.
# Usage: include_rules.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
interfaces='command_run|hosted_network_status|hotspot_look|main_window|record_file|sharing_calls|system|tethering_calls|tethering_run'
broken=0
offend() {
  [ -n "$2" ] || return 0
  echo "$1:"
  echo "$2"
  broken=1
}
offend "hotspot/ includes more than itself and the standard library" \
  "$(grep -rn '#include' hotspot | grep -v -E '#include (<[a-z_]+>|"hotspot/)')"
offend "windows/ includes a decision or the window" \
  "$(grep -rn '#include "' windows | grep -v -E "#include \"(windows/|hotspot/($interfaces)\\.h\")")"
offend "windows/ calls a decision" \
  "$(grep -rn -E '\b(shareInternet|stopSharing|startTethering|stopTethering|restartTethering|giveSettingsBack|lookAtTethering|tetheringClients|hotspotLooked|lookAtRunningHotspot)[A-Za-z]*\(' windows)"
exit "$broken"
