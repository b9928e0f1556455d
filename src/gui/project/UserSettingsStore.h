#pragma once

#include "project/ProjectCommands.h"

namespace kadro::gui {

// The project's remembered values ("PRGPath") in the user's settings.
class UserSettingsStore : public SettingsStore {
public:
    std::optional<std::string> readString(const std::string& key) const override;
    void writeString(const std::string& key, const std::string& value) override;
};

} // namespace kadro::gui
