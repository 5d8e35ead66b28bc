#!/bin/bash
# game_cpu.sh -- the game's own CPU while level 1 plays untouched.
#
# Starts the game on a virtual X screen with openbox, answers the start
# dialogs, lets level 1 run for a while and reads utime + stime of the
# game's process from /proc/<pid>/stat over the measuring span. Prints the
# share of one core. With "play" the soldier walks right and jumps every
# half second, so the camera scrolls and most of the picture changes each
# tick; "still" leaves him standing.
# Usage: game_cpu.sh [build folder] [seconds] [display] [screen WxH] [keep|800x600] [still|play]
# (defaults: build, 10, :41, 1280x1024, keep: "Не менять разрешение экрана", still)
# Environment, all optional:
#   GAME_CPU_PERF=file       `perf record` samples the game over the span into
#                            that file (the figure then includes perf's cost);
#   GAME_CPU_PERF_OPTS=...   perf's call-graph options instead of -g, e.g.
#                            "--call-graph dwarf,16384" for Qt's frames;
#   GAME_CPU_STDERR=file     the game's error output goes there;
#   GAME_CPU_FAILSHOT=png    a screenshot when an expected window never shows.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-10}
display=${3:-:41}
screen=${4:-1280x1024}
choice=${5:-keep}
action=${6:-still}
case "$action" in still | play) ;; *) echo "unknown action \"$action\"" >&2; exit 1 ;; esac
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
# A window mapped while openbox still starts up may never be shown: wait
# until it announces itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
game=
cleanup() {
  [ "$action" = play ] && xdotool keyup Right 2>/dev/null
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
    if [ "$tries" -le 0 ]; then
      echo "no window \"$1\"; the game's windows:" >&2
      for id in $(xdotool search --class zarnok 2>/dev/null); do
        echo "  $id \"$(xdotool getwindowname "$id" 2>/dev/null)\"" >&2
      done
      kill -0 "$game" 2>/dev/null || echo "  the game has exited" >&2
      [ -n "${GAME_CPU_FAILSHOT:-}" ] && import -window root "$GAME_CPU_FAILSHOT"
      return 1
    fi
    sleep 0.1
  done
}

# utime + stime in clock ticks: fields 14 and 15, counted after the
# parenthesised command name, which may hold spaces.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

cd "$folder"
"$build/bin/zarnok" >/dev/null 2>${GAME_CPU_STDERR:-/dev/null} &
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

# The key bindings' defaults: Right walks, Shift jumps.
[ "$action" = play ] && xdotool keydown Right
step=0.2
[ "$action" = play ] && step=0.5
hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$game")
start=$(date +%s.%N)
perf=
if [ -n "${GAME_CPU_PERF:-}" ]; then
  perf record ${GAME_CPU_PERF_OPTS:--g} -o "$GAME_CPU_PERF" -p "$game" >/dev/null 2>&1 &
  perf=$!
fi
# Untouched, the soldier is bitten to death after a while and a message box
# stops the game: the span is cut short there, so that it measures a game
# that runs.
box=
while awk -v s="$start" -v n="$(date +%s.%N)" -v l="$seconds" 'BEGIN { exit !(n - s < l) }'; do
  sleep "$step"
  has_window Zarnok && box=1 && break
  [ "$action" = play ] && xdotool key shift
done
after=$(cpu_ticks "$game")
end=$(date +%s.%N)
if [ -n "$perf" ]; then
  kill -INT "$perf"
  wait "$perf" || true
fi
[ -n "$box" ] && echo "a message box opened: the span ends there"
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" \
  'BEGIN { printf "game CPU: %.2f %% of one core (%d ticks of 1/%d s over %.1f s)\n", 100 * t / hz / (e - s), t, hz, e - s }'
