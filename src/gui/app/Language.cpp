#include "app/Language.h"

#include "BuiltInTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <optional>

namespace kadro::gui {

using translation::Language;

namespace {

struct Installed {
    Language language = Language::Original;
    std::optional<translation::Catalog> catalog;
    QTranslator own;
    QTranslator qt;
};

Installed& installed() {
    static Installed state;
    return state;
}

} // namespace

Language languageOfSetting(const QString& value) {
    if (value == QLatin1String("original"))
        return Language::Original;
    if (value == QLatin1String("english"))
        return Language::English;
    if (value == QLatin1String("chinese"))
        return Language::Chinese;
    return translation::languageOfEnvironment();
}

QString settingOfLanguage(Language language) {
    switch (language) {
    case Language::Original:
        return QStringLiteral("original");
    case Language::English:
        return QStringLiteral("english");
    case Language::Chinese:
        return QStringLiteral("chinese");
    }
    return QStringLiteral("system");
}

Language chosenLanguage(const QSettings& settings) {
    return languageOfSetting(languageSetting.read(settings));
}

void useLanguage(Language language) {
    Installed& state = installed();
    QCoreApplication::removeTranslator(&state.own);
    QCoreApplication::removeTranslator(&state.qt);
    state.language = language;
    state.catalog.reset();
    if (language == Language::Original)
        return;
    state.catalog.emplace(translation::builtInEntries(language));
    const QString own = language == Language::Chinese ? QStringLiteral(":/i18n/kadro_zh_CN.qm")
                                                      : QStringLiteral(":/i18n/kadro_en.qm");
    if (state.own.load(own))
        QCoreApplication::installTranslator(&state.own);
    // Qt's own buttons and dialogs are English already; Chinese comes with Qt when installed.
    if (language == Language::Chinese &&
        state.qt.load(QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&state.qt);
}

Language languageInUse() {
    return installed().language;
}

QString trCore(std::string_view text) {
    const auto& catalog = installed().catalog;
    const std::string shown = catalog ? catalog->message("core", text) : std::string(text);
    return QString::fromStdString(shown);
}

} // namespace kadro::gui
