#include "project/ProjectCommands.h"

#include "project/ProjectFile.h"

namespace kadro {

namespace {

FileRequest projectRequest(FileRequest::Mode mode, const std::string& initialName) {
    return FileRequest{mode, "prg", projectFilter, initialName};
}

// Writes the model under a new path; the model keeps its old path and label when that fails.
bool writeAs(ProjectModel& model, const std::string& path, UserInterface& ui) {
    const std::string oldPath = model.projectPath;
    model.projectPath = path;
    model.labelRootWithPath();
    if (writeProjectFile(model, path, ui))
        return true;
    model.projectPath = oldPath;
    model.labelRootWithPath();
    return false;
}

} // namespace

bool newProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                UserInterface& ui) {
    const auto path = files.ask(projectRequest(FileRequest::Mode::Save, model.projectPath));
    if (!path)
        return false;
    ProjectModel fresh;
    fresh.projectPath = *path;
    fresh.tree.insertLast(noEntry, *path, static_cast<std::uint8_t>(EntryKind::Root), 0);
    if (!writeProjectFile(fresh, *path, ui))
        return false;
    model = std::move(fresh);
    settings.writeString(prgPathKey, *path);
    return true;
}

bool loadProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                 UserInterface& ui) {
    const auto path = files.ask(projectRequest(FileRequest::Mode::Open, {}));
    if (!path)
        return false;
    const bool loaded = readProjectFile(model, *path, ui) != 0;
    if (loaded) {
        model.projectPath = *path;
        settings.writeString(prgPathKey, *path);
    }
    model.labelRootWithPath();
    return loaded;
}

bool saveProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                 UserInterface& ui) {
    if (model.projectPath != untitledProjectPath)
        return writeProjectFile(model, model.projectPath, ui);
    return saveProjectAs(model, files, settings, ui);
}

bool saveProjectAs(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                   UserInterface& ui) {
    const auto path = files.ask(projectRequest(FileRequest::Mode::Save, model.projectPath));
    if (!path || !writeAs(model, *path, ui))
        return false;
    settings.writeString(prgPathKey, *path);
    return true;
}

void startUpProject(ProjectModel& model, const SettingsStore& settings, UserInterface& ui) {
    if (model.tree.empty()) {
        model.clear();
        model.tree.insertLast(noEntry, startUpRootLabel, static_cast<std::uint8_t>(EntryKind::Root),
                              0);
    }
    if (const auto stored = settings.readString(prgPathKey)) {
        model.projectPath = *stored;
        readProjectFile(model, *stored, ui);
    }
    model.labelRootWithPath();
}

ProjectOutputReport outputProject(ProjectModel& model, FileChooser& files, SettingsStore& settings,
                                  UserInterface& ui) {
    if (!saveProject(model, files, settings, ui) ||
        readProjectFile(model, model.projectPath, ui) == 0)
        return {};
    model.labelRootWithPath();
    return writeProjectOutput(model.records(), projectOutputDirectory(model.projectPath), ui);
}

} // namespace kadro
