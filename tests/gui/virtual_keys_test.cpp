// Qt's key codes become the game's virtual-key codes.
#include "tests/gui/gui_support.h"

#include "shell/virtual_keys.h"

TEST(GameKeysMapTest, QtKeysBecomeWindowsVirtualKeyCodes) {
    const auto vk = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return VirtualKeyFromQt(key, modifiers, 0, false);
    };
    // Keys pressed alone.
    const std::pair<int, int32_t> alone[] = {
        {Qt::Key_Left, 0x25},  {Qt::Key_Down, 0x28},   {Qt::Key_Return, 0x0D},
        {Qt::Key_Space, 0x20}, {Qt::Key_Escape, 0x1B}, {Qt::Key_Q, 'Q'},
        {Qt::Key_7, '7'},      {Qt::Key_F1, 0x70},     {Qt::Key_F12, 0x7B},
        {Qt::Key_Minus, 0xBD},
    };
    for (const auto& [key, code] : alone) EXPECT_EQ(vk(key), code) << std::hex << key;
    // With a modifier: the keypad has codes of its own, and its arrows are
    // the arrows; shifted punctuation names the same key.
    struct Modified {
        int key;
        Qt::KeyboardModifier modifier;
        int32_t code;
    };
    const Modified modified[] = {
        {Qt::Key_Control, Qt::ControlModifier, 0x11}, {Qt::Key_Shift, Qt::ShiftModifier, 0x10},
        {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},    {Qt::Key_7, Qt::KeypadModifier, 0x67},
        {Qt::Key_Minus, Qt::KeypadModifier, 0x6D},    {Qt::Key_Left, Qt::KeypadModifier, 0x25},
        {Qt::Key_ParenRight, Qt::ShiftModifier, '0'},
    };
    for (const Modified& m : modified)
        EXPECT_EQ(vk(m.key, m.modifier), m.code) << std::hex << m.key << " " << m.modifier;
    EXPECT_EQ(vk(Qt::Key_Semicolon), vk(Qt::Key_Colon));  // shifted too
    // A Cyrillic letter is the key it sits on, where the scan code is known.
    EXPECT_EQ(VirtualKeyFromQt(0x0444, Qt::NoModifier, 38, true), 'A');  // ф
    EXPECT_EQ(VirtualKeyFromQt(0x0444, Qt::NoModifier, 38, false), 0);

    EXPECT_TRUE(IsSystemKey(0x12, Qt::NoModifier));
    EXPECT_TRUE(IsSystemKey(0x79, Qt::NoModifier));  // F10
    EXPECT_TRUE(IsSystemKey('A', Qt::AltModifier));
    EXPECT_FALSE(IsSystemKey(0x7A, Qt::NoModifier));  // F11
}
