// editor_texts.h -- every text the level editor shows, in Russian, UTF-8.
#pragma once

#include "game/text_mark.h"

constexpr char EditorTitle[] = ZTEXT("EditorTexts", "Редактор уровней Zarnok");
constexpr char UntitledText[] = ZTEXT("EditorTexts", "без имени");

// Menus and their commands.
constexpr char FileMenuText[] = ZTEXT("EditorTexts", "&Файл");
constexpr char NewText[] = ZTEXT("EditorTexts", "&Новый уровень");
constexpr char OpenText[] = ZTEXT("EditorTexts", "&Открыть...");
constexpr char SaveText[] = ZTEXT("EditorTexts", "&Сохранить");
constexpr char SaveAsText[] = ZTEXT("EditorTexts", "Сохранить &как...");
constexpr char ExportText[] = ZTEXT("EditorTexts", "&Экспорт в Data.dat...");
constexpr char InstallText[] = ZTEXT("EditorTexts", "&Установить в игру");
constexpr char QuitText[] = ZTEXT("EditorTexts", "В&ыход");
constexpr char EditMenuText[] = ZTEXT("EditorTexts", "&Правка");
constexpr char UndoText[] = ZTEXT("EditorTexts", "&Отменить");
constexpr char RedoText[] = ZTEXT("EditorTexts", "&Повторить");
constexpr char CutText[] = ZTEXT("EditorTexts", "Вы&резать");
constexpr char CopyText[] = ZTEXT("EditorTexts", "&Копировать");
constexpr char PasteText[] = ZTEXT("EditorTexts", "Вст&авить");
constexpr char DeleteText[] = ZTEXT("EditorTexts", "&Удалить");
constexpr char SelectAllText[] = ZTEXT("EditorTexts", "Выделить &всё");
constexpr char ViewMenuText[] = ZTEXT("EditorTexts", "&Вид");
constexpr char ZoomInText[] = ZTEXT("EditorTexts", "&Крупнее");
constexpr char ZoomOutText[] = ZTEXT("EditorTexts", "&Мельче");
constexpr char ActualSizeText[] = ZTEXT("EditorTexts", "&100 %");
constexpr char FitText[] = ZTEXT("EditorTexts", "&Весь уровень");
constexpr char GridText[] = ZTEXT("EditorTexts", "&Сетка");
constexpr char GridSizeText[] = ZTEXT("EditorTexts", "Шаг сетки:");
constexpr char OverlaysText[] = ZTEXT("EditorTexts", "&Разметка");
constexpr char PlayMenuText[] = ZTEXT("EditorTexts", "&Игра");
constexpr char PlayText[] = ZTEXT("EditorTexts", "&Играть с начала");
constexpr char PlayHereText[] = ZTEXT("EditorTexts", "Играть от &указателя");

// Docks.
constexpr char PaletteTitle[] = ZTEXT("EditorTexts", "Элементы");
constexpr char PropertiesTitle[] = ZTEXT("EditorTexts", "Свойства");
constexpr char ChecksTitle[] = ZTEXT("EditorTexts", "Проверка");
constexpr char HistoryTitle[] = ZTEXT("EditorTexts", "История");
constexpr char CountsTitle[] = ZTEXT("EditorTexts", "Таблицы");
constexpr char KindLabel[] = ZTEXT("EditorTexts", "Вид:");
constexpr char KindByteLabel[] = ZTEXT("EditorTexts", "Код вида:");
constexpr char TimerLabel[] = ZTEXT("EditorTexts", "Таймер:");
constexpr char AliveLabel[] = ZTEXT("EditorTexts", "Жизнь:");
constexpr char DirLabel[] = ZTEXT("EditorTexts", "Направление:");
constexpr char FacingLabel[] = ZTEXT("EditorTexts", "Взгляд:");
constexpr char NothingSelectedText[] = ZTEXT("EditorTexts", "Ничего не выделено");
constexpr char MoveText[] = ZTEXT("EditorTexts", "Сдвиг");
constexpr char ManySelectedText[] = ZTEXT("EditorTexts", "Выделено: %1");
constexpr char NoFindingsText[] = ZTEXT("EditorTexts", "Замечаний нет");

// Element kinds, for the palette and the property panel.
constexpr char StartName[] = ZTEXT("EditorTexts", "Старт");
constexpr char GoalName[] = ZTEXT("EditorTexts", "Выход");
constexpr char LedgeName[] = ZTEXT("EditorTexts", "Уступ");
constexpr char BlockName[] = ZTEXT("EditorTexts", "Блок");
constexpr char RaptorName[] = ZTEXT("EditorTexts", "Раптор");
constexpr char RaptorOnName[] = ZTEXT("EditorTexts", "Раптор, включён");
constexpr char PlatformName[] = ZTEXT("EditorTexts", "Платформа");
constexpr char FlowerName[] = ZTEXT("EditorTexts", "Цветок");
constexpr char ShrubName[] = ZTEXT("EditorTexts", "Куст");
constexpr char ConiferName[] = ZTEXT("EditorTexts", "Ель");
constexpr char BulrushName[] = ZTEXT("EditorTexts", "Камыш");
constexpr char VineName[] = ZTEXT("EditorTexts", "Лиана");
constexpr char HangingVinesName[] = ZTEXT("EditorTexts", "Свисающие лианы");
constexpr char TreeName[] = ZTEXT("EditorTexts", "Дерево");
constexpr char DecorationName[] = ZTEXT("EditorTexts", "Украшение");
constexpr char CircuitName[] = ZTEXT("EditorTexts", "Микросхема");
constexpr char CrystalName[] = ZTEXT("EditorTexts", "Кристалл");
constexpr char TulipName[] = ZTEXT("EditorTexts", "Тюльпан");
constexpr char CoinName[] = ZTEXT("EditorTexts", "Монета");
constexpr char RepellentName[] = ZTEXT("EditorTexts", "Репеллент");
constexpr char StrawberryName[] = ZTEXT("EditorTexts", "Клубника");
constexpr char PickupName[] = ZTEXT("EditorTexts", "Приз");
constexpr char PointsText[] = ZTEXT("EditorTexts", "%1 (%2 очков)");
constexpr char NestName[] = ZTEXT("EditorTexts", "Гнездо");
constexpr char MosquitoLeftName[] = ZTEXT("EditorTexts", "Комар, влево");
constexpr char MosquitoRightName[] = ZTEXT("EditorTexts", "Комар, вправо");
constexpr char MosquitoName[] = ZTEXT("EditorTexts", "Комар");
constexpr char LeftText[] = ZTEXT("EditorTexts", "влево");
constexpr char RightText[] = ZTEXT("EditorTexts", "вправо");

// Table names for the counts.
constexpr char PlatformsCount[] = ZTEXT("EditorTexts", "Платформы: %1 из %2");
constexpr char DecorationsCount[] = ZTEXT("EditorTexts", "Украшения: %1 из %2");
constexpr char PickupsCount[] = ZTEXT("EditorTexts", "Призы: %1 из %2");
constexpr char NestsCount[] = ZTEXT("EditorTexts", "Гнёзда: %1 из %2");
constexpr char MosquitoesCount[] = ZTEXT("EditorTexts", "Комары: %1 из %2");

// The status bar.
constexpr char TableFullText[] = ZTEXT("EditorTexts", "Нельзя: таблица заполнена (%1 из %1)");
constexpr char RefusedText[] = ZTEXT("EditorTexts", "Нельзя: %1");
constexpr char SavedText[] = ZTEXT("EditorTexts", "Сохранено: %1");
constexpr char SavedWithFindingsText[] = ZTEXT("EditorTexts", "Сохранено: %1; замечаний проверки: %2");
constexpr char ExportedText[] = ZTEXT("EditorTexts", "Data.dat записан: %1");
constexpr char InstalledText[] = ZTEXT("EditorTexts", "Уровни установлены в %1");
constexpr char PlayingText[] = ZTEXT("EditorTexts", "Игра: Esc возвращает в редактор");
constexpr char ZoomStatusText[] = ZTEXT("EditorTexts", "Масштаб %1 %");

// Message boxes and dialogs.
constexpr char UnsavedText[] = ZTEXT("EditorTexts", "Уровень изменён. Сохранить изменения?");
constexpr char RecoveryText[] = ZTEXT("EditorTexts",
    "Редактор закрылся, не сохранив уровень. Восстановить последнюю копию?");
constexpr char OpenFailedText[] = ZTEXT("EditorTexts", "Не удалось открыть %1: %2");
constexpr char NotLevelText[] = ZTEXT("EditorTexts", "%1 не уровень: %2");
constexpr char ShortDataText[] = ZTEXT("EditorTexts", "в файле %1 байт, а в полном Data.dat %2");
constexpr char SaveFailedText[] = ZTEXT("EditorTexts", "Не удалось сохранить %1: %2. Прежний файл не изменён.");
constexpr char InstallFailedText[] = ZTEXT("EditorTexts", "Не удалось установить уровни: %1");
constexpr char PickLevelText[] = ZTEXT("EditorTexts", "Какой уровень открыть?");
constexpr char SlotText[] = ZTEXT("EditorTexts", "Место уровня в Data.dat (1-6):");
constexpr char LevelItemText[] = ZTEXT("EditorTexts", "Уровень %1");
constexpr char SourceFilterText[] = ZTEXT("EditorTexts", "Уровни (*.txt *.dat);;Все файлы (*)");
constexpr char SaveFilterText[] = ZTEXT("EditorTexts", "Исходник уровня (*.txt)");
constexpr char DataFilterText[] = ZTEXT("EditorTexts", "Файл уровней (*.dat)");
constexpr char NoBaseDataText[] = ZTEXT("EditorTexts", "нет Data.dat, из которого взять остальные уровни");

// The command line.
constexpr char HelpText[] = ZTEXT("EditorTexts",
    "Использование: zarnok-editor [--lang ru|en] [ФАЙЛ]\n"
    "Редактор уровней игры Zarnok. ФАЙЛ -- исходник уровня (.txt) или Data.dat.\n"
    "\n"
    "  --lang ru|en  язык окна\n"
    "  --help        эта справка\n"
    "  --version     версия программы\n");
