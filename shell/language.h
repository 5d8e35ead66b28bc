// language.h -- the game's two languages: which one it speaks, and a text of
// game/texts.h or shell/shell_texts.h in the language in use.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string_view>

class QTranslator;

enum class Language { Russian, English };

// "ru" or "en", as the command line and the settings spell them.
std::optional<Language> LanguageFromCode(std::string_view code);
const char* LanguageCode(Language language);

// The first of the desktop's interface languages that is Russian or
// English; Russian when the messages' locale is C or POSIX (LANGUAGE does
// not count then, as with gettext) and when none matches.
Language DesktopLanguage(const QString& localeName, const QStringList& uiLanguages);

// The player's choice from the menu, kept in $XDG_CONFIG_HOME/zarnok/zarnok.ini.
std::optional<Language> RememberedLanguage();
void RememberLanguage(Language language);

// What a start of the game speaks: --lang, else the remembered choice,
// else the desktop's language. Needs no application object.
Language StartLanguage(std::optional<Language> commandLine);

// A source text in the language in use. Without a translation in use, or
// for a text the translation does not know (a number, a name), the source
// itself comes back.
QString GameText(std::string_view source);
QString ShellText(std::string_view source);

// A source text in `language`, whatever the application uses; needs no
// application object, for what is said before the window exists.
QString TextIn(Language language, const char* context, std::string_view source);

// The translation the whole application uses: none for Russian, the built-in
// English one for English. Changing it sends every widget a LanguageChange.
class LanguageSwitch {
public:
    LanguageSwitch();
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // False when the translation cannot be loaded; the language stays as it was.
    bool Use(Language language);
    Language Current() const { return current_; }

private:
    std::unique_ptr<QTranslator> translator_;
    Language current_ = Language::Russian;
};
