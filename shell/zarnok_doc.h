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

    QString Title() const { return title_; }

private:
    QString title_;
};
