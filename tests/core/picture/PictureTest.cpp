#include "picture/Picture.h"

#include "AllocationLimit.h"
#include "PackingCases.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "common/ByteIo.h"
#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kadro;

namespace {

// A program folder with colour tables: the computed mode needs no contents.
struct ProgramFolder {
    test::TempDir dir;
    ProgramFolder() {
        fileio::writeFile(dir.file(hslTableFileName), std::vector<std::uint8_t>(4 * 65536, 0xFF),
                          nullptr);
        fileio::writeFile(dir.file(nesPaletteFileName), std::vector<std::uint8_t>(192, 0), nullptr);
    }
};

DibImage landscape() {
    auto image = DibImage::createBlank(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            image->setPixel(x, y,
                            y < 12                     ? 0x402000
                            : (x * 7 + y * 3) % 5 == 0 ? 0xF0F0F0
                                                       : 0x008000);
    return std::move(*image);
}

ConversionChoice rgbChoice(const Picture& p) {
    auto choice = p.initialChoice();
    choice.colourMode = chip::ColourMode::Rgb;
    return choice;
}

std::size_t fileSize(const std::string& path) {
    return static_cast<std::size_t>(std::filesystem::file_size(path));
}

} // namespace

TEST(Picture, AConvertedPictureSurvivesSavingAndLoading) {
    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    picture.attach(landscape());
    ASSERT_TRUE(picture.transform(rgbChoice(picture)));
    ASSERT_TRUE(picture.convert()) << ui.messages.at(0);
    picture.refresh();
    EXPECT_EQ(picture.values.backgroundColour, 0x402000u) << "pixel (0, 0)";
    const auto original = landscape();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            Colour want = 0, got = 0;
            original.getPixel(x, y, want);
            ASSERT_TRUE(picture.getPixel(x, y, got));
            ASSERT_EQ(got, want) << "the preview shows the converted colours at " << x << "," << y;
        }
    const std::string path = program.dir.file("a.kdr");
    ASSERT_TRUE(picture.save(path));

    Picture loaded(program.dir.path().string(), ui);
    ASSERT_TRUE(loaded.loadKdr(path));
    EXPECT_EQ(loaded.settings.toBytes(), picture.settings.toBytes());
    EXPECT_EQ(loaded.results()->mapData, picture.results()->mapData);
    EXPECT_EQ(loaded.results()->paletteCodes, picture.results()->paletteCodes);
    EXPECT_EQ(loaded.results()->patternData, picture.results()->patternData);
    loaded.refresh();
    EXPECT_TRUE(std::equal(loaded.image()->block().begin(), loaded.image()->block().end(),
                           picture.image()->block().begin()));
    EXPECT_EQ(fileSize(path),
              1120 + picture.settings.mapBytes + 512u + picture.settings.patternBytes);
}

TEST(Picture, FailedLoadsAndConversionsLeaveThePictureAsItWas) {
    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    picture.attach(landscape());
    ASSERT_TRUE(picture.transform(rgbChoice(picture)) && picture.convert());
    const auto header = picture.settings.toBytes();
    const auto block =
        std::vector<std::uint8_t>(picture.image()->block().begin(), picture.image()->block().end());
    const TileConverter* converter = picture.converter();
    auto unchanged = [&] {
        EXPECT_EQ(picture.settings.toBytes(), header);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), picture.image()->block().begin()));
        EXPECT_EQ(picture.converter(), converter);
        EXPECT_TRUE(picture.hasConversion());
    };

    const std::string good = program.dir.file("good.kdr");
    ASSERT_TRUE(picture.save(good));
    auto bytes = *fileio::readFile(good);
    auto write = [&](const std::string& name, std::vector<std::uint8_t> b) {
        fileio::writeFile(program.dir.file(name), b, nullptr);
        return program.dir.file(name);
    };
    EXPECT_FALSE(picture.loadKdr(write("short.kdr", {bytes.begin(), bytes.begin() + 1000})));
    EXPECT_TRUE(ui.messages.empty()) << "a short file fails silently";
    auto foreign = bytes;
    foreign[0] = 'X';
    EXPECT_FALSE(picture.loadKdr(write("foreign.kdr", foreign)));
    EXPECT_EQ(ui.messages.at(0), "非法的KDR文件!");
    EXPECT_FALSE(picture.loadKdr(write("cut.kdr", {bytes.begin(), bytes.end() - 1})));
    EXPECT_EQ(ui.messages.size(), 2u) << "a damaged document says why";
    unchanged();

    EXPECT_FALSE(picture.loadViaModule(program.dir.file("none.png")));
    unchanged();

    auto seventeen = DibImage::createBlank(16, 16);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            seventeen->setPixel(x, y, static_cast<Colour>((x + 16 * y) % 17));
    Picture other(program.dir.path().string(), ui);
    other.attach(std::move(*seventeen));
    ASSERT_TRUE(other.transform(rgbChoice(other)));
    EXPECT_FALSE(other.convert());
    EXPECT_FALSE(other.hasConversion());
    EXPECT_EQ(other.width(), 16);
    EXPECT_TRUE(other.save(program.dir.file("x.kdr")));
    EXPECT_EQ(fileSize(program.dir.file("x.kdr")), 0u) << "nothing converted, nothing to save";
}

TEST(Picture, EachConversionChoosesItsPaletteFit) {
    // 4-colour blocks that first-fit packs wrongly: c joins a and b, so {a, b, f} finds no room
    // once fourteen more triples have filled the other palettes.
    const auto& exact = test::rgbExactColours();
    test::PackingCase cse;
    const auto colour = [&](std::size_t i) { return exact[i + 1]; };
    cse.blocks = {{colour(0), colour(1)},
                  {colour(2)},
                  {colour(3), colour(4)},
                  {colour(2), colour(3), colour(4)}};
    for (std::size_t i = 0; i < 14; ++i)
        cse.blocks.push_back({colour(6 + 3 * i), colour(7 + 3 * i), colour(8 + 3 * i)});
    cse.blocks.push_back({colour(0), colour(1), colour(5)});
    std::mt19937 random(11);
    const DibImage original = test::paintBlocks(cse, 19, random);

    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    picture.attach(original);
    auto choice = rgbChoice(picture);
    choice.colourCount = chip::ColourCount::Four;
    choice.backgroundColour = 0;
    ASSERT_TRUE(picture.transform(choice));
    EXPECT_FALSE(picture.convert());
    EXPECT_EQ(ui.messages.at(0), "没有可用的调色板匹配(288,0,296,8),转换终止!");

    choice.paletteFit = PaletteFit::Best;
    ASSERT_TRUE(picture.transform(choice));
    ASSERT_TRUE(picture.convert()) << ui.messages.back();
    picture.refresh();
    EXPECT_TRUE(std::ranges::equal(picture.image()->pixels(), original.pixels()));
}

TEST(Picture, AReducedPictureConvertsAsTheReductionPlanned) {
    // Smooth colours across every block: far more than sixteen to a block before reducing.
    auto photo = DibImage::createBlank(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            photo->setPixel(x, y, makeColour(x * 4, y * 5, (x * y) % 256));
    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    picture.attach(std::move(*photo));
    ReduceSettings settings;
    settings.colourMode = chip::ColourMode::Rgb;
    settings.colourCount = chip::ColourCount::Four;
    settings.background = 0x123456;
    const auto reduction = picture.reduce(settings);
    ASSERT_TRUE(reduction) << ui.messages.at(0);
    const DibImage reduced = *picture.image();
    EXPECT_LE(picture.values.usedColourCount(), 64) << "the used colours are counted again";

    const ConversionChoice choice = picture.initialChoice();
    EXPECT_EQ(choice.colourMode, chip::ColourMode::Rgb);
    EXPECT_EQ(choice.colourCount, chip::ColourCount::Four);
    EXPECT_EQ(choice.backgroundColour, reduction->background) << "as the console shows it";
    EXPECT_EQ(choice.paletteFit, PaletteFit::Best);
    EXPECT_EQ(choice.paletteHints, reduction->palettes);
    ASSERT_TRUE(picture.transform(choice));
    ASSERT_TRUE(picture.convert()) << ui.messages.at(0);
    picture.refresh();
    EXPECT_TRUE(std::ranges::equal(picture.image()->pixels(), reduced.pixels()));
    EXPECT_EQ(picture.initialChoice().paletteFit, PaletteFit::First) << "a new picture now";
}

TEST(Picture, TransformRefusesPartialCharacters) {
    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    picture.attach(landscape());
    auto choice = rgbChoice(picture);
    choice.area = Selection::fromSize(0, 0, 60, 32);
    EXPECT_FALSE(picture.transform(choice));
    EXPECT_EQ(ui.messages.at(0), "当前区域与块大小不匹配!");
    choice.area = Selection::fromSize(0, 0, 56, 32);
    EXPECT_TRUE(picture.transform(choice));

    Picture noTables(program.dir.file("elsewhere"), ui);
    noTables.attach(landscape());
    EXPECT_FALSE(noTables.transform(rgbChoice(noTables)));
    EXPECT_EQ(ui.messages.at(1), "RGB2HSL.TAB文件读取错误!");
}

TEST(Picture, SavesByExtension) {
    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    ASSERT_TRUE(picture.createEmpty(3, 2));
    ASSERT_TRUE(picture.save(program.dir.file("a.BMP")));
    EXPECT_EQ(fileSize(program.dir.file("a.BMP")), 78u);
    ASSERT_TRUE(picture.save(program.dir.file("a.kdr")));
    EXPECT_EQ(fileSize(program.dir.file("a.kdr")), 0u) << "no conversion yet";
    ASSERT_TRUE(picture.save(program.dir.file("a.txt")));
    EXPECT_EQ(fileSize(program.dir.file("a.txt")), 0u);
    EXPECT_FALSE(picture.save(program.dir.file("missing/a.bmp")));
    EXPECT_EQ(ui.messages.size(), 1u);

    // A header-only document opens as a white picture of its size.
    ConversionSettings header;
    header.width = 24;
    header.height = 8;
    const auto bytes = header.toBytes();
    fileio::writeFile(program.dir.file("h.kdr"), bytes, nullptr);
    ASSERT_TRUE(picture.loadKdr(program.dir.file("h.kdr")));
    EXPECT_EQ(picture.width(), 24);
    EXPECT_EQ(picture.values.currentPictureType, PictureType::None);

    // One that claims 16384 x 4096 is refused, by a caller that needs converted data, before
    // 200 MB are allocated for its blank.
    header.width = 16384;
    header.height = 4096;
    fileio::writeFile(program.dir.file("big.kdr"), header.toBytes(), nullptr);
    test::AllocationLimit limit(1 << 20);
    EXPECT_FALSE(picture.loadKdr(program.dir.file("big.kdr"), true));
    EXPECT_EQ(limit.refused(), 0u);
    EXPECT_EQ(picture.width(), 24);
}

TEST(Picture, PixelsOfAnotherDepthAskForTrueColour) {
    test::RecordingUserInterface ui;
    Picture picture("", ui);
    std::vector<std::uint8_t> block(40 + 4 * 256 + 8, 0);
    bytes::writeU32(block, 0, 40);
    bytes::writeU32(block, 4, 2);
    bytes::writeU32(block, 8, 2);
    bytes::writeU16(block, 12, 1);
    bytes::writeU16(block, 14, 8);
    auto eightBit = DibImage::fromBlock(block);
    ASSERT_TRUE(eightBit);
    picture.attach(std::move(*eightBit));
    Colour c = 0;
    EXPECT_FALSE(picture.getPixel(0, 0, c));
    EXPECT_FALSE(picture.setPixel(1, 1, c));
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, "请将位图转换为24位色处理!"));
    EXPECT_FALSE(picture.getPixel(5, 5, c) && picture.setPixel(-1, 0, c));
}

TEST(ConversionChoice, AddressTextIsReadAsTheDialogReadsIt) {
    EXPECT_EQ(readAddressText("1G00"), 0);
    EXPECT_EQ(readAddressText("ff"), 0xFF);
    EXPECT_EQ(readAddressText("12345"), 0x2345);
    EXPECT_EQ(readAddressText("2000"), 0x2000);
    EXPECT_EQ(readAddressText(""), 0);
}

TEST(ConversionChoice, AddressChecksNameTheFieldToMend) {
    using Field = AddressCheck::Field;
    using chip::CharSize;
    EXPECT_EQ(checkAddresses(0, 0x2000, CharSize::Size8x8).field, Field::None);
    EXPECT_TRUE(checkAddresses(0x40, 0x2000, CharSize::Size8x16).problem.empty());
    // "1G00" reads as 0 and "12345" as 0x2345: both are refused at the End field.
    EXPECT_EQ(checkAddresses(0, 0, CharSize::Size8x8).field, Field::End);
    const AddressCheck past = checkAddresses(0, 0x2345, CharSize::Size8x8);
    EXPECT_EQ(past.field, Field::End);
    EXPECT_EQ(past.problem, "End address 0x2345 is above 0x2000, the size of a pattern bank.");
    // 16*8 characters step by 0x40 bytes of PGT.
    EXPECT_EQ(checkAddresses(0x20, 0x2000, CharSize::Size16x8).field, Field::Start);
    EXPECT_EQ(checkAddresses(0x20, 0x2000, CharSize::Size8x8).field, Field::None);
}

TEST(ConversionChoice, AreaChecksNameTheFieldToMend) {
    using Field = AreaCheck::Field;
    const auto check = [](int x, int y, int w, int h,
                          chip::CharSize charSize = chip::CharSize::Size8x8) {
        return checkArea(Selection::fromSize(x, y, w, h), 64, 32, charSize);
    };
    EXPECT_EQ(check(0, 0, 64, 32).field, Field::None);
    EXPECT_TRUE(check(0, 0, 64, 32).problem.empty());
    EXPECT_EQ(check(0, 0, 60, 32).field, Field::Width);
    EXPECT_EQ(check(0, 0, 60, 32).problem, notWholeCharactersText);
    EXPECT_EQ(check(0, 0, 64, 24, chip::CharSize::Size16x16).field, Field::Height)
        << "16*16 characters";
    // Whole characters come first, even for an area that also reaches outside.
    EXPECT_EQ(check(0, 0, 60, 40).problem, notWholeCharactersText);
    const AreaCheck wide = check(8, 0, 64, 32);
    EXPECT_EQ(wide.field, Field::Width);
    EXPECT_EQ(wide.problem, "The area (8,0,72,32) is empty or reaches outside the 64x32 picture.");
    EXPECT_EQ(check(64, 0, 8, 8).field, Field::Left) << "the corner lies outside already";
    EXPECT_EQ(check(0, 32, 8, 8).field, Field::Top);
    EXPECT_EQ(check(0, 24, 8, 16).field, Field::Height);
    EXPECT_EQ(check(0, 0, 0, 8).field, Field::Width) << "an empty area";
}

TEST(Picture, FourTilesMakeTheDocumentWorkedOutByHand) {
    // Cells: all black, all white, a white top row, a white left column.
    auto image = DibImage::createBlank(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool white = (x >= 8 && y < 8) || (x < 8 && y == 8) || (x == 8 && y >= 8);
            image->setPixel(x, y, white ? 0xF0F0F0 : 0);
        }
    ProgramFolder program;
    test::RecordingUserInterface ui;
    Picture picture(program.dir.path().string(), ui);
    picture.attach(std::move(*image));
    ASSERT_TRUE(picture.transform(rgbChoice(picture)) && picture.convert());
    ASSERT_TRUE(picture.save(program.dir.file("four.kdr")));
    const auto bytes = *fileio::readFile(program.dir.file("four.kdr"));
    ASSERT_EQ(bytes.size(), 1772u);

    std::vector<std::uint8_t> expected(bytes.begin(), bytes.begin() + 1120);
    const std::vector<std::uint8_t> map{0, 0, 1, 0, 2, 0, 3, 0, 0, 0, 0, 0};
    expected.insert(expected.end(), map.begin(), map.end());
    std::vector<std::uint8_t> codes(512, 0xFF);
    for (std::size_t p = 0; p < 16; ++p)
        codes[32 * p] = codes[32 * p + 1] = 0; // black in slot 0 of every palette
    codes[2] = 0x3D;                           // white, 0x3F3D, in slot 1 of palette 0
    codes[3] = 0x3F;
    expected.insert(expected.end(), codes.begin(), codes.end());
    std::vector<std::uint8_t> pgt(128, 0);
    std::fill_n(pgt.begin() + 32, 8, 0xFF); // slot 1 everywhere: plane 0 full
    pgt[64] = 0xFF;                         // top row
    std::fill_n(pgt.begin() + 96, 8, 0x80); // left column
    expected.insert(expected.end(), pgt.begin(), pgt.end());
    EXPECT_EQ(bytes, expected);

    const auto& s = picture.settings;
    EXPECT_EQ(s.mapBytes, 12);
    EXPECT_EQ(s.patternBytes, 128);
    EXPECT_EQ(s.paletteBytes, 512);
    EXPECT_EQ(s.paletteFirst, 0);
    EXPECT_EQ(s.paletteUsed, 17);
    EXPECT_EQ(s.bankSizes[0], 128);
    EXPECT_EQ(s.bankStartRows[0], 0);
    EXPECT_EQ(s.bankStartRows[1], -1);
    EXPECT_EQ(s.endAddress, 0x2000);
    EXPECT_EQ(s.pictureType, 3);
}
