// The "VT03 HSL 4K" nearest-colour search: the plain scan of 65536 entries against the search
// structure, for the 256 colours a picture lists at most.

#include "colour/ColorTables.h"
#include "colour/ColourAdaptation.h"
#include "colour/NearestColour.h"
#include "common/UserInterface.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace kadro;

namespace {

const std::vector<Colour>& shippedTable() {
    static const std::vector<Colour> table = [] {
        SilentUserInterface ui;
        return ColorTables::readHslTable(KADRO_BIN_DIR, ui).value_or(std::vector<Colour>{});
    }();
    return table;
}

std::vector<Colour> listedColours() {
    std::mt19937 random(42);
    std::vector<Colour> colours(256);
    for (Colour& c : colours)
        c = random() & 0xFFFFFF;
    return colours;
}

constexpr CandidateSet adaptationSet{1, true};

void BM_HslPlainScan(benchmark::State& state) {
    const auto& table = shippedTable();
    const auto colours = listedColours();
    for (auto _ : state)
        for (Colour c : colours)
            benchmark::DoNotOptimize(scanNearest(table, adaptationSet, c));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours.size()));
}
BENCHMARK(BM_HslPlainScan)->Unit(benchmark::kMicrosecond);

void BM_HslSearch(benchmark::State& state) {
    const NearestColourSearch search(shippedTable(), adaptationSet);
    const auto colours = listedColours();
    for (auto _ : state)
        for (Colour c : colours)
            benchmark::DoNotOptimize(search.find(c));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours.size()));
}
BENCHMARK(BM_HslSearch)->Unit(benchmark::kMicrosecond);

// Built once per table; the adaptation command builds it each time it reads its table.
void BM_HslSearchBuild(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(NearestColourSearch(shippedTable(), adaptationSet));
}
BENCHMARK(BM_HslSearchBuild)->Unit(benchmark::kMicrosecond);

// The whole command on a 256 x 240 picture of 61440 distinct colours: table read, structure
// built, every distinct colour searched and every pixel replaced.
void BM_AdaptHsl4kPhotograph(benchmark::State& state) {
    auto original = DibImage::createBlank(256, 240);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 256; ++x)
            original->setPixel(x, y, makeColour(x, y, (x * 7 + y * 3) & 0xFF));
    SilentUserInterface ui;
    for (auto _ : state) {
        DibImage image = *original;
        benchmark::DoNotOptimize(adaptHsl4k(image, KADRO_BIN_DIR, ui));
    }
}
BENCHMARK(BM_AdaptHsl4kPhotograph)->Unit(benchmark::kMillisecond);

} // namespace
