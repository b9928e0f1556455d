#include "app/RegistryKey.h"

#include <QSettings>

namespace kadro::gui {

namespace {
constexpr int statusInvalidHandle = 6;
} // namespace

RegistryKey::RegistryKey() = default;
RegistryKey::~RegistryKey() {
    close();
}

bool RegistryKey::record(int status, int type, int size) {
    lastStatus_ = status;
    lastType_ = type;
    lastSize_ = size;
    return status == statusOk;
}

bool RegistryKey::open(const QString& subKey) {
    close();
    subKeyPath_ = subKey;
    QStringList parts = QString(subKey)
                            .replace(QLatin1Char('\\'), QLatin1Char('/'))
                            .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() < 2 || parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive))
        return record(statusNotFound, 0, 0);
    settings_ =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, parts[1]);
    const QString group = parts.mid(2).join(QLatin1Char('/'));
    if (!group.isEmpty())
        settings_->beginGroup(group);
    return record(statusOk, 0, 0);
}

bool RegistryKey::hasValue(const QString& name) {
    if (!settings_)
        return record(statusInvalidHandle, 0, 0);
    return record(settings_->contains(name) ? statusOk : statusNotFound, 0, 0);
}

bool RegistryKey::readDword(const QString& name, std::int32_t& value) {
    if (!settings_)
        return record(statusInvalidHandle, 0, 0);
    const QVariant stored = settings_->value(name);
    bool ok = false;
    const qlonglong number = stored.toLongLong(&ok);
    if (!stored.isValid() || !ok)
        return record(statusNotFound, 0, 0);
    value = static_cast<std::int32_t>(number);
    return record(statusOk, typeDword, 4);
}

bool RegistryKey::readString(const QString& name, QString& text) {
    if (!settings_)
        return record(statusInvalidHandle, 0, 0);
    const QVariant stored = settings_->value(name);
    if (!stored.isValid())
        return record(statusNotFound, 0, 0);
    text = stored.toString();
    return record(statusOk, typeString, static_cast<int>(text.toUtf8().size()) + 1);
}

bool RegistryKey::writeDword(const QString& name, std::int32_t value) {
    if (!settings_)
        return record(statusInvalidHandle, typeDword, 4);
    settings_->setValue(name, value);
    settings_->sync();
    return record(settings_->status() == QSettings::NoError ? statusOk : statusInvalidHandle,
                  typeDword, 4);
}

bool RegistryKey::writeString(const QString& name, const QString& text) {
    const int size = static_cast<int>(text.toUtf8().size()) + 1;
    if (!settings_)
        return record(statusInvalidHandle, typeString, size);
    settings_->setValue(name, text);
    settings_->sync();
    return record(settings_->status() == QSettings::NoError ? statusOk : statusInvalidHandle,
                  typeString, size);
}

void RegistryKey::close() {
    settings_.reset();
}

} // namespace kadro::gui
