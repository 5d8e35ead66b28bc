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

// Data.dat: what cannot be read or written, the sponsor, the best player.
constexpr char ErrorCaption[] = "Ошибка";
constexpr char OpenFailedText[] = "Не удалось открыть файл \"Data.dat\"";
constexpr char LevelCutTextStart[] = "Файл \"Data.dat\" повреждён или неполон: в нём нет уровня ";
constexpr char LevelCutTextEnd[] = " целиком.";
constexpr char BestUnreadableText[] = "Не удалось прочитать рекорд из файла \"Data.dat\".";
constexpr char NoBestRecordText[] = "В файле \"Data.dat\" нет рекорда.";
constexpr char WriteOpenFailedText[] = "Не удалось открыть файл \"Data.dat\" для записи.";
constexpr char WriteShortFileText[] = "Файл \"Data.dat\" повреждён или неполон, рекорд не записан.";
constexpr char WriteFailedText[] = "Не удалось записать рекорд в файл \"Data.dat\".";

constexpr char SponsorText[] =
    "Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от "
    "современных комаров.";
constexpr char BestPlayerCaption[] = "Лучший игрок";
constexpr char ScoredText[] = " набрал(а) ";
