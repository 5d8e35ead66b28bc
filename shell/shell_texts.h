// shell_texts.h -- every text the shell shows the player: the menu, its
// prompts, the status bar and the dialogs, in Russian, UTF-8.
#pragma once

// The main window's caption is the document's title and then the game's
// (GameTitle, in game/texts.h). The document's title on every new game:
constexpr char DocumentTitle[] = "Игра";

// The menu: each item with the prompt the status bar shows while it is
// highlighted. "Пауза" is the item, its prompt and the pause box's caption.
constexpr char GameMenuText[] = "&Игра";
constexpr char NewItemText[] = "&Новая";
constexpr char NewPromptText[] = "Начать новую игру";
constexpr char PauseText[] = "Пауза";
constexpr char BestPlayerItemText[] = "&Лучший игрок";
constexpr char BestPlayerPromptText[] = "Посмотреть имя и результат лучшего игрока";
constexpr char ExitItemText[] = "В&ыход";
constexpr char ExitPromptText[] = "Выйти из игры";
constexpr char SettingsMenuText[] = "&Настройки";
constexpr char ControlsItemText[] = "&Управление";
// The prompt of "Управление" and the controls dialog's caption.
constexpr char ControlsTitle[] = "Настройка управления";
constexpr char SoundsItemText[] = "Звуки";
constexpr char SoundsPromptText[] = "Вкл\\выкл звука";
constexpr char HelpMenuText[] = "&Помощь";
constexpr char AboutItemText[] = "&About Zarnok...";
constexpr char AboutPromptText[] = "Показать имя автора и версию программы";

// The status bar: the idle prompt and the lamps of the three locks.
constexpr char IdlePromptText[] = "Ready";
constexpr char CapsLampText[] = "CAP";
constexpr char NumLampText[] = "NUM";
constexpr char ScrollLampText[] = "SCRL";

// Buttons of the message boxes and dialogs.
constexpr char OkText[] = "OK";
constexpr char YesText[] = "&Да";
constexpr char NoText[] = "&Нет";

// The pause box.
constexpr char PausedText[] = "Игра приостановлена...";

// The controls dialog: the six action buttons and the hint under them.
constexpr char LeftButtonText[] = "Влево";
constexpr char RightButtonText[] = "Вправо";
constexpr char UpButtonText[] = "Вверх";
constexpr char DownButtonText[] = "Вниз";
constexpr char JumpButtonText[] = "Прыжок";
constexpr char FireButtonText[] = "Огонь";
constexpr char ControlsHintText[] = "Нажмите кнопку для изменения управления.";

// The key-capture dialog: its caption and its two lines.
constexpr char PressKeyTitle[] = "Нажмите клавишу";
constexpr char PressKeyFirstLine[] = "Нажмите клавишу, которую хотите";
constexpr char PressKeySecondLine[] = "использовать для выбранного действия.";

// The record holder's name entry.
constexpr char NameTitle[] = "Напишите своё имя";
constexpr char NamePromptText[] = "Вы стали рекордсменом всех времён! Напишите своё имя:";

// The About box.
constexpr char AboutTitle[] = "About Zarnok";
constexpr char VersionText[] = "Zarnok Version 1.4 (2005-2012 гг.)";
constexpr char CreditText[] = "Версия для Linux на Qt 6: команда Zarnok";

// The resolution question at start-up.
constexpr char ResolutionQuestionText[] =
    "Нужное качество цветопередачи установится автоматически, но вы должны указать "
    "желаемое разрешение:";
constexpr char KeepResolutionText[] = "Не менять разрешение экрана";
constexpr char SmallResolutionText[] = "800x600";

// Why 800 x 600 could not be set: the head, one reason, the tail.
constexpr char SwitchFailedHead[] = "Разрешение экрана 800x600 установить не удалось: ";
constexpr char SwitchFailedTail[] = " Игра продолжится при текущем разрешении.";
constexpr char WaylandRefusesText[] =
    "в среде Wayland программы не могут менять разрешение экрана.";
constexpr char PlatformRefusesText[] =
    "в этой графической среде программа не может менять разрешение экрана.";
constexpr char NoRandRText[] = "X-сервер не умеет менять разрешение экрана (нет расширения RandR).";
constexpr char NoSuchModeText[] = "X-сервер не предлагает такого режима.";
constexpr char ModeRefusedText[] = "X-сервер отказался сменить режим.";

// Journals: every game is written to replays/ in the game folder. Once, in
// the status bar, when that cannot be done (the path follows).
constexpr char JournalFolderFailedText[] = "Журнал игры не записывается: нельзя создать папку ";
constexpr char JournalFileFailedText[] = "Журнал игры не записывается: нельзя писать в файл ";
// The record holder's game, kept beside Data.dat.
constexpr char RecordJournalFileName[] = "best-game.txt";

// Watching a journal: the two items under "Игра", their prompts, the file
// dialog's caption and filter.
constexpr char WatchItemText[] = "&Смотреть запись...";
constexpr char WatchPromptText[] = "Посмотреть записанную игру из папки replays";
constexpr char WatchRecordItemText[] = "Смотреть &игру рекордсмена";
constexpr char WatchRecordPromptText[] = "Посмотреть игру, в которой был поставлен рекорд";
constexpr char WatchDialogTitle[] = "Запись игры";
constexpr char WatchFilterText[] = "Записи игр (*.txt);;Все файлы (*)";

// A journal that cannot be watched: the caption, then why (paths and the
// reader's own words follow where they are needed).
constexpr char ReplayRefusedCaption[] = "Запись игры";
constexpr char ReplayUnreadableText[] = "Запись не прочитать: ";
constexpr char ReplayTooLargeText[] = "Запись больше 64 МиБ, это не запись игры: ";
constexpr char ReplayDamagedText[] = "Запись повреждена: ";
constexpr char ReplayNoDataText[] = "Нет файла Data.dat, на котором её показать.";
constexpr char ReplayOtherLevelsText[] =
    "Запись сделана на других уровнях (уровни %1), а в Data.dat этой игры уровни %2. "
    "Показать её нельзя.";

// The status bar while a journal plays and when it is over.
constexpr char ReplayPlayingText[] = "Запись: такт %1 из %2";
constexpr char ReplayOverMatchedText[] =
    "Запись окончена на такте %1: все проверки (%2) совпали.";
constexpr char ReplayOverMismatchText[] =
    "Запись окончена: мир разошёлся с записью, первое расхождение на такте %1.";
constexpr char ReplayOverUncheckedText[] =
    "Запись окончена на такте %1 (старая запись, без проверок).";
