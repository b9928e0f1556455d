#include "common/ProgramFiles.h"

#include "common/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace kadro::programfiles {

namespace {

bool isFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// Installed: nothing of the program's own beside it, its library folder above.
bool installed(const std::string& programDirectory) {
    std::error_code ec;
    return !isFile(paths::join(programDirectory, "Rom.b00")) &&
           std::filesystem::is_directory(
               paths::join(programDirectory, installFolder(Room::Library)), ec);
}

std::string userDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/')
        return paths::join(data, "kadro");
    const char* home = std::getenv("HOME");
    return paths::join(paths::join(home ? home : "", ".local/share"), "kadro");
}

} // namespace

std::string_view installFolder(Room room) {
    return room == Room::Library ? "../lib/kadro" : "../share/kadro";
}

std::string folderOf(const std::string& programDirectory, std::string_view name, Room room) {
    if (isFile(paths::join(programDirectory, name)))
        return programDirectory;
    const std::string installed = paths::join(programDirectory, installFolder(room));
    if (isFile(paths::join(installed, name)))
        return installed;
    return programDirectory;
}

std::string locate(const std::string& programDirectory, std::string_view name, Room room) {
    return paths::join(folderOf(programDirectory, name, room), name);
}

std::string ownOutputFolder(const std::string& programDirectory) {
    if (!installed(programDirectory))
        return programDirectory;
    const std::string folder = userDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

} // namespace kadro::programfiles
