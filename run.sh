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
# of its own. A rebuilt level set replaces the levels but keeps the record.
folder=game-folder
mkdir -p "$folder"
fresh=build/bin/Data.dat
if [ ! -f "$folder/Data.dat" ] || [ "$(stat -c %s "$folder/Data.dat")" -ne 31164 ]; then
  cp "$fresh" "$folder/Data.dat"
elif ! cmp -s -n 31140 "$fresh" "$folder/Data.dat"; then
  { head -c 31140 "$fresh"; tail -c 24 "$folder/Data.dat"; } > "$folder/Data.dat.new"
  mv "$folder/Data.dat.new" "$folder/Data.dat"
fi
chmod u+w "$folder/Data.dat"
for sound in ZARNOKF.wav collect.wav; do
  [ -f "resources/sounds/$sound" ] && cp "resources/sounds/$sound" "$folder/"
done

cd "$folder"
exec ../build/bin/zarnok "$@"
