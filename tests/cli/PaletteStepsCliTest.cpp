#include "RunCli.h"
#include "TempDir.h"

#include "palette/PaletteFile.h"

#include <gtest/gtest.h>

using kadro::test::runCli;
using kadro::test::slurp;

namespace {

TEST(PaletteStepsCli, WritesPalStepInTheCurrentFolder) {
    kadro::test::TempDir dir;
    kadro::PaletteTable slots{};
    slots[0] = {kadro::makeColour(0, 0, 0), 1};
    ASSERT_TRUE(kadro::writePaletteFile(dir.file("fade.pal"), slots, nullptr));
    const auto run = runCli(
        {"palette-steps", "fade.pal", "--to", "#FFFFFF", "--levels", "4", "--colour-mode", "rgb"},
        dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "PALStep.asm\n");
    const std::string text = slurp(dir.file("PALStep.asm"));
    // Four steps; the slots not in use show white, 0x3F3D in the RGB mode, at every step.
    std::size_t separators = 0;
    for (std::size_t at = 0;
         (at = text.find(";" + std::string(46, '=') + "\r\n", at)) != std::string::npos; ++at)
        ++separators;
    EXPECT_EQ(separators, 4u);
    EXPECT_NE(text.find("\r\n\tdb\t$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,$3D,"
                        "$3D\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(",$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F,$3F\r\n"),
              std::string::npos);
}

} // namespace
