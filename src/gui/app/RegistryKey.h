#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QSettings;

namespace kadro::gui {

// One open key of the user's settings with typed reads and writes. "Software\KADRO" is the
// settings of the application named KADRO (the registry on Windows, a config file elsewhere);
// keys below it are groups. Every call records its status, value type and size, as callers of
// the registry expect; 0 is success.
class RegistryKey {
public:
    static constexpr int statusOk = 0;
    static constexpr int statusNotFound = 2;
    static constexpr int typeString = 1;
    static constexpr int typeDword = 4;

    RegistryKey();
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool open(const QString& subKey);
    bool hasValue(const QString& name);
    bool readDword(const QString& name, std::int32_t& value);
    bool readString(const QString& name, QString& text);
    bool writeDword(const QString& name, std::int32_t value);
    bool writeString(const QString& name, const QString& text);
    void close();

    bool isOpen() const { return settings_ != nullptr; }
    QString subKeyPath() const { return subKeyPath_; }
    int lastStatus() const { return lastStatus_; }
    int lastType() const { return lastType_; }
    int lastSize() const { return lastSize_; }

private:
    bool record(int status, int type, int size);

    std::unique_ptr<QSettings> settings_;
    QString subKeyPath_;
    int lastStatus_ = statusOk;
    int lastType_ = 0;
    int lastSize_ = 0;
};

} // namespace kadro::gui
