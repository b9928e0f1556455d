#include "RecordingUserInterface.h"

#include "project/ProjectEditing.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

#include <random>

using namespace kadro;

namespace {

struct Shown {
    int depth;
    std::string label;
    std::uint8_t picture;
    std::optional<ProjectRecord> record;
    bool operator==(const Shown&) const = default;
};

// The tree as the person sees it, in pre-order, with each entry's record.
std::vector<Shown> shown(const ProjectModel& m) {
    std::vector<Shown> out;
    for (EntryId id : m.tree.subtree(m.tree.root()))
        out.push_back(
            {m.tree.depth(id), m.tree.entry(id).label, m.tree.entry(id).picture, m.recordOf(id)});
    return out;
}

std::vector<EntryId> everyEntry(const ProjectModel& m) {
    std::vector<EntryId> out;
    for (EntryId top : m.tree.children(noEntry))
        for (EntryId id : m.tree.subtree(top))
            out.push_back(id);
    return out;
}

class Editor {
public:
    explicit Editor(unsigned seed) : rng_(seed) {}

    // One gesture of the tree pane or the command line, on random entries.
    void edit(ProjectModel& m) {
        const auto entries = everyEntry(m);
        const EntryId a = pick(entries), b = pick(entries);
        switch (rng_() % 7) {
        case 0:
        case 1:
            if (auto fields = addDialogFor(m, a, 256, 240)) {
                fill(*fields);
                addEntry(m, a, *fields);
            }
            break;
        case 2:
            deleteEntry(m, a);
            break;
        case 3:
            moveUp(m, a);
            break;
        case 4:
            moveDown(m, a);
            break;
        case 5:
            dropEntry(m, a, b);
            break;
        case 6:
            if (auto fields = attributeDialogFor(m, a)) {
                fill(*fields);
                applyAttribute(m, a, *fields);
            }
            break;
        }
    }

private:
    EntryId pick(const std::vector<EntryId>& entries) {
        const std::size_t n = rng_() % (entries.size() + 1);
        return n == entries.size() ? noEntry : entries[n];
    }
    void fill(EntryFields& fields) {
        const std::string name = "e" + std::to_string(rng_() % 1000);
        std::visit(
            [&](auto& f) {
                f.name = name;
                if constexpr (std::is_same_v<std::decay_t<decltype(f)>, IncreaseFields>) {
                    if (f.radiosEnabled)
                        f.item = rng_() % 2 == 0;
                    f.path = "/pictures/" + name + ".kdr";
                }
            },
            fields);
    }

    std::mt19937 rng_;
};

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
        Editor editor(seed);
        for (int step = 0; step < 60; ++step) {
            editor.edit(m);
            ASSERT_EQ(m.tree.children(noEntry).size(), 1u) << "seed " << seed << " step " << step;
        }
        ASSERT_EQ(checkProjectLimits(m), "") << "seed " << seed;
        const auto bytes = projectFileBytes(m);
        ProjectModel back;
        test::RecordingUserInterface quiet;
        ASSERT_EQ(parseProjectFile(back, bytes, "p.prg", quiet), static_cast<int>(m.tree.size()))
            << "seed " << seed;
        EXPECT_TRUE(quiet.messages.empty()) << "seed " << seed;
        EXPECT_EQ(shown(back), shown(m)) << "seed " << seed;
        EXPECT_EQ(projectFileBytes(back), bytes) << "seed " << seed;
    }
}
