// zarnok_doc.h -- the game's document: it holds nothing and is never saved;
// a new document is how a new game is asked for.
#pragma once

#include <QString>

struct GameWorld;

class CZarnokDoc {
public:
    // The new-document step: the game stops and asks the next tick for a
    // new game. Start-up and "Новая" both come here.
    bool OnNewDocument(GameWorld& world);

    // The document's title in the language in use; empty before the first.
    QString Title() const;

private:
    bool titled_ = false;
};
