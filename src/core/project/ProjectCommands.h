#pragma once

#include "common/UserInterface.h"
#include "project/ProjectModel.h"
#include "project/ProjectOutput.h"

#include <optional>
#include <string>

namespace kadro {

// The file question of a project command: open or save, the extension and the filter.
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string defaultExtension;
    std::string filter; // "Description(*.ext)|*.ext||"
    std::string initialName;
};

// Whoever answers a FileRequest with a path: the desktop program shows a file dialog.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing for Cancel.
    virtual std::optional<std::string> ask(const FileRequest& request) = 0;
};

// Where the last project's path is remembered between runs.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> readString(const std::string& key) const = 0;
    virtual void writeString(const std::string& key, const std::string& value) = 0;
};

inline constexpr const char* prgPathKey = "PRGPath";
inline constexpr const char* projectFilter = "工程文件(*.prg)|*.prg||";
inline constexpr const char* startUpRootLabel = "工程";

// New Project: asks for the new file first, so Cancel leaves the current project untouched;
// then an empty project with only the root is written there and remembered.
bool newProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                UserInterface& ui);
// Load: a successful read makes the file the current project and remembers it.
bool loadProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                 UserInterface& ui);
// Save: writes to the project's path without asking, or behaves as Save As when untitled.
bool saveProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                 UserInterface& ui);
// Save As: the new path is adopted only when the file was written.
bool saveProjectAs(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                   UserInterface& ui);
// First display of the tree: a root entry, then the remembered project when there is one. A
// remembered file that cannot be read is reported and the root stays alone.
void startUpProject(ProjectModel& model, const SettingsStore& settings, UserInterface& ui);
// Output: saves the project as Save does, reads it back so that the records are exactly the
// tree's entries in tree order, and writes the project output beside the project file.
ProjectOutputReport outputProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                                  UserInterface& ui);

} // namespace kadro
