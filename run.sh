#!/usr/bin/env bash
# Installs what is missing, builds the game, prepares its folder and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
zarnok_install_missing "${zarnok_packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zarnok zarnok_data

# The game reads Data.dat and its two sounds from the current directory and
# writes the best player back into Data.dat, so it runs in a writable folder
# of its own. A rebuilt level set replaces the levels but keeps the record,
# the same way the installed game updates the player's folder.
folder=game-folder
build/bin/zarnok-level install build/bin/Data.dat "$folder"
for sound in ZARNOKF.wav collect.wav; do
  [ -f "resources/sounds/$sound" ] && cp "resources/sounds/$sound" "$folder/"
done

cd "$folder"
exec ../build/bin/zarnok "$@"
