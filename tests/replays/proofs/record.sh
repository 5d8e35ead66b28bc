#!/usr/bin/env bash
# Plays every route here again and rewrites the replays the level proofs run
# (tests/sim_level_proofs_test.cpp). Run it after a game rule has changed:
#   tests/replays/proofs/record.sh [BUILD_DIR]      (default: build)
# levelN.route and levelN-WORD.route start the game in level N; full-game.txt
# plays level1.route .. level6.route one after another to the victory.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$root/$build
autoplay=$build/bin/zarnok-autoplay
data=$build/bin/Data.dat
cmake --build "$build" --target zarnok-autoplay zarnok_data >/dev/null

status=0
for route in "$here"/level*.route; do
  name=$(basename "$route" .route)
  level=${name#level}
  level=${level%%-*}
  echo "== $name"
  "$autoplay" --data "$data" --first-level "$level" --out "$here/$name.txt" "$route" || status=1
done
echo "== full-game"
"$autoplay" --data "$data" --out "$here/full-game.txt" --name "Сержант Автопилот" \
  "$here"/level{1,2,3,4,5,6}.route || status=1
exit $status
