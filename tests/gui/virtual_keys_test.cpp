// Qt's key codes become the game's virtual-key codes.
#include "tests/gui/gui_support.h"

#include "shell/virtual_keys.h"

TEST(GameKeysMapTest, QtKeysBecomeWindowsVirtualKeyCodes) {
    const auto vk = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return VirtualKeyFromQt(key, modifiers, 0, false);
    };
    EXPECT_EQ(vk(Qt::Key_Left), 0x25);
    EXPECT_EQ(vk(Qt::Key_Down), 0x28);
    EXPECT_EQ(vk(Qt::Key_Control, Qt::ControlModifier), 0x11);
    EXPECT_EQ(vk(Qt::Key_Shift, Qt::ShiftModifier), 0x10);
    EXPECT_EQ(vk(Qt::Key_Return), 0x0D);
    EXPECT_EQ(vk(Qt::Key_Enter, Qt::KeypadModifier), 0x0D);
    EXPECT_EQ(vk(Qt::Key_Space), 0x20);
    EXPECT_EQ(vk(Qt::Key_Escape), 0x1B);
    EXPECT_EQ(vk(Qt::Key_Q), 'Q');
    EXPECT_EQ(vk(Qt::Key_7), '7');
    EXPECT_EQ(vk(Qt::Key_F1), 0x70);
    EXPECT_EQ(vk(Qt::Key_F12), 0x7B);
    // The keypad has codes of its own, and its arrows are the arrows.
    EXPECT_EQ(vk(Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(vk(Qt::Key_Minus, Qt::KeypadModifier), 0x6D);
    EXPECT_EQ(vk(Qt::Key_Minus), 0xBD);
    EXPECT_EQ(vk(Qt::Key_Left, Qt::KeypadModifier), 0x25);
    // Shifted punctuation names the same key.
    EXPECT_EQ(vk(Qt::Key_Semicolon), vk(Qt::Key_Colon));
    EXPECT_EQ(vk(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
    // A Cyrillic letter is the key it sits on, where the scan code is known.
    EXPECT_EQ(VirtualKeyFromQt(0x0444, Qt::NoModifier, 38, true), 'A');  // ф
    EXPECT_EQ(VirtualKeyFromQt(0x0444, Qt::NoModifier, 38, false), 0);

    EXPECT_TRUE(IsSystemKey(0x12, Qt::NoModifier));
    EXPECT_TRUE(IsSystemKey(0x79, Qt::NoModifier));  // F10
    EXPECT_TRUE(IsSystemKey('A', Qt::AltModifier));
    EXPECT_FALSE(IsSystemKey(0x7A, Qt::NoModifier));  // F11
}
