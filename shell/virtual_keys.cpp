// virtual_keys.cpp -- Qt key to Windows virtual-key code, a plain lookup.
#include "shell/virtual_keys.h"

#include <QGuiApplication>
#include <QString>

#include <array>

namespace {

// Tables laid out by hand, several entries a line.
// clang-format off
// Codes beyond the few the engine names in key_bindings.h.
enum : int32_t {
    VK_Back = 0x08, VK_Tab = 0x09, VK_Clear = 0x0C, VK_Return_ = 0x0D,
    VK_Shift_ = 0x10, VK_Control_ = 0x11, VK_Menu_ = 0x12, VK_Pause = 0x13, VK_Capital = 0x14,
    VK_Escape_ = 0x1B, VK_Space_ = 0x20, VK_Prior = 0x21, VK_Next = 0x22, VK_End = 0x23,
    VK_Home = 0x24, VK_Left_ = 0x25, VK_Up_ = 0x26, VK_Right_ = 0x27, VK_Down_ = 0x28,
    VK_Snapshot = 0x2C, VK_Insert = 0x2D, VK_Delete = 0x2E, VK_Help = 0x2F,
    VK_0 = 0x30, VK_A = 0x41, VK_LWin = 0x5B, VK_Apps = 0x5D,
    VK_Numpad0 = 0x60, VK_Multiply = 0x6A, VK_Add = 0x6B, VK_Subtract = 0x6D,
    VK_Decimal = 0x6E, VK_Divide = 0x6F, VK_F1 = 0x70, VK_F10 = 0x79,
    VK_Numlock = 0x90, VK_Scroll = 0x91,
    VK_Oem1 = 0xBA,       // ;:
    VK_OemPlus = 0xBB,    // =+
    VK_OemComma = 0xBC,   // ,<
    VK_OemMinus = 0xBD,   // -_
    VK_OemPeriod = 0xBE,  // .>
    VK_Oem2 = 0xBF,       // /?
    VK_Oem3 = 0xC0,       // `~
    VK_Oem4 = 0xDB,       // [{
    VK_Oem5 = 0xDC,       // \|
    VK_Oem6 = 0xDD,       // ]}
    VK_Oem7 = 0xDE,       // '"
};

struct KeyCode {
    int qtKey;
    int32_t vk;
};

// Keys whose code does not depend on the keypad.
constexpr std::array kPlainKeys{
    KeyCode{Qt::Key_Backspace, VK_Back},     KeyCode{Qt::Key_Tab, VK_Tab},
    KeyCode{Qt::Key_Backtab, VK_Tab},        KeyCode{Qt::Key_Clear, VK_Clear},
    KeyCode{Qt::Key_Return, VK_Return_},     KeyCode{Qt::Key_Enter, VK_Return_},
    KeyCode{Qt::Key_Shift, VK_Shift_},       KeyCode{Qt::Key_Control, VK_Control_},
    KeyCode{Qt::Key_Alt, VK_Menu_},          KeyCode{Qt::Key_AltGr, VK_Menu_},
    KeyCode{Qt::Key_Pause, VK_Pause},        KeyCode{Qt::Key_CapsLock, VK_Capital},
    KeyCode{Qt::Key_Escape, VK_Escape_},     KeyCode{Qt::Key_Space, VK_Space_},
    KeyCode{Qt::Key_PageUp, VK_Prior},       KeyCode{Qt::Key_PageDown, VK_Next},
    KeyCode{Qt::Key_End, VK_End},            KeyCode{Qt::Key_Home, VK_Home},
    KeyCode{Qt::Key_Left, VK_Left_},         KeyCode{Qt::Key_Up, VK_Up_},
    KeyCode{Qt::Key_Right, VK_Right_},       KeyCode{Qt::Key_Down, VK_Down_},
    KeyCode{Qt::Key_Print, VK_Snapshot},     KeyCode{Qt::Key_SysReq, VK_Snapshot},
    KeyCode{Qt::Key_Insert, VK_Insert},      KeyCode{Qt::Key_Delete, VK_Delete},
    KeyCode{Qt::Key_Help, VK_Help},          KeyCode{Qt::Key_Meta, VK_LWin},
    KeyCode{Qt::Key_Super_L, VK_LWin},       KeyCode{Qt::Key_Super_R, VK_LWin + 1},
    KeyCode{Qt::Key_Menu, VK_Apps},          KeyCode{Qt::Key_NumLock, VK_Numlock},
    KeyCode{Qt::Key_ScrollLock, VK_Scroll},
    // Punctuation of a US keyboard, shifted or not: Windows names the key.
    KeyCode{Qt::Key_Semicolon, VK_Oem1},     KeyCode{Qt::Key_Colon, VK_Oem1},
    KeyCode{Qt::Key_Equal, VK_OemPlus},      KeyCode{Qt::Key_Plus, VK_OemPlus},
    KeyCode{Qt::Key_Comma, VK_OemComma},     KeyCode{Qt::Key_Less, VK_OemComma},
    KeyCode{Qt::Key_Minus, VK_OemMinus},     KeyCode{Qt::Key_Underscore, VK_OemMinus},
    KeyCode{Qt::Key_Period, VK_OemPeriod},   KeyCode{Qt::Key_Greater, VK_OemPeriod},
    KeyCode{Qt::Key_Slash, VK_Oem2},         KeyCode{Qt::Key_Question, VK_Oem2},
    KeyCode{Qt::Key_QuoteLeft, VK_Oem3},     KeyCode{Qt::Key_AsciiTilde, VK_Oem3},
    KeyCode{Qt::Key_BracketLeft, VK_Oem4},   KeyCode{Qt::Key_BraceLeft, VK_Oem4},
    KeyCode{Qt::Key_Backslash, VK_Oem5},     KeyCode{Qt::Key_Bar, VK_Oem5},
    KeyCode{Qt::Key_BracketRight, VK_Oem6},  KeyCode{Qt::Key_BraceRight, VK_Oem6},
    KeyCode{Qt::Key_Apostrophe, VK_Oem7},    KeyCode{Qt::Key_QuoteDbl, VK_Oem7},
    // Shifted digits keep the digit's code.
    KeyCode{Qt::Key_Exclam, VK_0 + 1},       KeyCode{Qt::Key_At, VK_0 + 2},
    KeyCode{Qt::Key_NumberSign, VK_0 + 3},   KeyCode{Qt::Key_Dollar, VK_0 + 4},
    KeyCode{Qt::Key_Percent, VK_0 + 5},      KeyCode{Qt::Key_AsciiCircum, VK_0 + 6},
    KeyCode{Qt::Key_Ampersand, VK_0 + 7},    KeyCode{Qt::Key_Asterisk, VK_0 + 8},
    KeyCode{Qt::Key_ParenLeft, VK_0 + 9},    KeyCode{Qt::Key_ParenRight, VK_0},
};

// The keypad's own codes, for keys that arrive with the keypad modifier.
constexpr std::array kKeypadKeys{
    KeyCode{Qt::Key_Asterisk, VK_Multiply}, KeyCode{Qt::Key_Plus, VK_Add},
    KeyCode{Qt::Key_Minus, VK_Subtract},    KeyCode{Qt::Key_Period, VK_Decimal},
    KeyCode{Qt::Key_Comma, VK_Decimal},     KeyCode{Qt::Key_Slash, VK_Divide},
};

// xkb keycodes (evdev + 8) of the main block of a PC keyboard, for layouts
// whose letters Qt reports as characters without a Qt key of their own.
struct ScanCode {
    uint32_t code;
    int32_t vk;
};

constexpr ScanCode kScanCodes[] = {
    {10, VK_0 + 1}, {11, VK_0 + 2}, {12, VK_0 + 3}, {13, VK_0 + 4},
    {14, VK_0 + 5}, {15, VK_0 + 6}, {16, VK_0 + 7}, {17, VK_0 + 8}, {18, VK_0 + 9}, {19, VK_0},
    {20, VK_OemMinus}, {21, VK_OemPlus},
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'}, {31, 'I'},
    {32, 'O'}, {33, 'P'}, {34, VK_Oem4}, {35, VK_Oem6},
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'},
    {46, 'L'}, {47, VK_Oem1}, {48, VK_Oem7}, {49, VK_Oem3}, {51, VK_Oem5},
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'},
    {59, VK_OemComma}, {60, VK_OemPeriod}, {61, VK_Oem2},
};
// clang-format on

template <typename Table>
int32_t Lookup(const Table& table, int qtKey) {
    for (const auto& entry : table)
        if (entry.qtKey == qtKey) return entry.vk;
    return 0;
}

}  // namespace

int32_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers, uint32_t scanCode,
                         bool scanCodesAreXkb) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_Numpad0 + (qtKey - Qt::Key_0);
        if (const int32_t vk = Lookup(kKeypadKeys, qtKey)) return vk;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return VK_A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
    if (const int32_t vk = Lookup(kPlainKeys, qtKey)) return vk;

    if (scanCodesAreXkb) {
        for (const auto& [code, vk] : kScanCodes)
            if (code == scanCode) return vk;
    }
    return 0;
}

bool IsSystemKey(int32_t virtualKey, Qt::KeyboardModifiers modifiers) {
    return virtualKey == VK_Menu_ || virtualKey == VK_F10 || modifiers.testFlag(Qt::AltModifier);
}

bool PlatformHasXkbScanCodes() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}
