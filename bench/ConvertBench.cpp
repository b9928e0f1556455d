#include "common/UserInterface.h"
#include "convert/TileConverter.h"
#include "picture/DibImage.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

using namespace kadro;

namespace {

// The bundled sample, read straight from its file: a ".bmp" is its file header and a packed bitmap.
DibImage sample() {
    std::ifstream in(std::string(KADRO_SAMPLES_DIR) + "/sample.bmp", std::ios::binary);
    std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    return *DibImage::fromBlock({bytes.begin() + 14, bytes.end()});
}

// 1024 x 1024 of 8 x 8 characters: each character row cycles through 30 tiles of its own, so a
// bank takes 8 rows (240 tiles) and the picture fills 16 banks with 3840 distinct tiles; the
// dedupe search runs over up to 240 stored tiles for every cell. Three inks on black, changing
// from block to block, all fit palette 0.
DibImage manyTiles() {
    auto image = DibImage::createBlank(1024, 1024);
    constexpr Colour inks[] = {0xF0F0F0, 0x2040E0, 0x30A030};
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x) {
            const int tile = (y / 8) * 30 + (x / 8) % 30 + 1;
            const int bit = (y % 8) * 8 + x % 8;
            const bool on = bit < 16 && (tile >> bit & 1);
            image->setPixel(x, y, on ? inks[(x / 16 + y / 16) % 3] : 0);
        }
    return std::move(*image);
}

// colourMode 1 computes its codes; mode 0 searches the program's 4K table for each palette colour.
void convert(benchmark::State& state, const DibImage& image, int colourMode = 1) {
    SilentUserInterface ui;
    auto converter = TileConverter::create(KADRO_BIN_DIR, ui);
    if (!converter) {
        state.SkipWithError("no colour tables beside the program");
        return;
    }
    ConversionSettings s;
    s.pictureType = 3;
    s.colourMode = static_cast<std::uint8_t>(colourMode);
    s.width = image.width();
    s.height = image.height();
    s.endAddress = 0x2000;
    const ConversionSource source{image, Selection::fromSize(0, 0, s.width, s.height)};
    for (auto _ : state) {
        ConversionSettings run = s;
        if (!converter->convert(run, source, ui))
            state.SkipWithError("conversion failed");
        benchmark::DoNotOptimize(converter->results().patternData.data());
        state.counters["banks"] = run.bankCount();
    }
    state.counters["cells"] = static_cast<double>(s.width / 8 * (s.height / 8));
    state.SetItemsProcessed(state.iterations() * (s.width / 8) * (s.height / 8));
}

void BM_ConvertSample(benchmark::State& state) {
    static const DibImage image = sample();
    convert(state, image);
}
BENCHMARK(BM_ConvertSample)->Unit(benchmark::kMillisecond);

void BM_ConvertSampleHsl(benchmark::State& state) {
    static const DibImage image = sample();
    convert(state, image, 0);
}
BENCHMARK(BM_ConvertSampleHsl)->Unit(benchmark::kMillisecond);

void BM_ConvertManyTiles(benchmark::State& state) {
    static const DibImage image = manyTiles();
    convert(state, image);
}
BENCHMARK(BM_ConvertManyTiles)->Unit(benchmark::kMillisecond);

} // namespace
