// language.cpp -- choosing the game's language and translating its texts.
#include "shell/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <string>

namespace {

constexpr char EnglishCatalogue[] = ":/i18n/zarnok_en.qm";
constexpr char LanguageKey[] = "language";

QSettings PlayerSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zarnok"),
                     QStringLiteral("zarnok"));
}

// The locale messages are shown in, as the C library reads it; "C.UTF-8"
// counts as "C". The desktop's language list means nothing under it.
QString MessagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value.section(QLatin1Char('.'), 0, 0);
    }
    return QStringLiteral("C");
}

QString Translated(const char* context, std::string_view source) {
    const std::string text(source);  // translate() wants the terminating zero
    return QCoreApplication::translate(context, text.c_str());
}

}  // namespace

std::optional<Language> LanguageFromCode(std::string_view code) {
    if (code == "ru") return Language::Russian;
    if (code == "en") return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ru"; }

Language DesktopLanguage(const QString& localeName, const QStringList& uiLanguages) {
    // The C locale asks for no language at all; LANGUAGE does not count then.
    if (localeName == QLatin1String("C") || localeName == QLatin1String("POSIX"))
        return Language::Russian;
    for (const QString& name : uiLanguages) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (const auto language = LanguageFromCode(code.toLower().toStdString())) return *language;
    }
    return Language::Russian;
}

std::optional<Language> RememberedLanguage() {
    return LanguageFromCode(PlayerSettings().value(LanguageKey).toString().toStdString());
}

void RememberLanguage(Language language) {
    PlayerSettings().setValue(LanguageKey, QString::fromLatin1(LanguageCode(language)));
}

Language StartLanguage(std::optional<Language> commandLine) {
    if (commandLine) return *commandLine;
    if (const auto remembered = RememberedLanguage()) return *remembered;
    return DesktopLanguage(MessagesLocale(), QLocale::system().uiLanguages());
}

QString GameText(std::string_view source) { return Translated("GameTexts", source); }
QString ShellText(std::string_view source) { return Translated("ShellTexts", source); }

QString TextIn(Language language, const char* context, std::string_view source) {
    const QByteArray key(source.data(), qsizetype(source.size()));
    if (language == Language::Russian) return QString::fromUtf8(key);
    static QTranslator english;
    static const bool loaded = english.load(QString::fromLatin1(EnglishCatalogue));
    const QString translated = loaded ? english.translate(context, key.constData()) : QString();
    return translated.isEmpty() ? QString::fromUtf8(key) : translated;
}

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

bool LanguageSwitch::Use(Language language) {
    if (language == current_) return true;
    std::unique_ptr<QTranslator> next;
    if (language == Language::English) {
        next = std::make_unique<QTranslator>();
        if (!next->load(QString::fromLatin1(EnglishCatalogue))) return false;
    }
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    translator_ = std::move(next);
    if (translator_) QCoreApplication::installTranslator(translator_.get());
    current_ = language;
    return true;
}
