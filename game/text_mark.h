// text_mark.h -- the mark on every text the player sees, for the translators.
#pragma once

// ZTEXT(context, text) is `text` itself: the engine needs no translation
// library. lupdate, given -tr-function-alias QT_TRANSLATE_NOOP+=ZTEXT, lists
// each marked text under its context ("GameTexts", "ShellTexts") in the
// translation files of resources/translations/.
#define ZTEXT(context, text) text
