#include "RunCli.h"
#include "TempDir.h"

#include "colour/ColorTables.h"
#include "common/ByteIo.h"
#include "common/FileIo.h"
#include "common/UserInterface.h"
#include "picture/DibImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

using namespace kadro;
using test::runCli;
using test::TempDir;

namespace {

const std::string samplePath = std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";

// A ".bmp" file is a 14-byte file header in front of the packed bitmap.
std::optional<DibImage> readBmp(const std::string& path) {
    auto bytes = fileio::readFile(path);
    if (!bytes || bytes->size() < 14 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M')
        return std::nullopt;
    return DibImage::fromBlock(std::vector<std::uint8_t>(bytes->begin() + 14, bytes->end()));
}

std::vector<Colour> pixelsOf(const DibImage& image) {
    std::vector<Colour> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            Colour c = 0;
            image.getPixel(x, y, c);
            pixels.push_back(c);
        }
    return pixels;
}

const ColorTables& shippedTables() {
    static const auto tables = [] {
        SilentUserInterface ui;
        return ColorTables::load(KADRO_BIN_DIR, ui);
    }();
    return *tables;
}

// What each mode can show.
bool reachable(const std::string& mode, Colour c) {
    const ColorTables& t = shippedTables();
    if (mode == "rgb")
        return (c & 0xF0F0F0) == c;
    if (mode == "nes") {
        const auto& p = t.nesPalette();
        return std::find(p.begin(), p.end(), c) != p.end();
    }
    const auto hsl = t.hslTable();
    return std::find(hsl.begin() + 1, hsl.end(), c) != hsl.end();
}

// Soft gradients with a little noise, as a photograph has: thousands of colours.
void writePhotograph(const std::string& path) {
    auto image = DibImage::createBlank(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const int n = (x * 7 + y * 13) % 9 - 4;
            image->setPixel(x, y, makeColour(40 + x * 3 + n, 200 - y * 3 + n, 90 + x + y + 2 * n));
        }
    ASSERT_TRUE(image->writeBmp(path));
}

} // namespace

TEST(AdaptCli, AdaptsTheSampleInEveryMode) {
    TempDir dir;
    for (std::string mode : {"hsl", "rgb", "nes"}) {
        const std::string out = dir.file("sample-" + mode + ".bmp");
        const auto run = runCli({"adapt", samplePath, "--mode", mode, "-o", out});
        ASSERT_EQ(run.exitCode, 0) << mode << ": " << run.err;
        EXPECT_NE(run.out.find(out), std::string::npos) << run.out;
        const auto image = readBmp(out);
        ASSERT_TRUE(image) << mode;
        EXPECT_EQ(image->width(), 256);
        EXPECT_EQ(image->height(), 240);
        EXPECT_EQ(image->bitCount(), 24);
        const auto pixels = pixelsOf(*image);
        for (Colour c : std::set<Colour>(pixels.begin(), pixels.end()))
            EXPECT_TRUE(reachable(mode, c)) << mode << " " << std::hex << c;
    }
}

TEST(AdaptCli, MapsEveryPixelOfAPhotograph) {
    TempDir dir;
    const std::string photo = dir.file("photo.bmp"), out = dir.file("adapted.bmp");
    writePhotograph(photo);
    auto info = runCli({"info", photo});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("colours: 256 (counting stops at 256)"), std::string::npos) << info.out;

    const auto run = runCli({"adapt", photo, "--mode", "hsl", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto before = pixelsOf(*readBmp(photo));
    const auto after = pixelsOf(*readBmp(out));
    ASSERT_EQ(before.size(), after.size());
    ASSERT_GT(std::set<Colour>(before.begin(), before.end()).size(), 1000u);

    // Every pixel, also those whose colour comes after the first 256, takes the nearest colour
    // of codes 1-65535.
    const auto hsl = shippedTables().hslTable();
    std::map<Colour, Colour> expected;
    for (std::size_t i = 0; i < before.size(); ++i) {
        auto [it, isNew] = expected.try_emplace(before[i], 0);
        if (isNew)
            it->second = hsl[*scanNearest(hsl, CandidateSet{1, true}, before[i])];
        ASSERT_EQ(after[i], it->second) << "pixel " << i;
    }
}

TEST(AdaptCli, MissingTablesStopTheCommandAndWriteNothing) {
    namespace fs = std::filesystem;
    TempDir bare;
    // The program and its BMP reader without the table files beside them.
    for (const char* name : {"kadro-cli", "BMPMODULE.so"})
        fs::copy_file(fs::path(KADRO_BIN_DIR) / name, bare.path() / name);
    const std::string program = bare.file("kadro-cli");
    const std::vector<std::pair<std::string, std::string>> cases{
        {"hsl", "RGB2HSL.TAB文件读取错误!"}, {"nes", "6576(ok).act文件错误!"}};
    for (const auto& [mode, message] : cases) {
        const std::string out = bare.file(mode + ".bmp");
        const auto run =
            test::runProgram(program, {"adapt", samplePath, "--mode", mode, "-o", out});
        EXPECT_EQ(run.exitCode, 1) << mode;
        EXPECT_EQ(run.err, "kadro-cli: " + message + "\n");
        EXPECT_FALSE(fs::exists(out)) << mode;
    }
    // The RGB mode needs no table.
    const auto rgb = test::runProgram(
        program, {"adapt", samplePath, "--mode", "rgb", "-o", bare.file("rgb.bmp")});
    EXPECT_EQ(rgb.exitCode, 0) << rgb.err;
}

TEST(AdaptCli, WrongUsageAndUnwritableOutput) {
    TempDir dir;
    EXPECT_EQ(runCli({"adapt", samplePath}).exitCode, 2);
    EXPECT_EQ(runCli({"adapt", samplePath, "-o", dir.file("out.gif")}).exitCode, 2);
    EXPECT_EQ(runCli({"adapt", samplePath, "--mode", "cmyk", "-o", dir.file("o.bmp")}).exitCode, 2);
    const std::string nowhere = dir.file("no-such-folder/out.bmp");
    const auto run = runCli({"adapt", samplePath, "-o", nowhere});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(nowhere), std::string::npos) << run.err;
}
