// texts.h -- every text the engine shows the player, in Russian, UTF-8.
#pragma once

#include "game/text_mark.h"

// The application's title, the caption of the death messages.
constexpr char GameTitle[] = ZTEXT("GameTexts", "Zarnok");

// The colour-depth question asked while the display is not at 32 bits.
constexpr char ColourDepthCaption[] = ZTEXT("GameTexts", "ВНИМАНИЕ!!!");
constexpr char ColourDepthText[] = ZTEXT(
    "GameTexts",
    "Игре необходимо качество цветопередачи 32 бита. У вас установлено иное качество "
    "цветопередачи. Более подробно об этом читайте в файле \"ReadMe.txt\". Чтобы "
    "продолжить игру установите качество цветопередачи в 32 бита и нажмите \"Да\". Для "
    "выхода из игры нажмите \"Нет\".");

// Why a game ended, one text a death code.
constexpr char DeathAtNestText[] = ZTEXT("GameTexts", "Осторожно, в болотах очень много комаров!");
constexpr char DeathBittenText[] = ZTEXT("GameTexts", "Вас насмерть закусали комары.");
constexpr char DeathFellText[] = ZTEXT("GameTexts", "Вы упали в бездонную яму.");

// The advertisements: the repellent bottle and the Raptor device.
constexpr char AdvertCaption[] = ZTEXT("GameTexts", "Реклама");
constexpr char RepellentAdvertText[] = ZTEXT("GameTexts", "Москитол. Потому и не кусают.");
constexpr char RaptorAdvertText[] = ZTEXT("GameTexts", "Раптор. Проверено. Насекомых нет.");

// The end of a game.
constexpr char VictoryCaption[] = ZTEXT("GameTexts", "Победа");
constexpr char VictoryText[] = ZTEXT("GameTexts", "Поздравляю победителя!");
constexpr char PlayAgainCaption[] = ZTEXT("GameTexts", "Вопрос");
constexpr char PlayAgainText[] = ZTEXT("GameTexts", "Хотите начать игру заново?");

// The labels of the heads-up display.
constexpr char HudHealthLabel[] = ZTEXT("GameTexts", "Жизнь:");
constexpr char HudScoreLabel[] = ZTEXT("GameTexts", "Очки:");

// Data.dat: what cannot be read or written, the sponsor, the best player.
constexpr char ErrorCaption[] = ZTEXT("GameTexts", "Ошибка");
constexpr char OpenFailedText[] = ZTEXT("GameTexts", "Не удалось открыть файл \"Data.dat\"");
// %1 is the number of the level that is missing.
constexpr char LevelCutText[] = ZTEXT(
    "GameTexts", "Файл \"Data.dat\" повреждён или неполон: в нём нет уровня %1 целиком.");
constexpr char BestUnreadableText[] = ZTEXT("GameTexts",
                                            "Не удалось прочитать рекорд из файла \"Data.dat\".");
constexpr char NoBestRecordText[] = ZTEXT("GameTexts", "В файле \"Data.dat\" нет рекорда.");
constexpr char WriteOpenFailedText[] = ZTEXT("GameTexts",
                                             "Не удалось открыть файл \"Data.dat\" для записи.");
constexpr char WriteShortFileText[] = ZTEXT(
    "GameTexts", "Файл \"Data.dat\" повреждён или неполон, рекорд не записан.");
constexpr char WriteFailedText[] = ZTEXT("GameTexts",
                                         "Не удалось записать рекорд в файл \"Data.dat\".");

constexpr char SponsorText[] = ZTEXT(
    "GameTexts",
    "Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от "
    "современных комаров.");
constexpr char BestPlayerCaption[] = ZTEXT("GameTexts", "Лучший игрок");
// %1 is the best player's name, %2 the score.
constexpr char BestPlayerText[] = ZTEXT("GameTexts", "%1 набрал(а) %2");
