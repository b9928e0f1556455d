#pragma once

#include "project/ProjectCommands.h"

namespace kadro::gui {

// The project's remembered values in the user's settings "Software\KADRO".
class RegistrySettingsStore : public SettingsStore {
public:
    std::optional<std::string> readString(const std::string& key) const override;
    void writeString(const std::string& key, const std::string& value) override;
};

} // namespace kadro::gui
