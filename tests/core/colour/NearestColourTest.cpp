#include "TableFiles.h"

#include "colour/NearestColour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace kadro;

namespace {

// Corners of the cube, every grey, every table colour and its neighbours, and a large random
// sample: the structure must give the scan's answer for each, ties included.
std::vector<Colour> probeColours(std::span<const Colour> table, std::uint32_t seed, int randoms) {
    std::vector<Colour> probes;
    for (int corner = 0; corner < 8; ++corner)
        probes.push_back(
            makeColour(corner & 1 ? 255 : 0, corner & 2 ? 255 : 0, corner & 4 ? 255 : 0));
    for (int v = 0; v < 256; ++v)
        probes.push_back(makeColour(v, v, v));
    for (Colour c : std::set<Colour>(table.begin(), table.end()))
        if (c <= highestColourValue)
            probes.push_back(makeColour(redOf(c) + 1, greenOf(c), blueOf(c) - 1));
    std::mt19937 random(seed);
    for (int i = 0; i < randoms; ++i)
        probes.push_back(random() & 0xFFFFFF);
    return probes;
}

std::string text(std::optional<std::size_t> index) {
    return index ? std::to_string(*index) : "none";
}

void expectSameAsScan(std::span<const Colour> table, const CandidateSet& set,
                      std::span<const Colour> probes) {
    const NearestColourSearch search(table, set);
    std::size_t mismatches = 0;
    for (Colour c : probes) {
        const auto expected = scanNearest(table, set, c);
        const auto found = search.find(c);
        if (expected != found && ++mismatches <= 5)
            ADD_FAILURE() << "colour " << std::hex << c << ": scan " << text(expected)
                          << ", search " << text(found);
    }
    EXPECT_EQ(mismatches, 0u) << "of " << probes.size();
}

// Components two steps either side of the grid's cell borders: entries and colours straddle
// cell borders at small distances, and equal distances are common.
int nearBorder(std::mt19937& random) {
    return std::clamp(static_cast<int>(random() % 16) * 16 + static_cast<int>(random() % 4) - 2, 0,
                      255);
}

// Many repeats and many no-colour entries (whose low bytes would often be the nearest).
// Shorter than the HSL table, so that the scan it is checked against stays quick.
std::vector<Colour> borderTable(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<Colour> table(4096);
    for (Colour& c : table) {
        c = makeColour(nearBorder(random), nearBorder(random), nearBorder(random));
        if (random() % 3 == 0)
            c |= 0x01000000u << (random() % 8);
    }
    return table;
}

} // namespace

TEST(NearestColourSearch, AnswersAsTheScanOnTheShippedTable) {
    const auto table = test::shippedHslTable();
    const auto probes = probeColours(table, 1, 6000);
    expectSameAsScan(table, CandidateSet{0, false}, probes);
    expectSameAsScan(table, CandidateSet{1, true}, probes);
    // The 4096 colour codes hold 2540 distinct colours.
    EXPECT_EQ(NearestColourSearch(table, CandidateSet{0, false}).size(), 2540u);
}

TEST(NearestColourSearch, AnswersAsTheScanAcrossCellBordersAndTies) {
    for (std::uint32_t seed : {7u, 8u}) {
        auto table = borderTable(seed);
        table[0] = 0x00000000;
        table[1] = 0xFF3C3C3C; // no colour, yet the first best of the adaptation's search
        std::vector<Colour> probes = probeColours({}, seed, 10000);
        std::mt19937 random(seed);
        for (int i = 0; i < 20000; ++i)
            probes.push_back(
                makeColour(nearBorder(random), nearBorder(random), nearBorder(random)));
        expectSameAsScan(table, CandidateSet{0, false}, probes);
        expectSameAsScan(table, CandidateSet{1, true}, probes);
    }
}

TEST(NearestColourSearch, FirstEntryRules) {
    std::vector<Colour> table(8, 0xFFFFFFFF);
    EXPECT_FALSE(scanNearest(table, CandidateSet{0, false}, 0));
    EXPECT_FALSE(NearestColourSearch(table, CandidateSet{0, false}).find(0));
    // Taken whatever its value: only its low bytes count.
    EXPECT_EQ(scanNearest(table, CandidateSet{1, true}, 0), 1u);
    EXPECT_EQ(NearestColourSearch(table, CandidateSet{1, true}).find(0), 1u);

    table[0] = 0x00000000;
    table[6] = 0x00101010;
    // Entry 0 is an exact match but lies before the first entry looked at.
    EXPECT_EQ(NearestColourSearch(table, CandidateSet{1, true}).find(0), 6u);
    EXPECT_EQ(NearestColourSearch(table, CandidateSet{0, false}).find(0), 0u);
}
