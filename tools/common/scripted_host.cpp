// scripted_host.cpp -- scripted answers and a record of everything the engine asked.
#include "tools/common/scripted_host.h"

ScriptedHost::ScriptedHost()
    : ownSurface_(std::make_unique<RecordingSurface>()), surface_(ownSurface_.get()) {}

ScriptedHost::ScriptedHost(ClientSurface& surface) : surface_(&surface) {}

void ScriptedHost::Answer(ScriptedAnswer::Kind kind, std::string name) {
    answers.push_back({kind, std::move(name)});
}

bool ScriptedHost::NextAnswer(ScriptedAnswer& answer) {
    if (answers.empty()) return false;
    answer = answers.front();
    answers.pop_front();
    return true;
}

// A box with only OK can be answered one way; a question takes yes or no and
// counts anything else, or a script run dry, as No.
MessageAnswer ScriptedHost::ShowMessage(std::string_view text, std::string_view caption,
                                        MessageButtons buttons, MessageIcon icon) {
    ScriptedAnswer scripted;
    bool have = NextAnswer(scripted);
    MessageAnswer answer = MessageAnswer::Ok;
    if (buttons == MessageButtons::YesNo)
        answer = have && scripted.kind == ScriptedAnswer::Yes ? MessageAnswer::Yes
                                                              : MessageAnswer::No;
    messages.push_back({std::string(caption), std::string(text), buttons, icon, answer});
    ScriptedAnswer given{answer == MessageAnswer::Yes  ? ScriptedAnswer::Yes
                         : answer == MessageAnswer::No ? ScriptedAnswer::No
                                                       : ScriptedAnswer::Ok,
                         {}};
    answersGiven.push_back(given);
    log.push_back("message " + std::string(caption));
    return answer;
}

// The name dialog: "name TEXT" confirms TEXT, cancel closes it, ok (or no
// answer left) confirms the empty field.
bool ScriptedHost::AskPlayerName(std::string& utf8Name) {
    ++nameDialogs;
    ScriptedAnswer scripted;
    bool have = NextAnswer(scripted);
    log.push_back("name dialog");
    if (have && (scripted.kind == ScriptedAnswer::Cancel || scripted.kind == ScriptedAnswer::No)) {
        answersGiven.push_back({ScriptedAnswer::Cancel, {}});
        return false;
    }
    utf8Name = have && scripted.kind == ScriptedAnswer::Name ? scripted.name : std::string();
    answersGiven.push_back({ScriptedAnswer::Name, utf8Name});
    return true;
}

void ScriptedHost::PlayFiringLoop() {
    ++firingLoopStarts;
    log.push_back("firing loop");
}

void ScriptedHost::StopSound() {
    ++soundStops;
    log.push_back("stop sound");
}

void ScriptedHost::RestartChime() {
    ++chimes;
    log.push_back("chime");
}

void ScriptedHost::StartSoundStopTimer() {
    ++stopTimerStarts;
    stopTimerRunning = true;
    log.push_back("start timer 2");
}

void ScriptedHost::StopSoundStopTimer() {
    ++stopTimerStops;
    stopTimerRunning = false;
    log.push_back("stop timer 2");
}

int32_t ScriptedHost::DisplayBitsPerPixel() { return bitsPerPixel; }

void ScriptedHost::CloseApplication() {
    applicationClosed = true;
    log.push_back("close application");
}

ClientSurface& ScriptedHost::BeginDrawing() {
    ++drawingsBegun;
    surface_->SetOrigin(0, 0);
    return *surface_;
}

void ScriptedHost::EndDrawing() { ++drawingsEnded; }

std::string ScriptedHost::DataFilePath() { return dataFilePath; }
