// zarnok_doc.cpp -- a new document requests a new game.
#include "shell/zarnok_doc.h"

#include "game/progression.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

bool CZarnokDoc::OnNewDocument(GameWorld& world) {
    RequestNewGame(world);
    titled_ = true;
    return true;
}

QString CZarnokDoc::Title() const { return titled_ ? ShellText(DocumentTitle) : QString(); }
