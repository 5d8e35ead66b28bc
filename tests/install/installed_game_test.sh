#!/usr/bin/env bash
# installed_game_test.sh -- the installed game, away from the source tree:
# started from a folder without Data.dat, it seeds the player's folder from
# its shipped file; after an update with other levels it takes them and keeps
# the player's record.
#
# Usage: installed_game_test.sh --install BUILD_DIR   (cmake --install into a staging prefix)
#        installed_game_test.sh --deb PACKAGE.deb     (the package unpacked into a folder)
set -euo pipefail

work=$(mktemp -d)
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
  exit 1
}

case "${1:-}" in
  --install) cmake --install "$2" --prefix "$work/usr" >/dev/null; prefix=$work/usr ;;
  --deb) dpkg-deb -x "$2" "$work/root"; prefix=$work/root/usr ;;
  *) echo "usage: $0 --install BUILD_DIR | --deb PACKAGE.deb" >&2; exit 2 ;;
esac

game=$prefix/games/zarnok
level_tool=$prefix/games/zarnok-level
shipped=$prefix/share/games/zarnok/Data.dat
for file in "$game" "$level_tool"; do [ -x "$file" ] || fail "$file is not installed"; done
for file in "$shipped" "$prefix/share/games/zarnok/ZARNOKF.wav" "$prefix/share/games/zarnok/collect.wav"; do
  [ -f "$file" ] || fail "$file is not installed"
done

export HOME=$work/home XDG_DATA_HOME=$work/home/data QT_QPA_PLATFORM=offscreen
folder=$XDG_DATA_HOME/zarnok
player=$folder/Data.dat
mkdir -p "$HOME" "$work/start"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --version | head -n 1)
[ "$version" = "Zarnok 1.4" ] || fail "--version said '$version'"

# Starts the game in an empty folder, waits until it has moved into the
# player's folder and is still running a second later (at its first
# question), then ends it with SIGTERM, which it must take as a normal exit.
play_once() {
  (cd "$work/start" && exec "$game") >"$work/game.log" 2>&1 &
  game_pid=$!
  local settled=
  for _ in $(seq 150); do
    if [ "$(readlink "/proc/$game_pid/cwd" 2>/dev/null)" = "$folder" ]; then settled=1; break; fi
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$settled" ] || fail "the game did not settle in $folder"
  sleep 1
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
  kill -TERM "$game_pid"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" -eq 0 ] || fail "the game exited with status $status on SIGTERM"
  [ -z "$(ls -A "$work/start")" ] || fail "the game wrote into the folder it was started from"
  [ "$(ls -A "$folder" | tr '\n' ' ')" = "Data.dat shipped-levels " ] ||
    fail "the player's folder holds $(ls -A "$folder")"
}

# First start: the player's folder is made and seeded with the shipped file.
play_once
cmp -s "$player" "$shipped" || fail "the player's Data.dat is not the shipped one"

# The player sets a record: score 12345 and a name, the file's last 24 bytes.
record_at=31140
{ printf '\x39\x30\x00\x00Tester'; head -c 14 /dev/zero; } >"$work/record"
dd if="$work/record" of="$player" bs=1 seek=$record_at conv=notrunc status=none

# An update brings another level set: the installed level tool takes the
# shipped file apart and builds it again with the first two levels swapped.
"$level_tool" decompile "$shipped" "$work/levels" >/dev/null
"$level_tool" compile -o "$shipped" "$work/levels"/level{2,1,3,4,5,6}.txt "$work/levels/best.txt" \
  >/dev/null
cmp -s <(head -c $record_at "$shipped") <(head -c $record_at "$player") &&
  fail "the new level set is the same as the old one"

play_once
cmp -s <(head -c $record_at "$player") <(head -c $record_at "$shipped") ||
  fail "the player's levels were not refreshed"
cmp -s <(tail -c +$((record_at + 1)) "$player") "$work/record" || fail "the player's record was lost"

# A level maker installs levels of his own (the first three swapped): the
# game's next start leaves them there, record and all.
"$level_tool" compile -o "$work/own.dat" "$work/levels"/level{3,2,1,4,5,6}.txt "$work/levels/best.txt" \
  >/dev/null
"$level_tool" install "$work/own.dat" "$folder" || fail "the level tool did not install"
play_once
cmp -s <(head -c $record_at "$player") <(head -c $record_at "$work/own.dat") ||
  fail "the game's start undid the maker's levels"
cmp -s <(tail -c +$((record_at + 1)) "$player") "$work/record" || fail "the player's record was lost"
echo "installed game: seeded, ran, refreshed the levels, kept the record and a maker's levels"
