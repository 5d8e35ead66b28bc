// host.h -- everything the engine asks of the outside world, in one interface.
//
// The engine never talks to a window system, a sound card or a dialog
// directly. The Qt shell implements Host for the real game; tests and the
// headless runner implement it with scripted answers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/client_surface.h"

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Stop, Warning };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Host {
public:
    virtual ~Host() = default;

    // A modal message box; the game is paused while it is open. The engine
    // passes its texts as game/texts.h has them, in Russian; the host shows
    // them in the player's language.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                      MessageButtons buttons, MessageIcon icon) = 0;

    // A text of game/texts.h with placeholders (%1, %2), in the player's
    // language, for the engine to fill in before it shows it. Without a
    // translation the Russian source comes back.
    virtual std::string Translate(std::string_view source) { return std::string(source); }

    // The name-entry dialog, opened with an empty name. Returns true and the
    // entered name (UTF-8, at most 20 characters) when the player confirms;
    // false when the dialog is closed any other way.
    virtual bool AskPlayerName(std::string& utf8Name) = 0;

    // Sound. The firing loop ("ZARNOKF.wav") leaves an already running loop
    // alone; StopSound ends whatever plays; the chime ("collect.wav")
    // restarts from its beginning. Missing files or devices are silent.
    virtual void PlayFiringLoop() = 0;
    virtual void StopSound() = 0;
    virtual void RestartChime() = 0;
    // Timer 2 of the view: one 50 ms expiry later OnSoundStopTimer runs.
    virtual void StartSoundStopTimer() = 0;
    virtual void StopSoundStopTimer() = 0;

    // Colour depth the picture can be shown at, in bits per pixel.
    virtual int32_t DisplayBitsPerPixel() = 0;

    // Close every document and end the program.
    virtual void CloseApplication() = 0;

    // Drawing context for the view's client area, held for one operation;
    // each BeginDrawing starts with the origin at client pixel (0, 0).
    virtual ClientSurface& BeginDrawing() = 0;
    virtual void EndDrawing() = 0;

    // Path of the level file "Data.dat" (in the game's folder).
    virtual std::string DataFilePath() = 0;
};

// One drawing operation on the view: BeginDrawing when made, EndDrawing when
// it goes out of scope, on every way out of the function that holds it.
class DrawingScope {
public:
    explicit DrawingScope(Host& host) : host_(host), surface_(host.BeginDrawing()) {}
    ~DrawingScope() { host_.EndDrawing(); }
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

    ClientSurface& Surface() const { return surface_; }

private:
    Host& host_;
    ClientSurface& surface_;
};
