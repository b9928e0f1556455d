#include "picture/ConversionSettings.h"
#include "picture/DibImage.h"

#include <benchmark/benchmark.h>

namespace {

kadro::DibImage stripes(int size, int colours) {
    auto img = kadro::DibImage::createBlank(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            img->setPixel(x, y, static_cast<kadro::Colour>(((x / 4 + y) % colours) * 0x010203));
    return *img;
}

// Colour statistics run over the whole picture after every open and adaptation.
void BM_ColourStats(benchmark::State& state) {
    const auto img = stripes(static_cast<int>(state.range(0)), 200);
    for (auto _ : state)
        benchmark::DoNotOptimize(kadro::colourStats(&img, 0, 0, img.width(), img.height()));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}
BENCHMARK(BM_ColourStats)->Arg(256)->Arg(1024);

} // namespace
