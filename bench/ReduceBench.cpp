// Time of the reducer and of best-fit packing. The pictures come from the corpus that
// bench/corpus/make-corpus.sh builds into build/bench/corpus.

#include "CorpusPictures.h"
#include "PackingCases.h"
#include "colour/ColorTables.h"
#include "common/UserInterface.h"
#include "reduce/PalettePacker.h"
#include "reduce/Reducer.h"

#include <benchmark/benchmark.h>

using namespace kadro;

namespace {

const ColorTables* tables() {
    static const auto loaded = [] {
        SilentUserInterface ui;
        return ColorTables::load(KADRO_BIN_DIR, ui);
    }();
    return loaded ? &*loaded : nullptr;
}

void reduce(benchmark::State& state, const std::string& file, Dither dither) {
    const auto image = bench::readBmp(std::string(KADRO_CORPUS_DIR) + "/" + file);
    if (!image || !tables()) {
        state.SkipWithError("no corpus: run bench/corpus/make-corpus.sh build/bench/corpus");
        return;
    }
    const ReduceSettings settings{chip::ColourMode::Rgb, chip::ColourCount::Sixteen, std::nullopt,
                                  dither, 1.0f};
    const Selection area = Selection::fromSize(0, 0, image->width(), image->height());
    SilentUserInterface ui;
    double psnr = 0;
    for (auto _ : state) {
        DibImage copy = *image;
        psnr = reducePicture(copy, area, settings, *tables(), ui)->psnr;
        benchmark::DoNotOptimize(copy.pixels().data());
    }
    const double pixels = static_cast<double>(image->width()) * image->height();
    state.counters["psnr"] = psnr;
    state.counters["pixels/s"] = benchmark::Counter(
        pixels * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Blocks packable by construction, of a third of a palette or more; first-fit refuses most.
void packRefused(benchmark::State& state) {
    std::mt19937 random(5);
    std::vector<test::PackingCase> cases;
    while (cases.size() < 20) {
        auto c = test::packableCase(random, 240, 15, 16, 15 * 6, 5, 15);
        cases.push_back(std::move(c));
    }
    std::size_t i = 0, packed = 0, runs = 0;
    for (auto _ : state) {
        const auto& c = cases[i++ % cases.size()];
        packed += packPalettes(c.blocks, c.background, 16).packed;
        ++runs;
    }
    state.counters["packed"] = static_cast<double>(packed) / static_cast<double>(runs);
}

} // namespace

BENCHMARK_CAPTURE(reduce, Aqua, "Aqua.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, Dune, "Dune.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, Elephants, "Elephants.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, FreshFlower, "FreshFlower.bmp", Dither::None)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, LadyBird, "LadyBird.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, RainDrops, "RainDrops.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, Storm, "Storm.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, TwoWings, "TwoWings.bmp", Dither::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, DuneOrdered, "Dune.bmp", Dither::Ordered)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, DuneDiffusion, "Dune.bmp", Dither::Diffusion)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, Dune128x120, "sizes/Dune-128x120.bmp", Dither::None)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduce, Dune512x480, "sizes/Dune-512x480.bmp", Dither::None)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(packRefused)->Unit(benchmark::kMillisecond);
