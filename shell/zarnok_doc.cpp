// zarnok_doc.cpp -- a new document requests a new game.
#include "shell/zarnok_doc.h"

#include "game/progression.h"

bool CZarnokDoc::OnNewDocument(GameWorld& world) {
    RequestNewGame(world);
    title_ = QStringLiteral("Игра");
    return true;
}
