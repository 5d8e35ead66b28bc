// shell_texts.h -- every text the shell shows the player: the menu, its
// prompts, the status bar and the dialogs, in Russian, UTF-8.
#pragma once

#include "game/text_mark.h"

// The main window's caption is the document's title and then the game's
// (GameTitle, in game/texts.h). The document's title on every new game:
constexpr char DocumentTitle[] = ZTEXT("ShellTexts", "Игра");

// The menu: each item with the prompt the status bar shows while it is
// highlighted. "Пауза" is the item, its prompt and the pause box's caption.
constexpr char GameMenuText[] = ZTEXT("ShellTexts", "&Игра");
constexpr char NewItemText[] = ZTEXT("ShellTexts", "&Новая");
constexpr char NewPromptText[] = ZTEXT("ShellTexts", "Начать новую игру");
constexpr char PauseText[] = ZTEXT("ShellTexts", "Пауза");
constexpr char BestPlayerItemText[] = ZTEXT("ShellTexts", "&Лучший игрок");
constexpr char BestPlayerPromptText[] = ZTEXT("ShellTexts",
                                              "Посмотреть имя и результат лучшего игрока");
constexpr char ExitItemText[] = ZTEXT("ShellTexts", "В&ыход");
constexpr char ExitPromptText[] = ZTEXT("ShellTexts", "Выйти из игры");
constexpr char SettingsMenuText[] = ZTEXT("ShellTexts", "&Настройки");
constexpr char ControlsItemText[] = ZTEXT("ShellTexts", "&Управление");
// The prompt of "Управление" and the controls dialog's caption.
constexpr char ControlsTitle[] = ZTEXT("ShellTexts", "Настройка управления");
constexpr char SoundsItemText[] = ZTEXT("ShellTexts", "Звуки");
constexpr char SoundsPromptText[] = ZTEXT("ShellTexts", "Вкл\\выкл звука");
constexpr char HelpMenuText[] = ZTEXT("ShellTexts", "&Помощь");
constexpr char AboutItemText[] = ZTEXT("ShellTexts", "&About Zarnok...");
constexpr char AboutPromptText[] = ZTEXT("ShellTexts", "Показать имя автора и версию программы");

// The status bar: the idle prompt and the lamps of the three locks.
constexpr char IdlePromptText[] = ZTEXT("ShellTexts", "Ready");
constexpr char CapsLampText[] = ZTEXT("ShellTexts", "CAP");
constexpr char NumLampText[] = ZTEXT("ShellTexts", "NUM");
constexpr char ScrollLampText[] = ZTEXT("ShellTexts", "SCRL");

// Buttons of the message boxes and dialogs.
constexpr char OkText[] = ZTEXT("ShellTexts", "OK");
constexpr char YesText[] = ZTEXT("ShellTexts", "&Да");
constexpr char NoText[] = ZTEXT("ShellTexts", "&Нет");

// The pause box.
constexpr char PausedText[] = ZTEXT("ShellTexts", "Игра приостановлена...");

// The controls dialog: the six action buttons and the hint under them.
constexpr char LeftButtonText[] = ZTEXT("ShellTexts", "Влево");
constexpr char RightButtonText[] = ZTEXT("ShellTexts", "Вправо");
constexpr char UpButtonText[] = ZTEXT("ShellTexts", "Вверх");
constexpr char DownButtonText[] = ZTEXT("ShellTexts", "Вниз");
constexpr char JumpButtonText[] = ZTEXT("ShellTexts", "Прыжок");
constexpr char FireButtonText[] = ZTEXT("ShellTexts", "Огонь");
constexpr char ControlsHintText[] = ZTEXT("ShellTexts", "Нажмите кнопку для изменения управления.");

// The key-capture dialog: its caption and its two lines.
constexpr char PressKeyTitle[] = ZTEXT("ShellTexts", "Нажмите клавишу");
constexpr char PressKeyFirstLine[] = ZTEXT("ShellTexts", "Нажмите клавишу, которую хотите");
constexpr char PressKeySecondLine[] = ZTEXT("ShellTexts", "использовать для выбранного действия.");

// The record holder's name entry.
constexpr char NameTitle[] = ZTEXT("ShellTexts", "Напишите своё имя");
constexpr char NamePromptText[] = ZTEXT("ShellTexts",
                                        "Вы стали рекордсменом всех времён! Напишите своё имя:");

// The About box.
constexpr char AboutTitle[] = ZTEXT("ShellTexts", "About Zarnok");
constexpr char VersionText[] = ZTEXT("ShellTexts", "Zarnok Version 1.4 (2005-2012 гг.)");
constexpr char CreditText[] = ZTEXT("ShellTexts", "Версия для Linux на Qt 6: команда Zarnok");

// The resolution question at start-up.
constexpr char ResolutionQuestionText[] = ZTEXT(
    "ShellTexts",
    "Нужное качество цветопередачи установится автоматически, но вы должны указать "
    "желаемое разрешение:");
constexpr char KeepResolutionText[] = ZTEXT("ShellTexts", "Не менять разрешение экрана");
constexpr char SmallResolutionText[] = ZTEXT("ShellTexts", "800x600");

// Why 800 x 600 could not be set: %1 is one of the reasons below.
constexpr char SwitchFailedText[] = ZTEXT(
    "ShellTexts",
    "Разрешение экрана 800x600 установить не удалось: %1 Игра продолжится при текущем разрешении.");
constexpr char WaylandRefusesText[] = ZTEXT(
    "ShellTexts", "в среде Wayland программы не могут менять разрешение экрана.");
constexpr char PlatformRefusesText[] = ZTEXT(
    "ShellTexts", "в этой графической среде программа не может менять разрешение экрана.");
constexpr char NoRandRText[] = ZTEXT(
    "ShellTexts", "X-сервер не умеет менять разрешение экрана (нет расширения RandR).");
constexpr char NoSuchModeText[] = ZTEXT("ShellTexts", "X-сервер не предлагает такого режима.");
constexpr char ModeRefusedText[] = ZTEXT("ShellTexts", "X-сервер отказался сменить режим.");

// The game folder could not be entered: %1 is the folder, %2 the reason.
constexpr char FolderEnterFailedText[] = ZTEXT("ShellTexts",
                                               "Не удалось перейти в папку игры «%1»: %2.");

// The player's game folder could not be made ready: %1 is a file or a
// folder, %2 the reason or the size.
constexpr char ShippedUnreadableText[] = ZTEXT("ShellTexts",
                                               "Не удалось прочитать файл уровней «%1».");
constexpr char ShippedDamagedText[] = ZTEXT("ShellTexts",
                                            "Файл уровней «%1» повреждён: в нём не %2 байта.");
constexpr char FolderCreateFailedText[] = ZTEXT("ShellTexts",
                                                "Не удалось создать папку игры «%1»: %2.");
constexpr char FolderNotFolderText[] = ZTEXT("ShellTexts",
                                             "Не удалось создать папку игры «%1»: это не папка.");
constexpr char FolderSeedFailedText[] = ZTEXT(
    "ShellTexts", "Не удалось записать Data.dat в папку игры «%1»: %2.");
constexpr char PlayerDataUnreadableText[] = ZTEXT(
    "ShellTexts", "Не удалось прочитать «%1»: это не обычный файл или он закрыт для чтения.");
constexpr char FolderRefreshFailedText[] = ZTEXT(
    "ShellTexts", "Не удалось обновить уровни в папке игры «%1»: %2.");
constexpr char NoGameFolderText[] = ZTEXT(
    "ShellTexts", "Не найдена папка для Data.dat: не заданы ни XDG_DATA_HOME, ни HOME.");

// The "Язык / Language" submenu under "Настройки": the same in every
// language, and each language named in itself.
constexpr char LanguageMenuText[] = ZTEXT("ShellTexts", "&Язык / Language");
constexpr char LanguagePromptText[] = ZTEXT("ShellTexts", "Выбрать язык игры");
constexpr char RussianItemText[] = "Русский";
constexpr char EnglishItemText[] = "English";

// Started with no screen to open the window on: one line, then exit 1.
constexpr char NoDisplayText[] = ZTEXT(
    "ShellTexts",
    "игре нужен графический сеанс, а ни DISPLAY, ни WAYLAND_DISPLAY не заданы. "
    "Запустите её с рабочего стола или выберите платформу Qt переменной QT_QPA_PLATFORM "
    "(например, QT_QPA_PLATFORM=offscreen).");
constexpr char DisplayUnreachableText[] = ZTEXT(
    "ShellTexts",
    "не удалось открыть графический сеанс. Запустите игру с рабочего стола или выберите "
    "платформу Qt переменной QT_QPA_PLATFORM (например, QT_QPA_PLATFORM=offscreen).");

// The command line's answers; %1 is the program's name or the argument.
// The licence is named by its SPDX identifier here, in the metainfo and in
// the package's copyright file.
constexpr char HelpText[] = ZTEXT(
    "ShellTexts",
    "Использование: %1 [ПАРАМЕТР]\n"
    "Zarnok: солдат с автоматом Зарнокова идёт через шесть болотных уровней.\n"
    "\n"
    "  --switch-display-mode  при выборе «800x600» действительно переключать\n"
    "                         разрешение экрана через XRandR (по умолчанию\n"
    "                         выключено)\n"
    "  --lang ru|en           язык игры: русский или английский (по умолчанию\n"
    "                         выбранный в меню, иначе язык рабочего стола)\n"
    "      --play ФАЙЛ        показать записанную игру (записи каждой игры\n"
    "                         лежат в папке replays/ рядом с Data.dat)\n"
    "  -h, --help             показать эту справку и выйти\n"
    "      --version          показать версию и лицензию и выйти\n"
    "\n"
    "Файл уровней и рекорда Data.dat берётся из текущего каталога, если он там\n"
    "есть; иначе из $XDG_DATA_HOME/zarnok/ (обычно ~/.local/share/zarnok/),\n"
    "куда при первом запуске копируется поставляемый файл.\n"
    "Выбранный язык хранится в $XDG_CONFIG_HOME/zarnok/zarnok.ini.\n"
    "Платформу Qt можно выбрать переменной окружения QT_QPA_PLATFORM.\n");
constexpr char LicenceText[] = ZTEXT(
    "ShellTexts",
    "Copyright (c) 2005-2012, 2026 The Zarnok team\n"
    "Лицензия MIT (SPDX: MIT): <https://opensource.org/license/mit>\n"
    "Это свободная программа: её можно изменять и распространять.\n"
    "Никаких гарантий не предоставляется.\n");
constexpr char CommandLineUnknownOptionText[] = ZTEXT("ShellTexts", "неизвестный параметр «%1»");
constexpr char CommandLineStrayArgumentText[] = ZTEXT("ShellTexts", "лишний аргумент «%1»");
constexpr char CommandLineBadLanguageText[] = ZTEXT("ShellTexts", "--lang ждёт ru или en, а не «%1»");
constexpr char CommandLinePlayNeedsFileText[] = ZTEXT("ShellTexts",
                                                    "параметру «--play» нужен файл записи");
constexpr char CommandLineMoreText[] = ZTEXT("ShellTexts", "Подробнее: %1 --help\n");

// Journals: every game is written to replays/ in the game folder. Once, in
// the status bar, when that cannot be done (%1 is the path).
constexpr char JournalFolderFailedText[] = ZTEXT(
    "ShellTexts", "Журнал игры не записывается: нельзя создать папку %1");
constexpr char JournalFileFailedText[] = ZTEXT(
    "ShellTexts", "Журнал игры не записывается: нельзя писать в файл %1");
// The record holder's game, kept beside Data.dat.
constexpr char RecordJournalFileName[] = "best-game.txt";

// Watching a journal: the two items under "Игра", their prompts, the file
// dialog's caption and filter.
constexpr char WatchItemText[] = ZTEXT(
    "ShellTexts", "&Смотреть запись...");
constexpr char WatchPromptText[] = ZTEXT(
    "ShellTexts", "Посмотреть записанную игру из папки replays");
constexpr char WatchRecordItemText[] = ZTEXT(
    "ShellTexts", "Смотреть &игру рекордсмена");
constexpr char WatchRecordPromptText[] = ZTEXT(
    "ShellTexts", "Посмотреть игру, в которой был поставлен рекорд");
constexpr char WatchDialogTitle[] = ZTEXT(
    "ShellTexts", "Запись игры");
constexpr char WatchFilterText[] = ZTEXT(
    "ShellTexts", "Записи игр (*.txt);;Все файлы (*)");

// A journal that cannot be watched: the caption, then why (%1 is the path,
// %2 the reader's own words).
constexpr char ReplayRefusedCaption[] = ZTEXT(
    "ShellTexts", "Запись игры");
constexpr char ReplayUnreadableText[] = ZTEXT(
    "ShellTexts", "Запись не прочитать: %1");
constexpr char ReplayTooLargeText[] = ZTEXT(
    "ShellTexts", "Запись больше 64 МиБ, это не запись игры: %1");
constexpr char ReplayDamagedText[] = ZTEXT(
    "ShellTexts", "Запись повреждена: %1: %2");
constexpr char ReplayNoDataText[] = ZTEXT(
    "ShellTexts", "Нет файла Data.dat, на котором её показать.");
constexpr char ReplayOtherLevelsText[] = ZTEXT(
    "ShellTexts", "Запись сделана на других уровнях (уровни %1), а в Data.dat этой игры уровни %2. "
    "Показать её нельзя.");

// The status bar while a journal plays and when it is over.
constexpr char ReplayPlayingText[] = ZTEXT(
    "ShellTexts", "Запись: такт %1 из %2");
constexpr char ReplayOverMatchedText[] = ZTEXT(
    "ShellTexts", "Запись окончена на такте %1: все проверки (%2) совпали.");
constexpr char ReplayOverMismatchText[] = ZTEXT(
    "ShellTexts", "Запись окончена: мир разошёлся с записью, первое расхождение на такте %1.");
constexpr char ReplayOverUncheckedText[] = ZTEXT(
    "ShellTexts", "Запись окончена на такте %1 (старая запись, без проверок).");
