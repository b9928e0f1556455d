#include "ProjectEdits.h"
#include "RecordingUserInterface.h"

#include "project/ProjectEditing.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

#include <random>

using namespace kadro;

namespace {

// A header with one entry block per (depth, picture); entries after the first carry a record of
// that picture's kind.
std::vector<std::uint8_t> damagedFile(const std::vector<std::pair<int, int>>& entries) {
    std::vector<std::uint8_t> b{'P', 'R', 'G', '2', 0, static_cast<std::uint8_t>(entries.size())};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto [depth, picture] = entries[i];
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<std::uint8_t>(depth >> (8 * k)));
        b.insert(b.end(), {static_cast<std::uint8_t>(picture), 1, 'n'});
        if (i > 0)
            b.insert(b.end(), {1, 0, 'n', 0, 0, 0, 0, static_cast<std::uint8_t>(picture), 0, 0, 0,
                               0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF});
    }
    return b;
}

} // namespace

TEST(ProjectRoundTrip, WhateverTheEditsWhatSaveWritesLoadsAsTheSameTree) {
    const std::vector<std::vector<std::uint8_t>> starts{
        damagedFile({{0, 0}}),
        damagedFile({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}),
        damagedFile({{0, 0}, {0, 1}, {1, 2}, {0, 3}}),
        damagedFile({{0, 0}, {1, 1}, {3, 2}, {1, 1}, {-5, 3}, {7, 4}}),
    };
    for (unsigned seed = 0; seed < 400; ++seed) {
        test::RecordingUserInterface ui;
        ProjectModel m;
        ASSERT_GT(parseProjectFile(m, starts[seed % starts.size()], "p.prg", ui), 0);
        std::mt19937 random(seed);
        for (int step = 0; step < 60; ++step) {
            test::editProject(m, random);
            ASSERT_EQ(m.tree.children(noEntry).size(), 1u) << "seed " << seed << " step " << step;
        }
        ASSERT_EQ(checkProjectLimits(m), "") << "seed " << seed;
        const auto bytes = projectFileBytes(m);
        ProjectModel back;
        test::RecordingUserInterface quiet;
        ASSERT_EQ(parseProjectFile(back, bytes, "p.prg", quiet), static_cast<int>(m.tree.size()))
            << "seed " << seed;
        EXPECT_TRUE(quiet.messages.empty()) << "seed " << seed;
        EXPECT_EQ(test::shownTree(back), test::shownTree(m)) << "seed " << seed;
        EXPECT_EQ(projectFileBytes(back), bytes) << "seed " << seed;
    }
}
