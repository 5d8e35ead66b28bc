// x11_display.h -- the few things the game asks of an X server directly:
// the keyboard's lock lamps and the screen size (XKB and XRandR). Works on
// Qt's own X connection; everywhere else the answers say "not available".
#pragma once

struct LockLamps {
    bool known = false;  // false: no X server to ask
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockLamps ReadLockLamps();

enum class ScreenSizeResult {
    Done,        // the screen has the size now (or had it already)
    NoX11,       // not on an X server: nothing can be switched
    NoRandr,     // the X server has no resize-and-rotate extension
    NoSuchSize,  // the server offers no mode of that size
    Refused,     // the server turned the request down
};

// The size the screen had before a switch, to give it back.
struct SavedScreenSize {
    bool valid = false;
    int sizeIndex = 0;
    unsigned short rotation = 0;
};

// Asks the X server for a screen of width x height; on a change, `saved`
// receives what to restore.
ScreenSizeResult SetScreenSize(int width, int height, SavedScreenSize& saved);

// Gives the screen back its saved size; clears `saved`.
void RestoreScreenSize(SavedScreenSize& saved);
