#!/usr/bin/env bash
# Starts or stops the virtual X display of the end-to-end tests: Xvfb on
# the first free display number, its number and process id kept in DIR.
# Usage: xvfb.sh start|stop DIR
set -euo pipefail
action=$1
dir=$2

stop() {
  [ -f "$dir/xvfb.pid" ] || return 0
  local pid
  pid=$(cat "$dir/xvfb.pid")
  if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ]; then
    kill "$pid"
    # Gone, or a zombie that nobody may reap soon in a container.
    for _ in $(seq 50); do
      case $(awk '/^State:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) in
        '' | Z) break ;;
      esac
      sleep 0.1
    done
  fi
  rm -f "$dir/xvfb.pid" "$dir/display"
}

start() {
  stop
  mkdir -p "$dir"
  local number pid
  for number in $(seq 100 199); do
    if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then continue; fi
    # Its own session, so it outlives the test that started it.
    setsid Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp \
      </dev/null >"$dir/xvfb.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      if [ -S "/tmp/.X11-unix/X$number" ]; then
        echo "$pid" >"$dir/xvfb.pid"
        echo ":$number" >"$dir/display"
        echo "xvfb.sh: display :$number"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    # Taken meanwhile by someone else, or failed: try the next number.
    kill "$pid" 2>/dev/null || true
  done
  echo "xvfb.sh: found no free display; see $dir/xvfb.log" >&2
  return 1
}

case $action in
  start) start ;;
  stop) stop ;;
  *)
    echo "usage: xvfb.sh start|stop DIR" >&2
    exit 2
    ;;
esac
