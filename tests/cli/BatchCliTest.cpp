#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>

using kadro::test::runCli;
using kadro::test::slurp;
namespace fs = std::filesystem;

namespace {

// Three frames of the bundled sample, a sprite block and a list in a fresh folder.
struct FrameFolder {
    kadro::test::TempDir dir;
    FrameFolder() {
        for (const char* name : {"walk2.bmp", "Walk1.bmp"})
            fs::copy_file(std::string(KADRO_SAMPLES_DIR) + "/sample.bmp", dir.path() / name);
        EXPECT_TRUE(kadro::fileio::writeFile(dir.file("Sprite_pgt.bin"),
                                             std::vector<std::uint8_t>(2048, 0x5A), nullptr));
    }
    void list(const std::string& text) {
        EXPECT_TRUE(kadro::fileio::writeTextFile(dir.file("anim.lst"), text, nullptr));
    }
};

TEST(BatchCli, WritesTheAnimationSourcesInTheCurrentFolder) {
    FrameFolder folder;
    folder.list("walk2.bmp\nWalk1.bmp\n");
    const auto run = runCli({"batch", "anim.lst"}, folder.dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "ANI.asm\nANIINDEX.asm\nANIPNT00.asm\nANIPAL.asm\nANIPGT.BIN\n");
    // Sorted like the list box: Walk1 before walk2.
    EXPECT_EQ(slurp(folder.dir.file("ANI.asm")), "\tdw\tWalk1_BG\r\n\tdw\twalk2_BG\r\n");
    const std::string index = slurp(folder.dir.file("ANIINDEX.asm"));
    EXPECT_EQ(index.rfind("Walk1_BG:\r\n\tdb\tV_Bank0+$00,V_Bank1+$08\r\n\tdb\tPNT_Bank+$00\r\n"
                          "\tdw\tWalk1_pnt\r\n",
                          0),
              0u)
        << index;
    const std::string pgt = slurp(folder.dir.file("ANIPGT.BIN"));
    EXPECT_GT(pgt.size(), 0x4000u);
    EXPECT_EQ(pgt.substr(0, 2048), std::string(2048, 0x5A));
    EXPECT_TRUE(fs::exists(folder.dir.file("PNT_Temp.BIN")));
}

} // namespace
