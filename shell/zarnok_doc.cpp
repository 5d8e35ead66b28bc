// zarnok_doc.cpp -- a new document requests a new game.
#include "shell/zarnok_doc.h"

#include "game/progression.h"
#include "shell/shell_texts.h"

bool CZarnokDoc::OnNewDocument(GameWorld& world) {
    RequestNewGame(world);
    title_ = QString::fromUtf8(DocumentTitle);
    return true;
}
