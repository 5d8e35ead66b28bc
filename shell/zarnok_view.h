// zarnok_view.h -- the game view: the window's drawing surface, its keyboard
// target and the game's host. Its timer runs the game while it has the
// keyboard focus; every modal window of the game is run through it, so the
// game stands still while one is open.
#pragma once

#include <QBasicTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "game/host.h"
#include "render/renderer.h"
#include "shell/block_scaler.h"
#include "shell/image_surface.h"
#include "shell/sound_player.h"

struct GameWorld;
class JournalRecorder;
class ModalRunner;
class ReplayPlayer;
class GameMessageBox;
class QDialog;

class CZarnokView : public QWidget, public Host {
    Q_OBJECT
public:
    static constexpr int TickPeriodMs = 50;      // timer 1: one game tick
    static constexpr int SoundStopDelayMs = 50;  // timer 2: the firing sound's stop

    CZarnokView(GameWorld& world, ModalRunner& modal, QWidget* parent = nullptr);

    // Runs a dialog or message box modally with the game paused: the tick
    // timer stops before it opens and starts again after it closes if the
    // view has the focus then.
    int RunModal(QDialog& dialog);

    // "800x600": the game draws on an 800 x 600 surface of game pixels and
    // its picture and HUD block is scaled to fill the view. Off: one game
    // pixel per logical pixel of the view, as the screen is.
    void SetVirtualDisplay(bool on);
    bool VirtualDisplay() const { return virtualDisplay_; }

    // Where the picture and HUD block is shown, in logical pixels of the
    // view, and with the virtual display how it is scaled.
    QRect ShownBlock() const;
    BlockFit ScaledFit() const;

    // Every key event, tick and answer goes into the journal; null: none.
    void SetRecorder(JournalRecorder* recorder) { recorder_ = recorder; }

    // Plays `player` instead of the game: its events and answers, on the
    // level file at `dataPath`, and no key reaches the game; a held key plays
    // PlaybackFastFactor ticks a step. `stepped` runs after every step. A null
    // player gives the game back, on "Data.dat".
    static constexpr int PlaybackFastFactor = 4;
    void SetPlayer(ReplayPlayer* player, std::string dataPath,
                   std::function<void()> stepped = {});
    bool Playing() const { return player_ != nullptr; }
    // What makes and shows the world's frames in this view.
    Renderer& FrameRenderer() { return renderer_; }
    // What each expiry of the timer does during playback.
    void StepPlayback();

    // A key event for the game, from the keyboard or a pad: journaled, then
    // dispatched. Nothing happens during playback.
    void DeliverKey(bool down, int32_t key);

    bool TickTimerActive() const { return tickTimer_.isActive(); }
    bool SoundStopTimerActive() const { return soundStopTimer_.isActive(); }
    ImageSurface& Surface() { return surface_; }
    SoundPlayer& Sound() { return sound_; }

    // --- Host ---------------------------------------------------------------
    MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
    std::string Translate(std::string_view source) override;
    bool AskPlayerName(std::string& utf8Name) override;
    void PlayFiringLoop() override;
    void StopSound() override;
    void RestartChime() override;
    void StartSoundStopTimer() override;
    void StopSoundStopTimer() override;
    int32_t DisplayBitsPerPixel() override;
    void CloseApplication() override;
    ClientSurface& BeginDrawing() override;
    void EndDrawing() override;
    std::string DataFilePath() override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void StartTickTimer();
    void OnTickTimer();
    int32_t KeyCode(const QKeyEvent& event) const;
    bool TakeKey(QKeyEvent& event, bool down);
    QRect FaithfulBlock(int width, int height) const;
    QRect SurfaceBlock() const;
    QRect ShownRect(const QRect& inBlock, const BlockFit& fit) const;
    void UpdateChangedBlock();
    MessageAnswer PlayedMessage(GameMessageBox& box, MessageButtons buttons);
    bool PlayedName(std::string& utf8Name);
    bool Unseen() const;

    GameWorld& world_;
    Renderer renderer_;
    ModalRunner& modal_;
    ImageSurface surface_;
    BlockScaler scaler_;
    bool virtualDisplay_ = false;
    SoundPlayer sound_;
    QBasicTimer tickTimer_;
    QBasicTimer soundStopTimer_;
    bool inTick_ = false;
    JournalRecorder* recorder_ = nullptr;
    ReplayPlayer* player_ = nullptr;
    std::function<void()> playerStepped_;
    bool fastPlayback_ = false;
    std::string dataFilePath_ = "Data.dat";
    // Origins of the drawing contexts still open around the current one.
    std::vector<std::pair<int32_t, int32_t>> openOrigins_;
};

// Bits per pixel of a picture the presentation path can show on a screen of
// `screenDepth` bits (0: no screen). The picture is a 32-bit image that Qt
// converts for any screen it can drive.
int32_t PresentableBitsPerPixel(int screenDepth);
