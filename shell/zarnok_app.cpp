// zarnok_app.cpp -- start-up and the menu's commands.
#include "shell/zarnok_app.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>

#include <array>
#include <optional>
#include <utility>

#include "game/journal.h"
#include "game/level_file.h"
#include "game/sound.h"
#include "game/texts.h"
#include "game/world.h"
#include "shell/about_dlg.h"
#include "shell/controls_dlg.h"
#include "shell/gamepad_input.h"
#include "shell/language.h"
#include "shell/journal_recorder.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"
#include "shell/replay_player.h"
#include "shell/shell_texts.h"
#include "shell/zarnok_view.h"

CZarnokApp::CZarnokApp()
    : world_(std::make_unique<GameWorld>()),
      controlsDlg_(std::make_unique<CControlsDlg>(*world_)),
      gamepad_(std::make_unique<GamepadInput>(PadTarget{
          *world_, [this] { return modal_.Depth() > 0; },
          [this] { return frame_ ? &frame_->View() : nullptr; }, [this] { OnPause(); }})) {}

// The frame goes first: it gives the screen back before the world goes, and
// its sound is done with SDL before the pads let go of SDL's events.
CZarnokApp::~CZarnokApp() {
    if (player_) StopPlayback();
    recorder_.reset();  // the last game's journal is finished with the world it saw
    frame_.reset();
    gamepad_.reset();
}

bool CZarnokApp::InitInstance() {
    QApplication::setApplicationName(GameText(GameTitle));
    // Wayland compositors find the installed desktop entry, and its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarnok.Zarnok"));
    QApplication::setWindowIcon(ApplicationIcon());

    frame_ = std::make_unique<CMainFrame>(*world_, modal_);
    ConnectCommands();
    if (!frame_->Create(allowModeSwitch_)) return false;
    OnFileNew();
    StartJournal();
    frame_->ShowMaximised();
    if (!playOnStart_.isEmpty()) StartPlayback(playOnStart_);
    return true;
}

// The journal of the window's games, from the Data.dat it starts on.
void CZarnokApp::StartJournal() {
    const DataFileFacts facts = ReadDataFileFacts("Data.dat").value_or(DataFileFacts{});
    recorder_ = std::make_unique<JournalRecorder>(*world_, QStringLiteral("replays"), facts,
                                                  ZARNOK_VERSION);
    recorder_->OnFailure([this](const QString& why) {
        if (frame_) frame_->ShowStatus(why);
    });
    // The record is in the file when it holds this game's score and name.
    recorder_->KeepRecordJournal(QString::fromUtf8(RecordJournalFileName), [this] {
        const std::optional<DataFileFacts> now = ReadDataFileFacts("Data.dat");
        if (!now || !now->record) return false;
        std::array<uint8_t, JournalRecordBytes> expected{};
        const auto score = static_cast<uint32_t>(world_->score);
        for (int i = 0; i < 4; ++i) expected[size_t(i)] = uint8_t(score >> (8 * i));
        for (size_t i = 0; i < size_t(BestNameLength); ++i)
            expected[4 + i] = i < world_->playerName.size() ? uint8_t(world_->playerName[i]) : ' ';
        return *now->record == expected;
    });
    frame_->View().SetRecorder(recorder_.get());
    recorder_->BeginGame();
}

// The menu's command map: each item's id and the handler it runs.
void CZarnokApp::ConnectCommands() {
    using Handler = void (CZarnokApp::*)();
    const std::pair<int, Handler> commands[] = {
        {ID_FILE_NEW, &CZarnokApp::OnNewGame},       {ID_GAME_PAUSE, &CZarnokApp::OnPause},
        {ID_BEST_PLAYER, &CZarnokApp::OnBestPlayer}, {ID_APP_EXIT, &CZarnokApp::OnAppExit},
        {ID_CONTROLS, &CZarnokApp::OnControls},      {ID_SOUNDS, &CZarnokApp::OnSounds},
        {ID_APP_ABOUT, &CZarnokApp::OnAppAbout},     {ID_WATCH, &CZarnokApp::OnWatch},
        {ID_WATCH_RECORD, &CZarnokApp::OnWatchRecord},
    };
    for (const auto& [id, handler] : commands)
        QObject::connect(frame_->Command(id), &QAction::triggered, frame_.get(),
                         [this, handler = handler] { (this->*handler)(); });
    for (const Language language : {Language::Russian, Language::English})
        QObject::connect(
            frame_->Command(language == Language::English ? ID_LANGUAGE_EN : ID_LANGUAGE_RU),
            &QAction::triggered, frame_.get(), [this, language] { OnLanguage(language); });
    frame_->CheckLanguage(language_.Current() == Language::English);
    // The record's game can be watched once there is one.
    QObject::connect(frame_->Menu(0), &QMenu::aboutToShow, frame_.get(), [this] {
        frame_->Command(ID_WATCH_RECORD)
            ->setEnabled(QFile::exists(QString::fromUtf8(RecordJournalFileName)));
    });
}

bool CZarnokApp::UseLanguage(Language language) {
    if (!language_.Use(language)) return false;
    if (frame_) {
        frame_->CheckLanguage(language == Language::English);
        frame_->UpdateTitle(doc_.Title());
    }
    return true;
}

void CZarnokApp::OnLanguage(Language language) {
    if (UseLanguage(language)) RememberLanguage(language);
}

// "Новая" ends the game and its journal; the new game gets a journal of its
// own. A replay being watched gives the game back first.
void CZarnokApp::OnNewGame() {
    if (player_) StopPlayback();
    if (recorder_) {
        recorder_->EndGame();
        recorder_->Event({0, true, 0, JournalEventKind::NewGame});
    }
    OnFileNew();
    if (recorder_) recorder_->BeginGame();
}

void CZarnokApp::OnFileNew() {
    if (doc_.OnNewDocument(*world_) && frame_) frame_->UpdateTitle(doc_.Title());
}

void CZarnokApp::OnAppExit() {
    if (frame_) frame_->close();
}

void CZarnokApp::OnPause() {
    if (!frame_) return;
    QWidget* owner = QApplication::activeWindow() != nullptr ? QApplication::activeWindow()
                                                             : frame_.get();
    GameMessageBox box(ShellText(PausedText), ShellText(PauseText), MessageButtons::Ok,
                       MessageIcon::None, owner);
    frame_->View().RunModal(box);
}

// The commands that change the world are the game's own: a replay being
// watched leaves them alone.
void CZarnokApp::OnBestPlayer() {
    if (!frame_ || player_) return;
    if (recorder_) recorder_->Event({0, true, 0, JournalEventKind::BestPlayer});
    ShowBestPlayer(*world_, frame_->View());
}

// Controls dialog, and after each button the key capture and the controls
// dialog again, until the player leaves it with OK, Escape or the close box.
// Each pick and each stored key is journaled at the tick it came before.
void CZarnokApp::OnControls() {
    if (!frame_ || player_) return;
    CZarnokView& view = frame_->View();
    for (;;) {
        view.RunModal(*controlsDlg_);
        if (!controlsDlg_->TakeCaptureRequest()) break;
        const uint8_t action = world_->selectedAction;
        CPressKeyDlg capture(*world_, frame_.get());
        view.RunModal(capture);
        if (recorder_)
            recorder_->Event({0, true, capture.Stored() ? capture.StoredKey() : 0,
                              capture.Stored() ? JournalEventKind::Bind : JournalEventKind::Select,
                              action});
    }
}

void CZarnokApp::OnSounds() {
    if (player_) return;
    if (recorder_) recorder_->Event({0, true, 0, JournalEventKind::Sound});
    ToggleSound(*world_);
    if (frame_) frame_->UpdateSoundCheck();
}

void CZarnokApp::OnAppAbout() {
    if (!frame_) return;
    CAboutDlg about(frame_.get());
    frame_->View().RunModal(about);
}

// ---------------------------------------------------------------------------
// Watching journals
// ---------------------------------------------------------------------------
void CZarnokApp::OnWatch() {
    if (!frame_) return;
    QFileDialog dialog(frame_.get(), ShellText(WatchDialogTitle), QStringLiteral("replays"),
                       ShellText(WatchFilterText));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (frame_->View().RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    StartPlayback(dialog.selectedFiles().front());
}

void CZarnokApp::OnWatchRecord() { StartPlayback(QString::fromUtf8(RecordJournalFileName)); }

// The journal plays on a copy of Data.dat holding the record it was played
// against, so that its game over goes as it went and the player's file is
// never written.
bool CZarnokApp::MakePlaybackData(const ReplayJournal& journal) {
    playbackData_ = std::make_unique<QTemporaryDir>();
    const QString copy = playbackData_->filePath(QStringLiteral("Data.dat"));
    if (!playbackData_->isValid() || !QFile::copy(QStringLiteral("Data.dat"), copy)) return false;
    QFile file(copy);
    if (!file.open(QIODevice::ReadWrite)) return false;
    if (journal.header.record) {
        if (file.size() < BestScoreOffset + qint64(JournalRecordBytes) ||
            !file.seek(BestScoreOffset))
            return false;
        const auto* bytes = reinterpret_cast<const char*>(journal.header.record->data());
        if (file.write(bytes, qint64(JournalRecordBytes)) != qint64(JournalRecordBytes))
            return false;
    }
    return file.flush();
}

bool CZarnokApp::StartPlayback(const QString& path) {
    if (!frame_) return false;
    ReplayJournal journal;
    QString error;
    if (!LoadJournalForPlayback(path, "Data.dat", journal, error) || !MakePlaybackData(journal)) {
        if (error.isEmpty()) error = ShellText(ReplayNoDataText);
        GameMessageBox box(error, ShellText(ReplayRefusedCaption), MessageButtons::Ok,
                           MessageIcon::Warning, frame_.get());
        frame_->View().RunModal(box);
        return false;
    }
    CZarnokView& view = frame_->View();
    if (!waitingGame_) waitingGame_ = std::make_unique<GameWorld>(*world_);
    view.SetPlayer(nullptr, "Data.dat");
    player_ = std::make_unique<ReplayPlayer>(*world_, view, view.FrameRenderer(), std::move(journal));
    view.SetPlayer(player_.get(),
                   playbackData_->filePath(QStringLiteral("Data.dat")).toStdString(),
                   [this] { ShowPlaybackStatus(); });
    ShowPlaybackStatus();
    return true;
}

// The game that waited comes back as it was; its journal goes on.
void CZarnokApp::StopPlayback() {
    if (frame_) frame_->View().SetPlayer(nullptr, "Data.dat");
    player_.reset();
    playbackData_.reset();
    if (waitingGame_) *world_ = std::move(*waitingGame_);
    waitingGame_.reset();
    if (frame_) frame_->ShowStatus(QString::fromUtf8(IdlePromptText));
}

void CZarnokApp::ShowPlaybackStatus() {
    if (frame_ && player_) frame_->ShowStatus(player_->StatusText());
}
