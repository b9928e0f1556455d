// Prints how often best-fit packing succeeds on blocks that pack into 16 palettes by
// construction but that the first-fit rule refuses, for blocks of several sizes and hidden
// palettes drawn from pools of several sizes (the smaller the pool, the more colours the
// palettes share and the more ways there are to go wrong).
//   packing_rate [CASES_PER_ROW]

#include "PackingCases.h"
#include "reduce/PalettePacker.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace kadro;

int main(int argc, char** argv) {
    const int perRow = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    struct Row {
        int smallest, largest, poolFactor;
    };
    const Row rows[] = {{5, 15, 3}, {5, 15, 6},  {5, 15, 12}, {3, 10, 4},
                        {3, 10, 8}, {3, 10, 16}, {2, 6, 4},   {2, 6, 16}};
    std::printf("%-14s %6s %9s %7s %8s %9s\n", "block colours", "pool", "refused", "packed",
                "mean ms", "worst ms");
    for (const Row& row : rows) {
        std::mt19937 random(static_cast<unsigned>(row.smallest * 100 + row.poolFactor));
        int refused = 0, packed = 0;
        double total = 0, worst = 0;
        for (int attempt = 0; refused < perRow && attempt < 50 * perRow; ++attempt) {
            const auto c = test::packableCase(random, 240, 15, 16, 15 * row.poolFactor,
                                              row.smallest, row.largest);
            if (test::FirstFit(c.blocks, c.background, 16).packed)
                continue;
            ++refused;
            const auto start = std::chrono::steady_clock::now();
            packed += packPalettes(c.blocks, c.background, 16).packed;
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            total += ms;
            worst = std::max(worst, ms);
        }
        char blocks[16];
        std::snprintf(blocks, sizeof blocks, "%d-%d of 15", row.smallest, row.largest);
        std::printf("%-14s %6d %9d %6.1f%% %8.1f %9.1f\n", blocks, 15 * row.poolFactor, refused,
                    refused ? 100.0 * packed / refused : 0.0, refused ? total / refused : 0.0,
                    worst);
    }
}
