// shipped_data.h -- the data installed with the game, found from the executable, and the move into the game folder.
#pragma once

#include <QString>

class ModalRunner;

// The folder that holds the shipped Data.dat and sounds: ../share/games/zarnok
// from the executable's folder when installed, the executable's own folder in
// a build tree. Any prefix works, and so does a package unpacked anywhere.
QString ShippedDataFolder();

// Makes the game folder the current directory: left as it is when it holds
// a Data.dat, else the player's own folder, seeded or refreshed from the
// shipped file. A folder that cannot be prepared is named in an "Ошибка"
// box, and the game goes on as it does without a Data.dat.
void EnterGameFolder(ModalRunner& modal);
