#!/usr/bin/env bash
# screenshots.sh -- takes the README's screenshots of the running game on
# virtual X servers: on 1280 x 1024 a level in play, the open "Игра" menu and
# the controls dialog; on 3840 x 2160 "800x600", the picture scaled 3 x.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default: build; needs xvfb-run,
# xdotool and imagemagick's import and convert). Writes docs/screenshots/*.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

# Each set of shots runs on an X server of its own size.
if [ -z "${ZARNOK_SHOTS:-}" ]; then
  ZARNOK_SHOTS=window xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$build"
  ZARNOK_SHOTS=scaled xvfb-run -a -s '-screen 0 3840x2160x24' "$0" "$build"
  echo "screenshots in $root/docs/screenshots"
  exit 0
fi

out=$root/docs/screenshots
mkdir -p "$out"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build/bin/Data.dat" "$folder/"
chmod u+w "$folder/Data.dat"
cp "$root"/resources/sounds/*.wav "$folder/"

# A text the game shows, read from the engine's table of texts.
game_text() { sed -n "s/^constexpr char $1\[\] = \"\(.*\)\";\$/\1/p" "$root/game/texts.h"; }

# Waits until a visible window of the game has exactly this title.
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
shot() { import -window root "$out/$1"; }

cd "$folder"
"$build/bin/zarnok" >/dev/null 2>&1 &
game=$!
trap 'kill -TERM $game 2>/dev/null || true; wait $game 2>/dev/null || true; rm -rf "$folder"' EXIT

# The resolution question (no title): the focus is on "Не менять разрешение
# экрана"; Tab moves it to "800x600".
wait_window 'Zarnok'
sleep 0.5
if [ "$ZARNOK_SHOTS" = scaled ]; then xdotool key Tab; fi
xdotool key Return
# The sponsor's word before level 1.
wait_window "$(game_text AdvertCaption)"
sleep 0.3
xdotool key Return

# A few steps to the right, then wait for the swarm and meet it with a burst.
sleep 0.5
xdotool keydown Right; sleep 0.8; xdotool keyup Right
sleep 2.5
xdotool keydown Control; sleep 0.3

if [ "$ZARNOK_SHOTS" = scaled ]; then
  # The whole screen a third of its size, so one game pixel is one pixel of
  # the picture again; and a corner of the HUD as the screen shows it.
  import -window root "$folder/screen.png"
  xdotool keyup Control
  convert "$folder/screen.png" -sample 1280x720 "$out/scaled.png"
  convert "$folder/screen.png" -crop 600x120+1440+1815 +repage "$out/scaled-detail.png"
  exit 0
fi

shot play.png
xdotool keyup Control

# The "Игра" menu, its third item highlighted with its prompt in the status bar.
xdotool mousemove 24 9 click 1
sleep 0.4
xdotool key Down Down Down
sleep 0.4
shot menu.png
xdotool key Escape Escape
sleep 0.3

# "Настройки" -> "Управление": the controls dialog over the paused game.
xdotool mousemove 88 9 click 1
sleep 0.4
xdotool key Down Return
wait_window 'Настройка управления'
sleep 0.4
shot dialog.png
xdotool key Escape
sleep 0.3
