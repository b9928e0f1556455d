#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

namespace kadro::gui {

// The user's settings, kept under the application name "KADRO" (~/.config/KADRO.conf on Linux,
// the registry's Software\KADRO on Windows).
inline const QString settingsName = QStringLiteral("KADRO");

inline QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, settingsName);
}

// One value of the user's settings with its type: the key ("Group/Name" for one in a group) and
// what it reads as while none is stored. Each is declared beside the code that uses it.
template <typename T> struct Setting {
    QString key;
    T fallback{};

    T read() const { return read(userSettings()); }
    T read(const QSettings& settings) const {
        return settings.value(key, QVariant::fromValue(fallback)).template value<T>();
    }
    bool isStored() const { return userSettings().contains(key); }
    void write(const T& value) const { userSettings().setValue(key, QVariant::fromValue(value)); }
};

} // namespace kadro::gui
