#include "RunCli.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using kadro::test::runProgram;

// Installed into a prefix, the programs find their modules, tables and ROM template there and
// keep nothing but themselves in bin.
TEST(InstallCli, AnInstalledProgramFindsItsFilesInThePrefix) {
    kadro::test::TempDir prefix;
    const auto install = runProgram(
        KADRO_CMAKE_COMMAND, {"--install", KADRO_BUILD_DIR, "--prefix", prefix.path().string()});
    ASSERT_EQ(install.exitCode, 0) << install.err;
    for (const auto& entry : fs::directory_iterator(prefix.path() / "bin"))
        EXPECT_TRUE(entry.path().filename() == "kadro-cli" || entry.path().filename() == "kadro")
            << entry.path();
    for (const char* file :
         {"lib/kadro/PNGMODULE.so", "lib/kadro/Rom.b00", "share/kadro/Hsl2rgb.tab",
          "share/kadro/6576(ok).act", "share/man/man1/kadro-cli.1.gz",
          "share/bash-completion/completions/kadro-cli", "share/doc/kadro/copyright"})
        EXPECT_TRUE(fs::is_regular_file(prefix.path() / file)) << file;

    const std::string program = prefix.file("bin/kadro-cli");
    const std::string home = prefix.file("home");
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"HOME=" + home, "XDG_DATA_HOME=", program});
        return runProgram("/usr/bin/env", args, prefix.path().string());
    };
    const std::string sample = std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";
    auto step = run({"convert", sample, "-o", "s.kdr", "--adapt", "nes", "--colour-mode", "nes"});
    ASSERT_EQ(step.exitCode, 0) << step.err;
    step = run({"render", "s.kdr", "-o", "s.png"});
    ASSERT_EQ(step.exitCode, 0) << step.err;
    EXPECT_EQ(run({"info", "s.png"}).out, "format: PNG\nwidth: 256\nheight: 240\ncolours: 16\n");
    step = run({"rom", "s.kdr"});
    ASSERT_EQ(step.exitCode, 0) << step.err;
    EXPECT_EQ(step.out, home + "/.local/share/kadro/Rom.b01\n");
    EXPECT_EQ(fs::file_size(home + "/.local/share/kadro/Rom.b01"), 0x80000u);
}
