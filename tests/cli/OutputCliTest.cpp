#include "DocumentBuilder.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>

using kadro::test::runCli;
using kadro::test::slurp;
namespace fs = std::filesystem;

namespace {

struct LogoDocument {
    kadro::test::TempDir dir;
    std::string path = dir.file("logo.kdr");
    LogoDocument() {
        const auto doc = kadro::test::makeDocument(kadro::test::logoPlan());
        EXPECT_TRUE(kadro::fileio::writeFile(path, kadro::kdrBytes(doc), nullptr));
    }
};

TEST(OutputCli, DefaultsAreThoseOfTheOutputDialog) {
    LogoDocument doc;
    const auto run = runCli({"output", doc.path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, doc.dir.file("logo_pgt.bin") + "\n" + doc.dir.file("logo_pnt.asm") + "\n");
    EXPECT_EQ(slurp(doc.dir.file("logo_pgt.bin")).size(), 128u);
    const std::string pnt = slurp(doc.dir.file("logo_pnt.asm"));
    EXPECT_EQ(pnt.rfind("LOGO_PNT:\r\n\tdw\tLOGO_PNT_irq\r\n", 0), 0u) << pnt;
    EXPECT_NE(pnt.find("LOGO_PNT_attrib0:\r\n\tdb\t$08\r\n\r\n"), std::string::npos);
}

TEST(OutputCli, ChoicesReachTheFiles) {
    LogoDocument doc;
    const auto run =
        runCli({"output", doc.path, "--pgt-format", "asm", "--pgt-width", "16", "--pnt-content",
                "spr", "--sprite-format", "ext", "--pnt", doc.dir.file("sprites.asm")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string pgt = slurp(doc.dir.file("logo_pgt.asm"));
    // Interleaved: the first line pairs bytes 0 and 16, 1 and 17, ...
    EXPECT_EQ(pgt.rfind("LOGO_PGT_bank0_pgt:\r\n\tdb\t$00,$10,$01,$11,", 0), 0u) << pgt;
    const std::string pnt = slurp(doc.dir.file("sprites.asm"));
    // Names 1, 2, 3 around the background: the tile named 1 is not counted.
    EXPECT_NE(pnt.find("SPRITES0:\r\n\tdb\t$02,$10\t\t;"), std::string::npos) << pnt;
    EXPECT_EQ(pnt.find("SPRITES_pnt0:"), std::string::npos);
}

// The rom command writes beside the program, so it runs from a copy in a temporary folder.
struct ProgramCopy {
    kadro::test::TempDir dir;
    fs::path bin = dir.path() / "bin";
    LogoDocument doc;
    explicit ProgramCopy(bool withTemplate = true) {
        fs::create_directories(bin);
        fs::copy_file(fs::path(KADRO_BIN_DIR) / "kadro-cli", bin / "kadro-cli");
        if (withTemplate)
            fs::copy_file(fs::path(KADRO_BIN_DIR) / "Rom.b00", bin / "Rom.b00");
    }
    kadro::test::CliRun run(std::vector<std::string> args) const {
        const std::string command = "cd " + kadro::test::shellQuote(dir.path().string()) + " && " +
                                    kadro::test::inLocale("C") +
                                    kadro::test::shellQuote((bin / "kadro-cli").string());
        std::string line = command;
        for (const auto& a : args)
            line += " " + kadro::test::shellQuote(a);
        line += " >out 2>err </dev/null";
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(dir.file("out")),
                slurp(dir.file("err"))};
    }
};

TEST(RomCli, WritesRomB01BesideTheProgram) {
    ProgramCopy program;
    const auto run = program.run(
        {"rom", program.doc.path, "--panel", "A025BL00P1", "-o", program.dir.file("copy.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string rom = slurp((program.bin / "Rom.b01").string());
    ASSERT_EQ(rom.size(), 0x80000u);
    EXPECT_EQ(slurp(program.dir.file("copy.bin")), rom);
    EXPECT_EQ(static_cast<unsigned char>(rom[0x7E107]), 19);
    EXPECT_EQ(static_cast<unsigned char>(rom[0x7E106]), 0x82);
    EXPECT_EQ(run.out,
              (program.bin / "Rom.b01").string() + "\n" + program.dir.file("copy.bin") + "\n");
}

TEST(RomCli, RefusalsAndProblems) {
    ProgramCopy noTemplate(false);
    auto run = noTemplate.run({"rom", noTemplate.doc.path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "kadro-cli: Open Rom.b00 Error!\n");
    EXPECT_FALSE(fs::exists(noTemplate.bin / "Rom.b01"));

    ProgramCopy program;
    EXPECT_EQ(program.run({"rom", program.doc.path, "--panel", "30"}).exitCode, 2);
    // A folder in the way of Rom.b01 makes it unwritable; -o still gets the image.
    fs::create_directories(program.bin / "Rom.b01");
    run = program.run({"rom", program.doc.path, "-o", program.dir.file("copy.bin")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("not writable"), std::string::npos) << run.err;
    EXPECT_EQ(fs::file_size(program.dir.file("copy.bin")), 0x80000u);
    EXPECT_EQ(program.run({"rom", program.doc.path}).exitCode, 1);
}

} // namespace
