// The conversion of one picture stage by stage, on the three kinds of picture the comparison with
// other converters uses: screen-sized with reused tiles (256 x 240), all tiles unique
// (512 x 512) and 16 full banks (2048 x 1024, 4096 unique tiles repeated). Items are pixels.

#include "Decoders.h"
#include "SeededPictures.h"

#include "common/FileIo.h"
#include "common/UserInterface.h"
#include "convert/BlockIndex.h"
#include "convert/PatternPacking.h"
#include "convert/TileConverter.h"
#include "output/AsmWriter.h"
#include "picture/FormatModule.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

using namespace kadro;
using kadro::test::Canvas;
using kadro::test::TileKind;

namespace {

const Canvas& picture(int kind) {
    static const Canvas screen = test::tiledPicture(256, 240, TileKind::Pool, 1);
    static const Canvas unique = test::tiledPicture(512, 512, TileKind::Unique, 2);
    // 16 bands of 64 rows, each one character row of 256 unique tiles repeated: a full bank.
    static const Canvas banks = [] {
        const Canvas tiles = test::tiledPicture(2048, 128, TileKind::Unique, 3);
        Canvas c(2048, 1024);
        for (int y = 0; y < 1024; ++y)
            for (int x = 0; x < 2048; ++x)
                c.at(x, y) = tiles.at(x, y / 64 * 8 + y % 8);
        return c;
    }();
    return kind == 0 ? screen : kind == 1 ? unique : banks;
}

const DibImage& image(int kind) {
    static const DibImage images[] = {picture(0).toImage(), picture(1).toImage(),
                                      picture(2).toImage()};
    return images[kind];
}

void pixels(benchmark::State& state, const DibImage& img) {
    state.SetItemsProcessed(state.iterations() * img.width() * img.height());
}

// The whole picture in the 4K RGB mode, whose codes need no table search.
ConversionSettings settingsFor(const DibImage& img) {
    ConversionSettings s;
    s.pictureType = 3;
    s.width = img.width();
    s.height = img.height();
    s.endAddress = 0x2000;
    s.colourMode = 1;
    return s;
}

// A converter with the program's colour tables, or nothing with the benchmark skipped.
std::unique_ptr<TileConverter> converterFor(benchmark::State& state) {
    SilentUserInterface ui;
    auto converter = TileConverter::create(KADRO_BIN_DIR, ui);
    if (!converter)
        state.SkipWithError("no colour tables beside the program");
    return converter;
}

// Times the whole conversion of the picture, or with cutOnly stage 3 alone on palettes fitted
// beforehand, once per iteration.
void convertEach(benchmark::State& state, const DibImage& img, bool cutOnly = false) {
    auto converter = converterFor(state);
    if (!converter)
        return;
    SilentUserInterface ui;
    const ConversionSettings s = settingsFor(img);
    const ConversionSource source{img, Selection::fromSize(0, 0, s.width, s.height)};
    if (cutOnly) {
        ConversionSettings fitted = s;
        converter->convert(fitted, source, ui);
    }
    for (auto _ : state) {
        ConversionSettings run = s;
        const bool done = cutOnly ? converter->convertTiles(run, source, ui)
                                  : converter->convert(run, source, ui);
        if (!done)
            state.SkipWithError("conversion failed");
        benchmark::DoNotOptimize(converter->results().patternData.data());
    }
    pixels(state, img);
}

// Reading the picture file through its module (third argument 0) or through the decoder
// kadro-cli carries (1): the file read, the decoding and the 24-bit picture.
void BM_Decode(benchmark::State& state) {
    const bool png = state.range(1) != 0;
    const bool carried = state.range(2) != 0;
    const Canvas& c = picture(static_cast<int>(state.range(0)));
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("kadro-bench-decode" + std::string(png ? ".png" : ".bmp")))
                                 .string();
    std::string bytes;
    if (png) {
        bytes = test::encode::png(c, true);
    } else {
        const auto bmp = c.toImage().bmpFile();
        bytes.assign(bmp->begin(), bmp->end());
    }
    fileio::writeFile(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
                      nullptr);
    SilentUserInterface ui;
    const PictureDecoder& decoder = png ? modules::pngDecoder : modules::bmpDecoder;
    for (auto _ : state) {
        auto loaded = carried ? FormatModuleLoader::decode(decoder, path)
                              : loadPictureFile(KADRO_BIN_DIR, path, ui);
        if (!loaded)
            state.SkipWithError("the picture was not read");
        benchmark::DoNotOptimize(loaded);
    }
    state.SetItemsProcessed(state.iterations() * c.width * c.height);
    std::filesystem::remove(path);
}
BENCHMARK(BM_Decode)->ArgsProduct({{0, 1, 2}, {0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// Every pixel's colour numbered within its 16 x 16 block.
void BM_ColourNumbers(benchmark::State& state) {
    const DibImage& img = image(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        BlockIndex index(img, Selection::fromSize(0, 0, img.width(), img.height()));
        for (int row = 0; row < index.blocksDown(); ++row)
            index.readBlockRow(row);
        benchmark::DoNotOptimize(index.numbers(0, 0));
    }
    pixels(state, img);
}
BENCHMARK(BM_ColourNumbers)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Stage 1 on numbered blocks: each block's colours fitted into the 16 palettes.
void BM_FitPalettes(benchmark::State& state) {
    const DibImage& img = image(static_cast<int>(state.range(0)));
    BlockIndex index(img, Selection::fromSize(0, 0, img.width(), img.height()));
    for (int row = 0; row < index.blocksDown(); ++row)
        index.readBlockRow(row);
    TileConverter converter(nullptr);
    for (auto _ : state) {
        for (auto& slot : converter.paletteTable())
            slot = {};
        for (int p = 0; p < 16; ++p)
            converter.paletteTable()[static_cast<std::size_t>(16 * p)] = {0, 1};
        for (int by = 0; by < index.blocksDown(); ++by)
            for (int bx = 0; bx < index.blocksAcross(); ++bx)
                benchmark::DoNotOptimize(converter.fitColours(16, 16, index.colours(bx, by)));
    }
    pixels(state, img);
}
BENCHMARK(BM_FitPalettes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The whole conversion of a picture in memory (numbers, stage 1, cutting, packing), in the 4K RGB
// mode whose codes need no table.
void BM_Convert(benchmark::State& state) {
    convertEach(state, image(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Convert)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Stage 3 alone on the fitted palettes: the cut of every cell, the tile store and the packing,
// less the numbering of the area it repeats (BM_ColourNumbers).
void BM_CutTiles(benchmark::State& state) {
    convertEach(state, image(static_cast<int>(state.range(0))), true);
}
BENCHMARK(BM_CutTiles)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Slot numbers to bit planes: 16 banks of pattern pixels.
void BM_PackPatterns(benchmark::State& state) {
    std::vector<std::uint8_t> pattern(16 * 0x4000);
    test::Sequence seq(7);
    for (auto& p : pattern)
        p = static_cast<std::uint8_t>(seq.below(16));
    for (auto _ : state)
        benchmark::DoNotOptimize(packing::packPatterns(pattern, 0));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pattern.size()));
}
BENCHMARK(BM_PackPatterns)->Unit(benchmark::kMicrosecond);

// The assembler texts of the 16-bank picture: its PGT by bank and its name tables.
void BM_AsmWriter(benchmark::State& state) {
    const DibImage& img = image(2);
    auto converter = converterFor(state);
    if (!converter)
        return;
    SilentUserInterface ui;
    ConversionSettings s = settingsFor(img);
    if (!converter->convert(s, {img, Selection::fromSize(0, 0, s.width, s.height)}, ui)) {
        state.SkipWithError("conversion failed");
        return;
    }
    const ConvertedData data(s, converter->results());
    const AsmWriter writer(data, ui);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string pgt = writer.pgtText(data.pattern(), "PICTURE_PGT");
        const std::string names = writer.nameTables("PICTURE_PNT");
        bytes += pgt.size() + names.size();
        benchmark::DoNotOptimize(pgt.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_AsmWriter)->Unit(benchmark::kMillisecond);

// The whole conversion as the picture grows to the largest the modules accept (64M pixels):
// tiles drawn from 100 shapes of four inks, so that they fit one bank at every size. Items per
// second stay level when the cost is linear in pixels.
void BM_ConvertScaling(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    test::Sequence seq(11);
    std::vector<std::array<std::uint8_t, 64>> shapes(100);
    for (auto& shape : shapes)
        for (auto& p : shape)
            p = static_cast<std::uint8_t>(seq.below(4));
    constexpr Colour inks[4] = {0x000000, 0x2040E0, 0x30A030, 0xF0F0F0};
    auto img = DibImage::createBlank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto& shape = shapes[static_cast<std::size_t>((x / 8 * 7 + y / 8 * 13) % 100)];
            img->setPixel(x, y, inks[shape[static_cast<std::size_t>(y % 8 * 8 + x % 8)]]);
        }
    convertEach(state, *img);
}
BENCHMARK(BM_ConvertScaling)
    ->Args({1024, 1024})
    ->Args({4096, 2048})
    ->Args({8192, 4096})
    ->Args({16384, 4096})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
