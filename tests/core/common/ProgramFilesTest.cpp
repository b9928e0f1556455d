#include "TempDir.h"

#include "common/FileIo.h"
#include "common/ProgramFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace kadro;
using programfiles::Room;

namespace {

struct Prefix {
    test::TempDir dir;
    std::string bin = dir.file("bin"), lib = dir.file("bin/../lib/kadro"),
                share = dir.file("bin/../share/kadro");
    Prefix() {
        for (const auto& folder : {bin, lib, share})
            std::filesystem::create_directories(folder);
    }
    void put(const std::string& folder, const std::string& name) {
        ASSERT_TRUE(fileio::writeFile(folder + "/" + name, {}, nullptr));
    }
};

} // namespace

TEST(ProgramFiles, BesideTheProgramFirstThenTheInstallFolderOfTheRoom) {
    Prefix p;
    p.put(p.lib, "PNGMODULE.so");
    p.put(p.share, "Hsl2rgb.tab");
    EXPECT_EQ(programfiles::locate(p.bin, "PNGMODULE.so", Room::Library), p.lib + "/PNGMODULE.so");
    EXPECT_EQ(programfiles::locate(p.bin, "Hsl2rgb.tab", Room::Data), p.share + "/Hsl2rgb.tab");
    // Each room has its own folder: a table is not looked for among the modules.
    EXPECT_EQ(programfiles::locate(p.bin, "Hsl2rgb.tab", Room::Library), p.bin + "/Hsl2rgb.tab");

    // A copy beside the program wins, as in a build folder.
    p.put(p.bin, "PNGMODULE.so");
    EXPECT_EQ(programfiles::locate(p.bin, "PNGMODULE.so", Room::Library), p.bin + "/PNGMODULE.so");
    // Missing everywhere: beside the program, where the messages say it belongs.
    EXPECT_EQ(programfiles::folderOf(p.bin, "Rom.b00", Room::Library), p.bin);
}

TEST(ProgramFiles, AnInstalledProgramWritesItsOwnFilesForTheUser) {
    Prefix p;
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved ? saved : "";
    setenv("XDG_DATA_HOME", p.dir.file("data").c_str(), 1);

    // A build folder keeps everything beside the program.
    test::TempDir build;
    EXPECT_EQ(programfiles::ownOutputFolder(build.path().string()), build.path().string());
    // Installed: the template lies in lib/kadro, and the program's folder is the system's.
    p.put(p.lib, "Rom.b00");
    EXPECT_EQ(programfiles::ownOutputFolder(p.bin), p.dir.file("data") + "/kadro");
    EXPECT_TRUE(std::filesystem::is_directory(p.dir.file("data/kadro")));
    // A program copied together with its template counts as a build folder.
    p.put(p.bin, "Rom.b00");
    EXPECT_EQ(programfiles::ownOutputFolder(p.bin), p.bin);

    if (saved)
        setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}
