<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>GameTexts</name>
    <message>
        <source>Zarnok</source>
        <translation>Zarnok</translation>
    </message>
    <message>
        <source>ВНИМАНИЕ!!!</source>
        <translation>WARNING!!!</translation>
    </message>
    <message>
        <source>Игре необходимо качество цветопередачи 32 бита. У вас установлено иное качество цветопередачи. Более подробно об этом читайте в файле &quot;ReadMe.txt&quot;. Чтобы продолжить игру установите качество цветопередачи в 32 бита и нажмите &quot;Да&quot;. Для выхода из игры нажмите &quot;Нет&quot;.</source>
        <translation>The game needs 32-bit colour quality. Your display is set to another colour quality. Read more about it in the file &quot;ReadMe.txt&quot;. To go on playing, set the colour quality to 32 bits and press &quot;Yes&quot;. To quit the game, press &quot;No&quot;.</translation>
    </message>
    <message>
        <source>Осторожно, в болотах очень много комаров!</source>
        <translation>Careful, the swamps are full of mosquitoes!</translation>
    </message>
    <message>
        <source>Вас насмерть закусали комары.</source>
        <translation>The mosquitoes bit you to death.</translation>
    </message>
    <message>
        <source>Вы упали в бездонную яму.</source>
        <translation>You fell into a bottomless pit.</translation>
    </message>
    <message>
        <source>Реклама</source>
        <translation>Advertisement</translation>
    </message>
    <message>
        <source>Москитол. Потому и не кусают.</source>
        <translation>Moskitol. That&apos;s why they don&apos;t bite.</translation>
    </message>
    <message>
        <source>Раптор. Проверено. Насекомых нет.</source>
        <translation>Raptor. Tested. No insects.</translation>
    </message>
    <message>
        <source>Победа</source>
        <translation>Victory</translation>
    </message>
    <message>
        <source>Поздравляю победителя!</source>
        <translation>Congratulations to the winner!</translation>
    </message>
    <message>
        <source>Вопрос</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Хотите начать игру заново?</source>
        <translation>Would you like to start the game again?</translation>
    </message>
    <message>
        <source>Жизнь:</source>
        <translation>Health:</translation>
    </message>
    <message>
        <source>Очки:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось открыть файл &quot;Data.dat&quot;</source>
        <translation>Could not open the file &quot;Data.dat&quot;</translation>
    </message>
    <message>
        <source>Файл &quot;Data.dat&quot; повреждён или неполон: в нём нет уровня %1 целиком.</source>
        <translation>The file &quot;Data.dat&quot; is damaged or incomplete: level %1 is not all there.</translation>
    </message>
    <message>
        <source>Не удалось прочитать рекорд из файла &quot;Data.dat&quot;.</source>
        <translation>Could not read the best record from the file &quot;Data.dat&quot;.</translation>
    </message>
    <message>
        <source>В файле &quot;Data.dat&quot; нет рекорда.</source>
        <translation>The file &quot;Data.dat&quot; holds no best record.</translation>
    </message>
    <message>
        <source>Не удалось открыть файл &quot;Data.dat&quot; для записи.</source>
        <translation>Could not open the file &quot;Data.dat&quot; for writing.</translation>
    </message>
    <message>
        <source>Файл &quot;Data.dat&quot; повреждён или неполон, рекорд не записан.</source>
        <translation>The file &quot;Data.dat&quot; is damaged or incomplete; the record was not written.</translation>
    </message>
    <message>
        <source>Не удалось записать рекорд в файл &quot;Data.dat&quot;.</source>
        <translation>Could not write the record into the file &quot;Data.dat&quot;.</translation>
    </message>
    <message>
        <source>Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от современных комаров.</source>
        <translation>The game is sponsored by the Zarnokov assault rifle. The Zarnokov rifle - the best remedy for modern mosquitoes.</translation>
    </message>
    <message>
        <source>Лучший игрок</source>
        <translation>Best Player</translation>
    </message>
    <message>
        <source>%1 набрал(а) %2</source>
        <translation>%1 scored %2</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Новая</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Начать новую игру</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Лучший игрок</source>
        <translation>&amp;Best Player</translation>
    </message>
    <message>
        <source>Посмотреть имя и результат лучшего игрока</source>
        <translation>See the best player&apos;s name and score</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Выйти из игры</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>&amp;Настройки</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Управление</source>
        <translation>&amp;Controls</translation>
    </message>
    <message>
        <source>Настройка управления</source>
        <translation>Controls Setup</translation>
    </message>
    <message>
        <source>Звуки</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Вкл\выкл звука</source>
        <translation>Sound on\off</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Zarnok...</source>
        <translation>&amp;About Zarnok...</translation>
    </message>
    <message>
        <source>Показать имя автора и версию программы</source>
        <translation>Show the author&apos;s name and the program&apos;s version</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Да</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Нет</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Игра приостановлена...</source>
        <translation>Game paused...</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Прыжок</source>
        <translation>Jump</translation>
    </message>
    <message>
        <source>Огонь</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Нажмите кнопку для изменения управления.</source>
        <translation>Press a button to change the controls.</translation>
    </message>
    <message>
        <source>Нажмите клавишу</source>
        <translation>Press a Key</translation>
    </message>
    <message>
        <source>Нажмите клавишу, которую хотите</source>
        <translation>Press the key you want to use</translation>
    </message>
    <message>
        <source>использовать для выбранного действия.</source>
        <translation>for the chosen action.</translation>
    </message>
    <message>
        <source>Напишите своё имя</source>
        <translation>Enter Your Name</translation>
    </message>
    <message>
        <source>Вы стали рекордсменом всех времён! Напишите своё имя:</source>
        <translation>You are the all-time record holder! Enter your name:</translation>
    </message>
    <message>
        <source>About Zarnok</source>
        <translation>About Zarnok</translation>
    </message>
    <message>
        <source>Zarnok Version 1.4 (2005-2012 гг.)</source>
        <translation>Zarnok Version 1.4 (2005-2012)</translation>
    </message>
    <message>
        <source>Версия для Linux на Qt 6: команда Zarnok</source>
        <translation>Linux version on Qt 6: the Zarnok team</translation>
    </message>
    <message>
        <source>Нужное качество цветопередачи установится автоматически, но вы должны указать желаемое разрешение:</source>
        <translation>The colour quality will be set automatically, but you must choose the resolution you want:</translation>
    </message>
    <message>
        <source>Не менять разрешение экрана</source>
        <translation>Keep the screen resolution</translation>
    </message>
    <message>
        <source>800x600</source>
        <translation>800x600</translation>
    </message>
    <message>
        <source>Разрешение экрана 800x600 установить не удалось: %1 Игра продолжится при текущем разрешении.</source>
        <translation>Could not set the screen resolution to 800x600: %1 The game goes on at the current resolution.</translation>
    </message>
    <message>
        <source>в среде Wayland программы не могут менять разрешение экрана.</source>
        <translation>under Wayland, programs cannot change the screen resolution.</translation>
    </message>
    <message>
        <source>в этой графической среде программа не может менять разрешение экрана.</source>
        <translation>in this graphical environment the program cannot change the screen resolution.</translation>
    </message>
    <message>
        <source>X-сервер не умеет менять разрешение экрана (нет расширения RandR).</source>
        <translation>the X server cannot change the screen resolution (it has no RandR extension).</translation>
    </message>
    <message>
        <source>X-сервер не предлагает такого режима.</source>
        <translation>the X server offers no such mode.</translation>
    </message>
    <message>
        <source>X-сервер отказался сменить режим.</source>
        <translation>the X server refused to change the mode.</translation>
    </message>
    <message>
        <source>Не удалось перейти в папку игры «%1»: %2.</source>
        <translation>Could not enter the game folder “%1”: %2.</translation>
    </message>
    <message>
        <source>&amp;Язык / Language</source>
        <translation>Язык / &amp;Language</translation>
    </message>
    <message>
        <source>Выбрать язык игры</source>
        <translation>Choose the game&apos;s language</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл уровней «%1».</source>
        <translation>Could not read the level file “%1”.</translation>
    </message>
    <message>
        <source>Файл уровней «%1» повреждён: в нём не %2 байта.</source>
        <translation>The level file “%1” is damaged: it does not hold %2 bytes.</translation>
    </message>
    <message>
        <source>Не удалось создать папку игры «%1»: %2.</source>
        <translation>Could not create the game folder “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось создать папку игры «%1»: это не папка.</source>
        <translation>Could not create the game folder “%1”: it is not a folder.</translation>
    </message>
    <message>
        <source>Не удалось записать Data.dat в папку игры «%1»: %2.</source>
        <translation>Could not write Data.dat into the game folder “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать «%1»: это не обычный файл или он закрыт для чтения.</source>
        <translation>Could not read “%1”: it is not a regular file, or it cannot be read.</translation>
    </message>
    <message>
        <source>Не удалось обновить уровни в папке игры «%1»: %2.</source>
        <translation>Could not update the levels in the game folder “%1”: %2.</translation>
    </message>
    <message>
        <source>Не найдена папка для Data.dat: не заданы ни XDG_DATA_HOME, ни HOME.</source>
        <translation>No folder for Data.dat: neither XDG_DATA_HOME nor HOME is set.</translation>
    </message>
    <message>
        <source>игре нужен графический сеанс, а ни DISPLAY, ни WAYLAND_DISPLAY не заданы. Запустите её с рабочего стола или выберите платформу Qt переменной QT_QPA_PLATFORM (например, QT_QPA_PLATFORM=offscreen).</source>
        <translation>the game needs a graphical session, but neither DISPLAY nor WAYLAND_DISPLAY is set. Start it from the desktop, or choose a Qt platform with the QT_QPA_PLATFORM variable (for example, QT_QPA_PLATFORM=offscreen).</translation>
    </message>
    <message>
        <source>не удалось открыть графический сеанс. Запустите игру с рабочего стола или выберите платформу Qt переменной QT_QPA_PLATFORM (например, QT_QPA_PLATFORM=offscreen).</source>
        <translation>could not open the graphical session. Start the game from the desktop, or choose a Qt platform with the QT_QPA_PLATFORM variable (for example, QT_QPA_PLATFORM=offscreen).</translation>
    </message>
    <message>
        <source>Copyright (c) 2005-2012, 2026 The Zarnok team
Лицензия MIT (SPDX: MIT): &lt;https://opensource.org/license/mit&gt;
Это свободная программа: её можно изменять и распространять.
Никаких гарантий не предоставляется.
</source>
        <translation>Copyright (c) 2005-2012, 2026 The Zarnok team
MIT License (SPDX: MIT): &lt;https://opensource.org/license/mit&gt;
This is free software: you are free to change and redistribute it.
There is NO WARRANTY.
</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>stray argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--lang ждёт ru или en, а не «%1»</source>
        <translation>--lang wants ru or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Подробнее: %1 --help
</source>
        <translation>More: %1 --help
</translation>
    </message>
    <message>
        <source>Использование: %1 [ПАРАМЕТР]
Zarnok: солдат с автоматом Зарнокова идёт через шесть болотных уровней.

  --switch-display-mode  при выборе «800x600» действительно переключать
                         разрешение экрана через XRandR (по умолчанию
                         выключено)
  --lang ru|en           язык игры: русский или английский (по умолчанию
                         выбранный в меню, иначе язык рабочего стола)
      --play ФАЙЛ        показать записанную игру (записи каждой игры
                         лежат в папке replays/ рядом с Data.dat)
  -h, --help             показать эту справку и выйти
      --version          показать версию и лицензию и выйти

Файл уровней и рекорда Data.dat берётся из текущего каталога, если он там
есть; иначе из $XDG_DATA_HOME/zarnok/ (обычно ~/.local/share/zarnok/),
куда при первом запуске копируется поставляемый файл.
Выбранный язык хранится в $XDG_CONFIG_HOME/zarnok/zarnok.ini.
Платформу Qt можно выбрать переменной окружения QT_QPA_PLATFORM.
</source>
        <translation>Usage: %1 [OPTION]
Zarnok: a soldier with a Zarnokov rifle crosses six swamp levels.

  --switch-display-mode  make &quot;800x600&quot; really switch the screen's
                         resolution through XRandR (off by default)
  --lang ru|en           the game's language: Russian or English (by
                         default the one chosen in the menu, else the
                         desktop's)
      --play FILE        watch a recorded game (every game is recorded
                         in the replays/ folder beside Data.dat)
  -h, --help             show this help and exit
      --version          show the version and the licence and exit

The level and record file Data.dat is taken from the current directory if
it is there; otherwise from $XDG_DATA_HOME/zarnok/ (usually
~/.local/share/zarnok/), where the first start copies the shipped file.
The chosen language is kept in $XDG_CONFIG_HOME/zarnok/zarnok.ini.
The environment variable QT_QPA_PLATFORM chooses Qt's platform.
</translation>
    </message>
    <message>
        <source>параметру «--play» нужен файл записи</source>
        <translation>--play needs a recorded game to show</translation>
    </message>
    <message>
        <source>Журнал игры не записывается: нельзя создать папку %1</source>
        <translation>The game is not being recorded: cannot create the folder %1</translation>
    </message>
    <message>
        <source>Журнал игры не записывается: нельзя писать в файл %1</source>
        <translation>The game is not being recorded: cannot write the file %1</translation>
    </message>
    <message>
        <source>&amp;Смотреть запись...</source>
        <translation>&amp;Watch a Recording...</translation>
    </message>
    <message>
        <source>Посмотреть записанную игру из папки replays</source>
        <translation>Watch a recorded game from the replays folder</translation>
    </message>
    <message>
        <source>Смотреть &amp;игру рекордсмена</source>
        <translation>Watch the &amp;Record Holder's Game</translation>
    </message>
    <message>
        <source>Посмотреть игру, в которой был поставлен рекорд</source>
        <translation>Watch the game in which the record was set</translation>
    </message>
    <message>
        <source>Запись игры</source>
        <translation>Recorded Game</translation>
    </message>
    <message>
        <source>Записи игр (*.txt);;Все файлы (*)</source>
        <translation>Recorded games (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Запись не прочитать: %1</source>
        <translation>Cannot read the recording: %1</translation>
    </message>
    <message>
        <source>Запись больше 64 МиБ, это не запись игры: %1</source>
        <translation>The recording is larger than 64 MiB; it is not a recorded game: %1</translation>
    </message>
    <message>
        <source>Запись повреждена: %1: %2</source>
        <translation>The recording is damaged: %1: %2</translation>
    </message>
    <message>
        <source>Нет файла Data.dat, на котором её показать.</source>
        <translation>There is no Data.dat to show it on.</translation>
    </message>
    <message>
        <source>Запись сделана на других уровнях (уровни %1), а в Data.dat этой игры уровни %2. Показать её нельзя.</source>
        <translation>The recording was made on other levels (levels %1), but this game's Data.dat holds levels %2. It cannot be shown.</translation>
    </message>
    <message>
        <source>Запись: такт %1 из %2</source>
        <translation>Recording: tick %1 of %2</translation>
    </message>
    <message>
        <source>Запись окончена на такте %1: все проверки (%2) совпали.</source>
        <translation>The recording ended at tick %1: all checks (%2) matched.</translation>
    </message>
    <message>
        <source>Запись окончена: мир разошёлся с записью, первое расхождение на такте %1.</source>
        <translation>The recording ended: the world parted from the recording, first at tick %1.</translation>
    </message>
    <message>
        <source>Запись окончена на такте %1 (старая запись, без проверок).</source>
        <translation>The recording ended at tick %1 (an old recording, without checks).</translation>
    </message>
</context>
<context>
    <name>EditorTexts</name>
    <message>
        <source>Редактор уровней Zarnok</source>
        <translation>Zarnok Level Editor</translation>
    </message>
    <message>
        <source>без имени</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Новый уровень</source>
        <translation>&amp;New Level</translation>
    </message>
    <message>
        <source>&amp;Открыть...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Экспорт в Data.dat...</source>
        <translation>&amp;Export to Data.dat...</translation>
    </message>
    <message>
        <source>&amp;Установить в игру</source>
        <translation>&amp;Install into the Game</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Вы&amp;резать</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Вст&amp;авить</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Выделить &amp;всё</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Крупнее</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>&amp;Мельче</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>&amp;Весь уровень</source>
        <translation>&amp;Fit the Level</translation>
    </message>
    <message>
        <source>&amp;Сетка</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>Шаг сетки:</source>
        <translation>Grid step:</translation>
    </message>
    <message>
        <source>&amp;Разметка</source>
        <translation>&amp;Marks</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Играть с начала</source>
        <translation>&amp;Play from the Start</translation>
    </message>
    <message>
        <source>Играть от &amp;указателя</source>
        <translation>Play from the &amp;Pointer</translation>
    </message>
    <message>
        <source>Элементы</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Таблицы</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Вид:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Код вида:</source>
        <translation>Kind byte:</translation>
    </message>
    <message>
        <source>Таймер:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Жизнь:</source>
        <translation>Alive:</translation>
    </message>
    <message>
        <source>Направление:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Взгляд:</source>
        <translation>Facing:</translation>
    </message>
    <message>
        <source>Ничего не выделено</source>
        <translation>Nothing selected</translation>
    </message>
    <message>
        <source>Сдвиг</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Выделено: %1</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>Замечаний нет</source>
        <translation>No findings</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Уступ</source>
        <translation>Ledge</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Раптор</source>
        <translation>Raptor</translation>
    </message>
    <message>
        <source>Раптор, включён</source>
        <translation>Raptor, switched on</translation>
    </message>
    <message>
        <source>Платформа</source>
        <translation>Platform</translation>
    </message>
    <message>
        <source>Цветок</source>
        <translation>Flower</translation>
    </message>
    <message>
        <source>Куст</source>
        <translation>Shrub</translation>
    </message>
    <message>
        <source>Ель</source>
        <translation>Conifer</translation>
    </message>
    <message>
        <source>Камыш</source>
        <translation>Bulrush</translation>
    </message>
    <message>
        <source>Лиана</source>
        <translation>Vine</translation>
    </message>
    <message>
        <source>Свисающие лианы</source>
        <translation>Hanging vines</translation>
    </message>
    <message>
        <source>Дерево</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>Украшение</source>
        <translation>Decoration</translation>
    </message>
    <message>
        <source>Микросхема</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Кристалл</source>
        <translation>Crystal</translation>
    </message>
    <message>
        <source>Тюльпан</source>
        <translation>Tulip</translation>
    </message>
    <message>
        <source>Монета</source>
        <translation>Coin</translation>
    </message>
    <message>
        <source>Репеллент</source>
        <translation>Repellent</translation>
    </message>
    <message>
        <source>Клубника</source>
        <translation>Strawberry</translation>
    </message>
    <message>
        <source>Приз</source>
        <translation>Pickup</translation>
    </message>
    <message>
        <source>%1 (%2 очков)</source>
        <translation>%1 (%2 points)</translation>
    </message>
    <message>
        <source>Гнездо</source>
        <translation>Nest</translation>
    </message>
    <message>
        <source>Комар, влево</source>
        <translation>Mosquito, to the left</translation>
    </message>
    <message>
        <source>Комар, вправо</source>
        <translation>Mosquito, to the right</translation>
    </message>
    <message>
        <source>Комар</source>
        <translation>Mosquito</translation>
    </message>
    <message>
        <source>влево</source>
        <translation>left</translation>
    </message>
    <message>
        <source>вправо</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Платформы: %1 из %2</source>
        <translation>Platforms: %1 of %2</translation>
    </message>
    <message>
        <source>Украшения: %1 из %2</source>
        <translation>Decorations: %1 of %2</translation>
    </message>
    <message>
        <source>Призы: %1 из %2</source>
        <translation>Pickups: %1 of %2</translation>
    </message>
    <message>
        <source>Гнёзда: %1 из %2</source>
        <translation>Nests: %1 of %2</translation>
    </message>
    <message>
        <source>Комары: %1 из %2</source>
        <translation>Mosquitoes: %1 of %2</translation>
    </message>
    <message>
        <source>Нельзя: таблица заполнена (%1 из %1)</source>
        <translation>Refused: the table is full (%1 of %1)</translation>
    </message>
    <message>
        <source>Нельзя: %1</source>
        <translation>Refused: %1</translation>
    </message>
    <message>
        <source>Сохранено: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Сохранено: %1; замечаний проверки: %2</source>
        <translation>Saved: %1; check findings: %2</translation>
    </message>
    <message>
        <source>Data.dat записан: %1</source>
        <translation>Data.dat written: %1</translation>
    </message>
    <message>
        <source>Уровни установлены в %1</source>
        <translation>Levels installed into %1</translation>
    </message>
    <message>
        <source>Игра: Esc возвращает в редактор</source>
        <translation>Playing: Esc returns to the editor</translation>
    </message>
    <message>
        <source>Масштаб %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Уровень изменён. Сохранить изменения?</source>
        <translation>The level has changed. Save the changes?</translation>
    </message>
    <message>
        <source>Редактор закрылся, не сохранив уровень. Восстановить последнюю копию?</source>
        <translation>The editor closed without saving the level. Restore the last copy?</translation>
    </message>
    <message>
        <source>Не удалось открыть %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>%1 не уровень: %2</source>
        <translation>%1 is not a level: %2</translation>
    </message>
    <message>
        <source>в файле %1 байт, а в полном Data.dat %2</source>
        <translation>the file has %1 bytes, a complete Data.dat has %2</translation>
    </message>
    <message>
        <source>Не удалось сохранить %1: %2. Прежний файл не изменён.</source>
        <translation>Could not save %1: %2. The old file is unchanged.</translation>
    </message>
    <message>
        <source>Не удалось установить уровни: %1</source>
        <translation>Could not install the levels: %1</translation>
    </message>
    <message>
        <source>Какой уровень открыть?</source>
        <translation>Which level to open?</translation>
    </message>
    <message>
        <source>Место уровня в Data.dat (1-6):</source>
        <translation>The level's place in Data.dat (1-6):</translation>
    </message>
    <message>
        <source>Уровень %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Уровни (*.txt *.dat);;Все файлы (*)</source>
        <translation>Levels (*.txt *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>Исходник уровня (*.txt)</source>
        <translation>Level source (*.txt)</translation>
    </message>
    <message>
        <source>Файл уровней (*.dat)</source>
        <translation>Level file (*.dat)</translation>
    </message>
    <message>
        <source>нет Data.dat, из которого взять остальные уровни</source>
        <translation>there is no Data.dat to take the other levels from</translation>
    </message>
    <message>
        <source>Использование: zarnok-editor [--lang ru|en] [ФАЙЛ]
Редактор уровней игры Zarnok. ФАЙЛ -- исходник уровня (.txt) или Data.dat.

  --lang ru|en  язык окна
  --help        эта справка
  --version     версия программы
</source>
        <translation>Usage: zarnok-editor [--lang ru|en] [FILE]
The level editor of the game Zarnok. FILE is a level source (.txt) or a Data.dat.

  --lang ru|en  the window's language
  --help        this help
  --version     the program's version
</translation>
    </message>
</context>
</TS>
