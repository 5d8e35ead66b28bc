// test_play.h -- the level played in the game's own view, inside the editor.
//
// The level goes into a private Data.dat in a temporary folder, in every
// slot, with a best score no game can reach: the game never asks for a name
// and never writes a record, and no Data.dat of the player's is read or
// written. The first level's sponsor box is skipped; the death box, the next
// level's box or Esc ends the game and hands the editor back.
#pragma once

#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

#include "shell/modal.h"
#include "shell/zarnok_view.h"
#include "tools/level/level_source.h"

struct GameWorld;
class GamepadInput;

namespace editor {

// How a test game ended.
enum class PlayEnd { Died, Goal, Escaped };

class TestPlayView : public CZarnokView {
    Q_OBJECT
public:
    TestPlayView(GameWorld& world, ModalRunner& modal, std::string dataPath, QWidget* parent);

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
    bool AskPlayerName(std::string& utf8Name) override;
    void CloseApplication() override;
    std::string DataFilePath() override { return dataPath_; }

Q_SIGNALS:
    void Ended(editor::PlayEnd how);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void End(PlayEnd how);

    GameWorld& world_;
    std::string dataPath_;
    bool started_ = false;
    bool ended_ = false;
};

// One test game: its world, its folder, its view and the pads.
class TestPlay {
public:
    // Writes the private level file. Empty `problem` on success.
    TestPlay(const levelsource::LevelRecord& level, ModalRunner& modal, QWidget* parent,
             std::string& problem);
    ~TestPlay();

    TestPlayView* View() const { return view_.get(); }
    GameWorld& World() { return *world_; }

private:
    QTemporaryDir folder_;
    std::unique_ptr<GameWorld> world_;
    std::unique_ptr<TestPlayView> view_;
    std::unique_ptr<GamepadInput> pads_;
};

}  // namespace editor
