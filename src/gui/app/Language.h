#pragma once

#include "app/UserSettings.h"
#include "common/Translation.h"

#include <QString>

#include <string_view>

namespace kadro::gui {

// The language setting under the program's settings: "system" (the locale decides, as when it
// is missing), "original" (the system's own texts), "english" or "chinese".
inline const Setting<QString> languageSetting{QStringLiteral("Language")};

translation::Language languageOfSetting(const QString& value);
QString settingOfLanguage(translation::Language language);
// The language the settings ask for, the locale's when they leave it to the system.
translation::Language chosenLanguage(const QSettings& settings);

// Shows every text from now on in the language: the desktop program's own, Qt's (buttons of
// message boxes, file dialogs) and the core's messages. The original texts need no translation.
void useLanguage(translation::Language language);
translation::Language languageInUse();

// A message of the core, or a text the core keeps for the windows, in the language in use.
QString trCore(std::string_view text);

} // namespace kadro::gui
