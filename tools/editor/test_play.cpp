// test_play.cpp -- a private Data.dat, a fresh world and the game's view for one test game.
#include "tools/editor/test_play.h"

#include <QFile>
#include <QKeyEvent>
#include <QTimer>

#include "game/progression.h"
#include "game/texts.h"
#include "game/world.h"
#include "shell/gamepad_input.h"

namespace editor {

TestPlayView::TestPlayView(GameWorld& world, ModalRunner& modal, std::string dataPath,
                           QWidget* parent)
    : CZarnokView(world, modal, parent), world_(world), dataPath_(std::move(dataPath)) {}

void TestPlayView::End(PlayEnd how) {
    if (ended_) return;
    ended_ = true;
    world_.gameRunning = 0;
    // After the tick under way has finished with the view.
    QTimer::singleShot(0, this, [this, how] { Q_EMIT Ended(how); });
}

MessageAnswer TestPlayView::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageButtons buttons, MessageIcon icon) {
    const bool sponsor = text == std::string_view(SponsorText);
    if (ended_) return MessageAnswer::No;
    if (sponsor && !started_) {
        started_ = true;
        return MessageAnswer::Ok;
    }
    if (sponsor || text == std::string_view(VictoryText)) {
        End(PlayEnd::Goal);
        return MessageAnswer::Ok;
    }
    if (world_.deathCode != DeathNone || text == std::string_view(PlayAgainText)) {
        End(PlayEnd::Died);
        return MessageAnswer::No;
    }
    return CZarnokView::ShowMessage(text, caption, buttons, icon);
}

bool TestPlayView::AskPlayerName(std::string&) { return false; }

void TestPlayView::CloseApplication() { End(PlayEnd::Escaped); }

void TestPlayView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        End(PlayEnd::Escaped);
        return;
    }
    CZarnokView::keyPressEvent(event);
}

TestPlay::TestPlay(const levelsource::LevelRecord& level, ModalRunner& modal, QWidget* parent,
                   std::string& problem) {
    levelsource::DataFile data;
    data.levels.fill(level);
    data.best.score = -1;  // compared unsigned: nothing beats it
    const std::vector<uint8_t> bytes = levelsource::EncodeDataFile(data);
    const QString path = folder_.filePath(QStringLiteral("Data.dat"));
    QFile file(path);
    if (!folder_.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size())) {
        problem = (folder_.isValid() ? file.errorString() : folder_.errorString()).toStdString();
        return;
    }
    file.close();
    world_ = std::make_unique<GameWorld>();
    RequestNewGame(*world_);
    view_ = std::make_unique<TestPlayView>(*world_, modal, QFile::encodeName(path).toStdString(),
                                           parent);
    pads_ = std::make_unique<GamepadInput>(PadTarget{
        *world_, [&modal] { return modal.Depth() > 0; }, [this] { return view_.get(); }, [] {}});
}

TestPlay::~TestPlay() {
    pads_.reset();
    view_.reset();
}

}  // namespace editor
