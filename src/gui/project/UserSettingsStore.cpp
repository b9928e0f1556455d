#include "project/UserSettingsStore.h"

#include "app/UserSettings.h"

namespace kadro::gui {

std::optional<std::string> UserSettingsStore::readString(const std::string& key) const {
    const QVariant stored = userSettings().value(QString::fromStdString(key));
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString().toStdString();
}

void UserSettingsStore::writeString(const std::string& key, const std::string& value) {
    userSettings().setValue(QString::fromStdString(key), QString::fromStdString(value));
}

} // namespace kadro::gui
