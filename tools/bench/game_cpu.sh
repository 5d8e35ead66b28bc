#!/bin/bash
# game_cpu.sh -- the game's own CPU while level 1 plays untouched.
#
# Starts the game on a virtual X screen with openbox, answers the start
# dialogs, lets level 1 run for a while and reads utime + stime of the
# game's process from /proc/<pid>/stat over the measuring span. Prints the
# share of one core.
# Usage: game_cpu.sh [build folder] [seconds] [display] [screen WxH] [keep|800x600]
# (defaults: build, 10, :41, 1280x1024, keep: "Не менять разрешение экрана")
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-10}
display=${3:-:41}
screen=${4:-1280x1024}
choice=${5:-keep}
if [ -e "/tmp/.X${display#:}-lock" ]; then
  echo "display $display is in use; name a free one" >&2
  exit 1
fi

folder=$(mktemp -d)
cp "$build/bin/Data.dat" "$folder/"
chmod u+w "$folder/Data.dat"
cp "$root"/resources/sounds/*.wav "$folder/"

Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
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

# True when a visible window of the game has exactly this title.
has_window() {
  local id
  for id in $(xdotool search --onlyvisible --class zarnok 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && return 0
  done
  return 1
}

wait_window() {
  local tries=200
  until has_window "$1"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || { echo "no window \"$1\"" >&2; return 1; }
    sleep 0.1
  done
}

# utime + stime in clock ticks: fields 14 and 15, counted after the
# parenthesised command name, which may hold spaces.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

cd "$folder"
"$build/bin/zarnok" >/dev/null 2>&1 &
game=$!
# The welcome box, then the advertisement; the first level runs after them.
# The resolution question's second button is "800x600".
for title in Zarnok 'Реклама'; do
  wait_window "$title"
  sleep 0.4
  [ "$title" = Zarnok ] && [ "$choice" = 800x600 ] && xdotool key Tab
  xdotool key Return
done
sleep 1

hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$game")
start=$(date +%s.%N)
# Untouched, the soldier is bitten to death after a while and a message box
# stops the game: the span is cut short there, so that it measures a game
# that runs.
box=
while awk -v s="$start" -v n="$(date +%s.%N)" -v l="$seconds" 'BEGIN { exit !(n - s < l) }'; do
  sleep 0.2
  has_window Zarnok && box=1 && break
done
after=$(cpu_ticks "$game")
end=$(date +%s.%N)
[ -n "$box" ] && echo "a message box opened: the span ends there"
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" \
  'BEGIN { printf "game CPU: %.2f %% of one core (%d ticks of 1/%d s over %.1f s)\n", 100 * t / hz / (e - s), t, hz, e - s }'
