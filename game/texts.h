// texts.h -- every text the engine shows the player, in Russian, UTF-8.
#pragma once

// The application's title, the caption of the death messages.
constexpr char GameTitle[] = "Zarnok";

// The colour-depth question asked while the display is not at 32 bits.
constexpr char ColourDepthCaption[] = "ВНИМАНИЕ!!!";
constexpr char ColourDepthText[] =
    "Игре необходимо качество цветопередачи 32 бита. У вас установлено иное качество "
    "цветопередачи. Более подробно об этом читайте в файле \"ReadMe.txt\". Чтобы "
    "продолжить игру установите качество цветопередачи в 32 бита и нажмите \"Да\". Для "
    "выхода из игры нажмите \"Нет\".";

// Why a game ended, one text a death code.
constexpr char DeathAtNestText[] = "Осторожно, в болотах очень много комаров!";
constexpr char DeathBittenText[] = "Вас насмерть закусали комары.";
constexpr char DeathFellText[] = "Вы упали в бездонную яму.";

// The advertisements: the repellent bottle and the Raptor device.
constexpr char AdvertCaption[] = "Реклама";
constexpr char RepellentAdvertText[] = "Москитол. Потому и не кусают.";
constexpr char RaptorAdvertText[] = "Раптор. Проверено. Насекомых нет.";

// The end of a game.
constexpr char VictoryCaption[] = "Победа";
constexpr char VictoryText[] = "Поздравляю победителя!";
constexpr char PlayAgainCaption[] = "Вопрос";
constexpr char PlayAgainText[] = "Хотите начать игру заново?";

// The labels of the heads-up display.
constexpr char HudHealthLabel[] = "Жизнь:";
constexpr char HudScoreLabel[] = "Очки:";
