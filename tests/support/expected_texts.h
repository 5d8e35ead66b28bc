// expected_texts.h -- the tests' own copy of every text the engine and the
// shell show.
//
// Written out here once, independently of the game and in a form of its own
// (a table read by name, where the game has named constants), so a text
// changed by mistake in the game fails the tests that show it.
#pragma once

#include <string>
#include <string_view>

// One text a line: its name, then the text between the first and the last
// double quote of the line, inner quotes included.
inline constexpr std::string_view ExpectedTextTable = R"table(
GameTitle "Zarnok"
ColourDepthCaption "ВНИМАНИЕ!!!"
ColourDepthText "Игре необходимо качество цветопередачи 32 бита. У вас установлено иное качество цветопередачи. Более подробно об этом читайте в файле "ReadMe.txt". Чтобы продолжить игру установите качество цветопередачи в 32 бита и нажмите "Да". Для выхода из игры нажмите "Нет"."
DeathAtNestText "Осторожно, в болотах очень много комаров!"
DeathBittenText "Вас насмерть закусали комары."
DeathFellText "Вы упали в бездонную яму."
AdvertCaption "Реклама"
RepellentAdvertText "Москитол. Потому и не кусают."
RaptorAdvertText "Раптор. Проверено. Насекомых нет."
VictoryCaption "Победа"
VictoryText "Поздравляю победителя!"
PlayAgainCaption "Вопрос"
PlayAgainText "Хотите начать игру заново?"
SponsorText "Спонсор игры - автомат Зарнокова. Автомат Зарнокова - лучшее средство от современных комаров."
ErrorCaption "Ошибка"
OpenFailedText "Не удалось открыть файл "Data.dat""
LevelCutTextStart "Файл "Data.dat" повреждён или неполон: в нём нет уровня "
LevelCutTextEnd " целиком."
BestUnreadableText "Не удалось прочитать рекорд из файла "Data.dat"."
NoBestRecordText "В файле "Data.dat" нет рекорда."
WriteOpenFailedText "Не удалось открыть файл "Data.dat" для записи."
WriteShortFileText "Файл "Data.dat" повреждён или неполон, рекорд не записан."
WriteFailedText "Не удалось записать рекорд в файл "Data.dat"."
BestPlayerCaption "Лучший игрок"
ScoredText " набрал(а) "
HudHealthLabel "Жизнь:"
HudScoreLabel "Очки:"
DocumentTitle "Игра"
GameMenuText "&Игра"
NewItemText "&Новая"
NewPromptText "Начать новую игру"
PauseText "Пауза"
BestPlayerItemText "&Лучший игрок"
BestPlayerPromptText "Посмотреть имя и результат лучшего игрока"
ExitItemText "В&ыход"
ExitPromptText "Выйти из игры"
SettingsMenuText "&Настройки"
ControlsItemText "&Управление"
ControlsTitle "Настройка управления"
SoundsItemText "Звуки"
SoundsPromptText "Вкл\выкл звука"
HelpMenuText "&Помощь"
AboutItemText "&About Zarnok..."
AboutPromptText "Показать имя автора и версию программы"
IdlePromptText "Ready"
CapsLampText "CAP"
NumLampText "NUM"
ScrollLampText "SCRL"
OkText "OK"
YesText "&Да"
NoText "&Нет"
PausedText "Игра приостановлена..."
LeftButtonText "Влево"
RightButtonText "Вправо"
UpButtonText "Вверх"
DownButtonText "Вниз"
JumpButtonText "Прыжок"
FireButtonText "Огонь"
ControlsHintText "Нажмите кнопку для изменения управления."
PressKeyTitle "Нажмите клавишу"
PressKeyFirstLine "Нажмите клавишу, которую хотите"
PressKeySecondLine "использовать для выбранного действия."
NameTitle "Напишите своё имя"
NamePromptText "Вы стали рекордсменом всех времён! Напишите своё имя:"
AboutTitle "About Zarnok"
VersionText "Zarnok Version 1.4 (2005-2012 гг.)"
CreditText "Версия для Linux на Qt 6: команда Zarnok"
ResolutionQuestionText "Нужное качество цветопередачи установится автоматически, но вы должны указать желаемое разрешение:"
KeepResolutionText "Не менять разрешение экрана"
SmallResolutionText "800x600"
SwitchFailedHead "Разрешение экрана 800x600 установить не удалось: "
SwitchFailedTail " Игра продолжится при текущем разрешении."
WaylandRefusesText "в среде Wayland программы не могут менять разрешение экрана."
PlatformRefusesText "в этой графической среде программа не может менять разрешение экрана."
NoRandRText "X-сервер не умеет менять разрешение экрана (нет расширения RandR)."
NoSuchModeText "X-сервер не предлагает такого режима."
ModeRefusedText "X-сервер отказался сменить режим."
LanguageMenuText "&Язык / Language"
)table";

// The text of that name in the table; throws std::out_of_range for a name
// the table does not hold, so a misspelt name fails its test.
std::string ExpectedText(std::string_view name);
