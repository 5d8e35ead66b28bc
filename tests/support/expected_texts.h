// expected_texts.h -- the tests' own copy of every text the engine shows.
//
// Written out here once, independently of the game's table, so a text
// changed by mistake in the game fails the tests that show it.
#pragma once

namespace expected {

constexpr char GameTitle[] = "Zarnok";

constexpr char ColourDepthCaption[] = "ВНИМАНИЕ!!!";
constexpr char ColourDepthText[] =
    "Игре необходимо качество цветопередачи 32 бита. У вас установлено иное качество "
    "цветопередачи. Более подробно об этом читайте в файле \"ReadMe.txt\". Чтобы продолжить "
    "игру установите качество цветопередачи в 32 бита и нажмите \"Да\". Для выхода из игры "
    "нажмите \"Нет\".";

constexpr char DeathAtNestText[] = "Осторожно, в болотах очень много комаров!";
constexpr char DeathBittenText[] = "Вас насмерть закусали комары.";
constexpr char DeathFellText[] = "Вы упали в бездонную яму.";

constexpr char AdvertCaption[] = "Реклама";
constexpr char RepellentAdvertText[] = "Москитол. Потому и не кусают.";
constexpr char RaptorAdvertText[] = "Раптор. Проверено. Насекомых нет.";

constexpr char VictoryCaption[] = "Победа";
constexpr char VictoryText[] = "Поздравляю победителя!";
constexpr char PlayAgainCaption[] = "Вопрос";
constexpr char PlayAgainText[] = "Хотите начать игру заново?";

constexpr char SponsorText[] =
    "Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от "
    "современных комаров.";
constexpr char ErrorCaption[] = "Ошибка";
constexpr char OpenFailedText[] = "Не удалось открыть файл \"Data.dat\"";
constexpr char LevelCutTextStart[] = "Файл \"Data.dat\" повреждён или неполон: в нём нет уровня ";
constexpr char LevelCutTextEnd[] = " целиком.";
constexpr char BestUnreadableText[] = "Не удалось прочитать рекорд из файла \"Data.dat\".";
constexpr char NoBestRecordText[] = "В файле \"Data.dat\" нет рекорда.";
constexpr char WriteOpenFailedText[] = "Не удалось открыть файл \"Data.dat\" для записи.";
constexpr char WriteShortFileText[] = "Файл \"Data.dat\" повреждён или неполон, рекорд не записан.";
constexpr char WriteFailedText[] = "Не удалось записать рекорд в файл \"Data.dat\".";
constexpr char BestPlayerCaption[] = "Лучший игрок";

constexpr char HudHealthLabel[] = "Жизнь:";
constexpr char HudScoreLabel[] = "Очки:";

}  // namespace expected
