#include "ConvertedDocument.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "picture/KdrFile.h"

#include <gtest/gtest.h>

using kadro::test::runCli;

namespace {

struct ProjectFolder {
    kadro::test::TempDir dir;
    std::string prg = dir.file("game.prg");

    void document(const std::string& name, const kadro::KdrDocument& d) {
        ASSERT_TRUE(kadro::fileio::writeFile(dir.file(name), kadro::kdrBytes(d), nullptr));
    }
    kadro::test::CliRun project(std::vector<std::string> args) {
        args.insert(args.begin() + 1, prg);
        args.insert(args.begin(), "project");
        return runCli(args, dir.path().string());
    }
};

} // namespace

TEST(ProjectCli, BuildShowAndOutputAProject) {
    ProjectFolder f;
    f.document("logo.kdr", kadro::test::convertedDocument(256, 240, {0, 120}, {3000, 100}));
    f.document("title.kdr", kadro::test::convertedDocument(64, 32, {0}, {100}, 3));
    EXPECT_EQ(f.project({"new"}).exitCode, 0);
    EXPECT_EQ(f.project({"new"}).exitCode, 1); // never replaces a project
    EXPECT_EQ(f.project({"add", "--section", "Stage"}).exitCode, 0);
    // Entries go first under their parent, so the later item comes first.
    EXPECT_EQ(f.project({"add", "--under", "1", "--item", "title.kdr"}).exitCode, 0);
    EXPECT_EQ(f.project({"add", "--under", "1", "--item", "logo.kdr", "--name", "Logo"}).exitCode,
              0);
    EXPECT_EQ(
        f.project({"add", "--under", "2", "--sub-block", "Top", "--rect", "0,8,64,16"}).exitCode,
        0);

    const auto shown = f.project({"show"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "[0] project: " + f.prg +
                             "\n  [1] section: Stage (auto-increase)\n"
                             "    [2] item: Logo -> " +
                             f.dir.file("logo.kdr") +
                             "\n      [3] sub block: Top at 0,8 size 64x16\n"
                             "    [4] item: title -> " +
                             f.dir.file("title.kdr") + "\n");

    const auto run = runCli({"project-output", f.prg});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("wrote " + f.dir.file("LOGO.ASM")), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("wrote " + f.dir.file("VT03PGT.BIN")), std::string::npos) << run.out;
    // Logo leaves the block counter at 3, so title's 16-pixel characters start at block 4.
    EXPECT_EQ(kadro::test::slurp(f.dir.file("VT03IRQ.ASM")),
              "LOGO_irq:\r\n\tdb\t$77,$10,$00,$01,$02,$03\r\n\tdb\t$00,$10,$02,$03,$04,$05\r\n"
              "TITLE_irq:\r\n\tdb\t$00,$10,$04,$05,$06,$07\r\n");
    EXPECT_EQ(std::filesystem::file_size(f.dir.file("VT03PGT.BIN")), 5u * 2048 + 32768 - 8192);
    EXPECT_TRUE(std::filesystem::exists(f.dir.file("TITLE.ASM")));
}

TEST(ProjectCli, OutputOfThreeConvertedPictures) {
    ProjectFolder f;
    const std::string samples = KADRO_SAMPLES_DIR;
    const std::vector<std::vector<std::string>> conversions{
        {samples + "/sample.bmp", "-o", "title.kdr", "--no-compress"},
        {samples + "/sample.bmp", "-o", "logo.kdr", "--area", "0,0,128,64", "--char", "16x16"},
        {std::string(KADRO_TEST_DATA_DIR) + "/formats/sample.png", "-o", "small.kdr"},
    };
    for (auto args : conversions) {
        args.insert(args.begin(), "convert");
        const auto run = runCli(args, f.dir.path().string());
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    ASSERT_EQ(f.project({"new"}).exitCode, 0);
    ASSERT_EQ(f.project({"add", "--section", "Stage"}).exitCode, 0);
    for (const char* document : {"small.kdr", "logo.kdr", "title.kdr"})
        ASSERT_EQ(f.project({"add", "--under", "1", "--item", document}).exitCode, 0);

    const auto run = runCli({"project-output", "game.prg"}, f.dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // Without compression the title fills three 8 KB banks of 64 rows and 6 KB of a fourth;
    // each full bank takes five blocks, so the title ends at block 18 and the 16-pixel-wide
    // logo starts on the even block 20.
    EXPECT_EQ(kadro::test::slurp(f.dir.file("VT03IRQ.ASM")),
              "TITLE_irq:\r\n\tdb\t$3F,$10,$00,$01,$02,$03\r\n\tdb\t$3F,$10,$05,$06,$07,$08\r\n"
              "\tdb\t$3F,$10,$0A,$0B,$0C,$0D\r\n\tdb\t$00,$10,$0F,$10,$11,$12\r\n"
              "LOGO_irq:\r\n\tdb\t$00,$10,$14,$15,$16,$17\r\n"
              "SMALL_irq:\r\n\tdb\t$00,$10,$15,$16,$17,$18\r\n");

    const auto pgt = kadro::fileio::readFile(f.dir.file("VT03PGT.BIN")).value();
    // 21 blocks of patterns and one alignment block, then 0xFF up to a multiple of 32 KB of
    // patterns.
    EXPECT_EQ(pgt.size(), 22u * 2048 + (32768 - (21 * 2048) % 32768));
    const auto title = kadro::readKdr(f.dir.file("title.kdr")).document.results.patternData;
    const auto logo = kadro::readKdr(f.dir.file("logo.kdr")).document.results.patternData;
    ASSERT_EQ(title.size(), 30720u);
    EXPECT_TRUE(std::equal(title.begin(), title.begin() + 8192, pgt.begin()));
    EXPECT_TRUE(std::equal(title.begin() + 24576, title.end(), pgt.begin() + 15 * 2048));
    EXPECT_TRUE(std::all_of(pgt.begin() + 19 * 2048, pgt.begin() + 20 * 2048,
                            [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::equal(logo.begin(), logo.end(), pgt.begin() + 20 * 2048));
    EXPECT_NE(kadro::test::slurp(f.dir.file("SMALL.ASM")).find("SMALL_palette:\r\n\tdb\t$"),
              std::string::npos);
}
