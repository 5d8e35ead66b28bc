#!/bin/bash
# game_cpu.sh -- the game's own CPU while level 1 plays untouched at 1:1.
#
# Starts the game on a 1280 x 1024 virtual X screen with openbox, answers the
# start dialogs, lets level 1 run for a while and reads utime + stime of the
# game's process from /proc/<pid>/stat over the measuring span. Prints the
# share of one core. Usage: game_cpu.sh [build folder] [seconds] [display]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-10}
display=${3:-:41}

folder=$(mktemp -d)
cp "$build/bin/Data.dat" "$folder/"
chmod u+w "$folder/Data.dat"
cp "$root"/resources/sounds/*.wav "$folder/"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
game=
cleanup() {
  [ -n "$game" ] && kill -TERM "$game" 2>/dev/null && wait "$game" 2>/dev/null
  kill -TERM "$wm" "$xvfb" 2>/dev/null || true
  wait "$wm" "$xvfb" 2>/dev/null || true
  rm -rf "$folder"
}
trap cleanup EXIT

wait_window() {
  local window
  for _ in $(seq 150); do
    for window in $(xdotool search --onlyvisible --class zarnok 2>/dev/null); do
      [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ] && return 0
    done
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  return 1
}

# utime + stime in clock ticks: fields 14 and 15, counted after the
# parenthesised command name, which may hold spaces.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

cd "$folder"
"$build/bin/zarnok" >/dev/null 2>&1 &
game=$!
wait_window 'Zarnok'
sleep 0.5
xdotool key Return
wait_window 'Реклама'
sleep 0.3
xdotool key Return
sleep 3

hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$game")
start=$(date +%s.%N)
sleep "$seconds"
after=$(cpu_ticks "$game")
end=$(date +%s.%N)
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" \
  'BEGIN { printf "game CPU: %.2f %% of one core (%d ticks of 1/%d s over %.1f s)\n", 100 * t / hz / (e - s), t, hz, e - s }'
