// scripted_host.h -- a Host that answers from a script and records every call.
//
// Tests and the headless runner use it in place of the Qt shell: message
// boxes and the name dialog take their answers from a queue, sounds and
// timers are counted, drawing goes to a RecordingSurface or any other
// ClientSurface.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/journal.h"
#include "tools/common/recording_surface.h"

// One answer of the script, used by the next modal box or dialog.
using ScriptedAnswer = JournalAnswer;

// A modal box as it was shown.
struct ShownMessage {
    std::string caption;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageAnswer answer = MessageAnswer::Ok;
};

class ScriptedHost : public Host {
public:
    ScriptedHost();
    explicit ScriptedHost(ClientSurface& surface);

    // --- script -----------------------------------------------------------
    std::deque<ScriptedAnswer> answers;  // consumed in order
    int32_t bitsPerPixel = 32;
    std::string dataFilePath = "Data.dat";

    // --- record -----------------------------------------------------------
    std::vector<ShownMessage> messages;
    std::vector<ScriptedAnswer> answersGiven;  // every modal answer, in order
    int nameDialogs = 0;
    int firingLoopStarts = 0;
    int soundStops = 0;
    int chimes = 0;
    int stopTimerStarts = 0;
    int stopTimerStops = 0;
    bool stopTimerRunning = false;
    bool applicationClosed = false;
    int drawingsBegun = 0;
    int drawingsEnded = 0;

    // Every call in order, one short line each ("message " + caption, "chime", ...).
    std::vector<std::string> log;

    void Answer(ScriptedAnswer::Kind kind, std::string name = {});
    ClientSurface& Surface() { return *surface_; }

    // --- Host ---------------------------------------------------------------
    MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
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

private:
    bool NextAnswer(ScriptedAnswer& answer);

    // Only a host made without a surface has one of its own: a client area
    // is megabytes to clear, and the fuzzers make a host for every input.
    std::unique_ptr<RecordingSurface> ownSurface_;
    ClientSurface* surface_;
};
