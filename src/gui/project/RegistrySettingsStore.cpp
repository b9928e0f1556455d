#include "project/RegistrySettingsStore.h"

#include "app/CKadroApp.h"
#include "app/RegistryKey.h"

namespace kadro::gui {

namespace {
QString keyPath() {
    return QStringLiteral("Software\\") + CKadroApp::settingsName;
}
} // namespace

std::optional<std::string> RegistrySettingsStore::readString(const std::string& key) const {
    RegistryKey registry;
    QString text;
    if (!registry.open(keyPath()) || !registry.readString(QString::fromStdString(key), text))
        return std::nullopt;
    return text.toStdString();
}

void RegistrySettingsStore::writeString(const std::string& key, const std::string& value) {
    RegistryKey registry;
    if (registry.open(keyPath()))
        registry.writeString(QString::fromStdString(key), QString::fromStdString(value));
}

} // namespace kadro::gui
