// host.h -- everything the engine asks of the outside world, in one interface.
//
// The engine never talks to a window system, a sound card or a dialog
// directly. The Qt shell implements Host for the real game; tests and the
// headless runner implement it with scripted answers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Stop, Warning };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// How DrawText paints: colour 0x00RRGGBB, an opaque background box or none,
// and an optional clip rectangle in picture coordinates (right and bottom
// edges excluded). Text is anchored at its left end on the baseline.
struct TextStyle {
    uint32_t colour = 0x000000;
    bool opaqueBackground = false;
    uint32_t background = 0xFFFFFF;
    bool clip = false;
    int32_t clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
};

// The colours of the desktop theme the game borrows for its HUD and for the
// new-game fill: the window background and the window text.
constexpr uint32_t SystemWindowColour = 0xFFFFFF;
constexpr uint32_t SystemWindowTextColour = 0x000000;

// The view's client area. It keeps what was drawn on it between ticks: the
// HUD and the new-game fill rely on that. Coordinates are picture
// coordinates: client pixels shifted by the origin set with SetOrigin.
class ClientSurface {
public:
    virtual ~ClientSurface() = default;

    // Client size in pixels as last reported by the view's resize event.
    virtual int32_t ClientWidth() const = 0;
    virtual int32_t ClientHeight() const = 0;

    // Client pixel at which picture coordinate (0, 0) lies.
    virtual void SetOrigin(int32_t x, int32_t y) = 0;

    // Copies w x h opaque pixels (0x00RRGGBB, top row first) to (x, y).
    virtual void DrawPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t w, int32_t h) = 0;

    // Solid fill of left..right-1 x top..bottom-1.
    virtual void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                          uint32_t colour) = 0;

    // The default pen and brush: a one-pixel black outline around a white
    // inside, covering left..right-1 x top..bottom-1.
    virtual void DrawOutlinedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;

    // UTF-8 text, left end on the baseline at (x, baselineY).
    virtual void DrawText(int32_t x, int32_t baselineY, std::string_view utf8,
                          const TextStyle& style) = 0;
};

class Host {
public:
    virtual ~Host() = default;

    // A modal message box; the game is paused while it is open.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                      MessageButtons buttons, MessageIcon icon) = 0;

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
