#include "RunCli.h"
#include "TempDir.h"

#include "colour/ColorTables.h"
#include "common/FileIo.h"
#include "common/UserInterface.h"
#include "palette/PaletteFile.h"
#include "picture/FormatModule.h"
#include "picture/KdrFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kadro;
using kadro::test::runCli;

namespace {
const std::string sample = std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";

DibImage readBmp(const std::string& path) {
    SilentUserInterface ui;
    auto image = loadPictureFile(KADRO_BIN_DIR, path, ui);
    EXPECT_TRUE(image) << path;
    return image ? std::move(*image) : *DibImage::createBlank(0, 0);
}
} // namespace

TEST(ConvertCli, ConvertsTheSampleAndRendersWhatTheModeShows) {
    test::TempDir dir;
    const auto run = runCli({"convert", sample, "-o", dir.file("s.kdr"), "--colour-mode", "rgb"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind(dir.file("s.kdr") + ": 256x240, 960 characters of 8*8, ", 0), 0u)
        << run.out;
    EXPECT_NE(run.out.find(" in 1 bank, "), std::string::npos) << run.out;
    const auto doc = readKdr(dir.file("s.kdr"));
    ASSERT_EQ(doc.status, KdrStatus::Ok);
    EXPECT_EQ(doc.document.settings.colourMode, 1);

    const auto render = runCli({"render", dir.file("s.kdr"), "-o", dir.file("s.bmp")});
    ASSERT_EQ(render.exitCode, 0) << render.err;
    const auto original = readBmp(sample);
    const auto shown = readBmp(dir.file("s.bmp"));
    ASSERT_EQ(shown.width(), 256);
    ASSERT_EQ(shown.height(), 240);
    const auto tables = ColorTables::fromData(std::vector<Colour>(hslTableEntries, 0xFFFFFFFF), {});
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 256; ++x) {
            Colour want = 0, got = 0;
            original.getPixel(x, y, want);
            shown.getPixel(x, y, got);
            ASSERT_EQ(got, tables.fromVt03Code(tables.toVt03Code(want, chip::ColourMode::Rgb),
                                               chip::ColourMode::Rgb))
                << x << "," << y;
        }
}

TEST(ConvertCli, AdaptedColoursComeBackExactly) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"adapt", sample, "--mode", "nes", "-o", dir.file("adapted.bmp")}).exitCode,
              0);
    const auto run = runCli(
        {"convert", sample, "-o", dir.file("s.kdr"), "--adapt", "nes", "--colour-mode", "nes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(runCli({"render", dir.file("s.kdr"), "-o", dir.file("s.bmp")}).exitCode, 0);
    const auto adapted = readBmp(dir.file("adapted.bmp"));
    const auto shown = readBmp(dir.file("s.bmp"));
    ASSERT_TRUE(std::equal(adapted.pixels().begin(), adapted.pixels().end(), shown.pixels().begin(),
                           shown.pixels().end()));
}

TEST(ConvertCli, PalettesCanBeLaidOverAndSaved) {
    test::TempDir dir;
    PaletteTable overlay{};
    overlay[15 * 16 + 15] = {0x00ABCDEF, 1};
    ASSERT_TRUE(writePaletteFile(dir.file("in.pal"), overlay, nullptr));
    const auto run =
        runCli({"convert", sample, "-o", dir.file("s.kdr"), "--area", "0,0,128,64", "--char",
                "16x16", "--no-compress", "--start", "400", "--palette", dir.file("in.pal"),
                "--save-palette", dir.file("out.pal"), "--background", "#000000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("128x64, 32 characters of 16*16, 32 tiles"), std::string::npos)
        << run.out;
    const auto saved = readPaletteFile(dir.file("out.pal"));
    ASSERT_EQ(saved.status, PaletteFileStatus::Ok);
    EXPECT_EQ(saved.slots[255].colour, 0x00ABCDEFu);
    EXPECT_EQ(saved.slots[0], (PaletteSlot{0, 1})) << "background as given";
    const auto doc = readKdr(dir.file("s.kdr"));
    ASSERT_EQ(doc.status, KdrStatus::Ok);
    EXPECT_EQ(doc.document.settings.startAddress, 0x400);
    EXPECT_EQ(doc.document.settings.compressMode, 1);
    EXPECT_EQ(doc.document.results.mapData[0], 0x400 * 2 / 128) << "first name after the space";
}

TEST(ConvertCli, PicturesAreWrittenAsPngForPngNames) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"convert", sample, "-o", dir.file("s.kdr"), "--area", "0,0,72,40"}).exitCode,
              0);
    for (const char* name : {"s.bmp", "s.PNG"})
        ASSERT_EQ(runCli({"render", dir.file("s.kdr"), "-o", dir.file(name)}).exitCode, 0) << name;
    ASSERT_EQ(runCli({"adapt", sample, "--mode", "nes", "-o", dir.file("a.png")}).exitCode, 0);
    ASSERT_EQ(runCli({"adapt", sample, "--mode", "nes", "-o", dir.file("a.bmp")}).exitCode, 0);
    EXPECT_EQ(test::slurp(dir.file("s.PNG")).substr(1, 3), "PNG");

    // The PNG module reads back exactly the pixels of the BMP.
    for (const auto& [png, bmp] : {std::pair{"s.PNG", "s.bmp"}, std::pair{"a.png", "a.bmp"}}) {
        SilentUserInterface ui;
        auto fromPng = loadPictureFile(KADRO_BIN_DIR, dir.file(png), ui);
        const auto fromBmp = readBmp(dir.file(bmp));
        ASSERT_TRUE(fromPng) << png;
        ASSERT_EQ(fromPng->width(), fromBmp.width());
        ASSERT_EQ(fromPng->height(), fromBmp.height());
        for (int y = 0; y < fromBmp.height(); ++y)
            for (int x = 0; x < fromBmp.width(); ++x) {
                Colour want = 0, got = 0;
                fromBmp.getPixel(x, y, want);
                fromPng->getPixel(x, y, got);
                ASSERT_EQ(got, want) << png << " " << x << "," << y;
            }
    }
    const auto unwritable = runCli({"render", dir.file("s.kdr"), "-o", dir.file("no/s.png")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find(dir.file("no/s.png")), std::string::npos) << unwritable.err;
}

// kadro-cli decodes BMP and PNG itself: copied alone with its colour tables it converts both
// alike, while a format it reads through a module still needs that module beside it.
TEST(ConvertCli, ReadsBmpAndPngWithoutTheirModules) {
    namespace fs = std::filesystem;
    test::TempDir bare, dir;
    for (const char* name : {"kadro-cli", hslTableFileName, nesPaletteFileName})
        fs::copy_file(fs::path(KADRO_BIN_DIR) / name, bare.path() / name);
    const std::string program = bare.file("kadro-cli");
    ASSERT_EQ(test::runProgram(program, {"convert", sample, "-o", dir.file("b.kdr")}).exitCode, 0);
    ASSERT_EQ(test::runProgram(program, {"render", dir.file("b.kdr"), "-o", dir.file("r.png")})
                  .exitCode,
              0);
    ASSERT_EQ(test::runProgram(program, {"render", dir.file("b.kdr"), "-o", dir.file("r.bmp")})
                  .exitCode,
              0);
    for (const char* name : {"r.png", "r.bmp"}) {
        const auto run = test::runProgram(program, {"convert", dir.file(name), "-o",
                                                    dir.file(std::string(name) + ".kdr")});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
    }
    EXPECT_EQ(test::slurp(dir.file("r.png.kdr")), test::slurp(dir.file("r.bmp.kdr")));

    ASSERT_TRUE(fileio::writeTextFile(dir.file("x.gif"), "GIF89a", nullptr));
    const auto gif =
        test::runProgram(program, {"convert", dir.file("x.gif"), "-o", dir.file("x.kdr")});
    EXPECT_EQ(gif.exitCode, 1);
    EXPECT_EQ(gif.err, "kadro-cli: " + dir.file("x.gif") +
                           ": no GIF module (GIFMODULE.so) beside the program\n");
}
