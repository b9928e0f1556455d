#include "RecordingUserInterface.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "project/ProjectEditing.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {

ProjectModel rootOnly(const std::string& path = "C:\\work\\game.prg") {
    ProjectModel m;
    m.projectPath = path;
    m.tree.insertLast(noEntry, path, 0, 0);
    return m;
}

EntryId addLast(ProjectModel& m, EntryId parent, const std::string& name, EntryKind kind) {
    ProjectRecord r;
    r.name = name;
    r.kind = static_cast<std::uint8_t>(kind);
    r.live = 1;
    const int id = m.appendRecord(r);
    return m.tree.insertLast(parent, name, r.kind, id);
}

std::vector<std::string> labels(const ProjectModel& m, EntryId parent) {
    std::vector<std::string> out;
    for (EntryId c : m.tree.children(parent))
        out.push_back(m.tree.entry(c).label);
    return out;
}

// A hand-written file: depth, picture and label of each entry, an empty record for each but the
// first.
std::vector<std::uint8_t> handWritten(const std::vector<std::pair<int, std::string>>& entries) {
    std::vector<std::uint8_t> b{'P', 'R', 'G', '2', 0, static_cast<std::uint8_t>(entries.size())};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [depth, label] = entries[i];
        for (int k = 0; k < 4; ++k)
            b.push_back(static_cast<std::uint8_t>(depth >> (8 * k)));
        b.push_back(i == 0 ? 0 : 2);
        b.push_back(static_cast<std::uint8_t>(label.size()));
        b.insert(b.end(), label.begin(), label.end());
        if (i > 0) {
            const std::vector<std::uint8_t> record{0, 0, 0, 0, 0, 0,    2,    0,    0,
                                                   0, 0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF};
            b.insert(b.end(), record.begin(), record.end());
        }
    }
    return b;
}

} // namespace

TEST(ProjectFile, RootOnlyProjectHasTheMinimalSizeAndReadsBack) {
    const auto m = rootOnly();
    const auto bytes = projectFileBytes(m);
    EXPECT_EQ(bytes.size(), 5u + 1 + (4 + 1 + 1 + m.projectPath.size()));
    EXPECT_EQ(bytes[5], 1);

    test::RecordingUserInterface ui;
    ProjectModel back;
    ASSERT_EQ(parseProjectFile(back, bytes, "p", ui), 1);
    EXPECT_EQ(back.tree.entry(back.tree.root()).label, m.projectPath);
    EXPECT_TRUE(back.records().empty());
    EXPECT_EQ(back.nextId(), 1);
}

TEST(ProjectFile, WritesTrueDepthsAndRebuildsTheShape) {
    ProjectModel m = rootOnly();
    const EntryId a = addLast(m, m.tree.root(), "A", EntryKind::Section);
    addLast(m, a, "B", EntryKind::Group);
    addLast(m, a, "C", EntryKind::Group);
    addLast(m, m.tree.root(), "D", EntryKind::Section);
    const auto bytes = projectFileBytes(m);
    std::vector<int> depths;
    ProjectModel back;
    test::RecordingUserInterface ui;
    ASSERT_EQ(parseProjectFile(back, bytes, "p", ui), 5);
    for (EntryId id : back.tree.subtree(back.tree.root()))
        depths.push_back(back.tree.depth(id));
    EXPECT_EQ(depths, (std::vector<int>{0, 1, 2, 2, 1}));
    EXPECT_EQ(labels(back, back.tree.root()), (std::vector<std::string>{"A", "D"}));
    const EntryId backA = back.tree.children(back.tree.root())[0];
    EXPECT_EQ(labels(back, backA), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(back.recordOf(backA)->name, "A");
    EXPECT_EQ(back.nextId(), 5);
    EXPECT_EQ(projectFileBytes(back), bytes);
}

TEST(ProjectFile, ReaderPlacesEntriesByTheCursorRulesAndKeepsThemUnderTheRoot) {
    // A jump of two levels counts as one, but the way back up counts the levels as written, so
    // C and E climb past the root: a damaged file. They are kept, under the root.
    const auto bytes = handWritten({{0, "root"}, {1, "A"}, {3, "B"}, {1, "C"}, {0, "E"}});
    ProjectModel m;
    test::RecordingUserInterface ui;
    ASSERT_EQ(parseProjectFile(m, bytes, "p.prg", ui), 5);
    EXPECT_EQ(labels(m, noEntry), (std::vector<std::string>{"root"}));
    EXPECT_EQ(labels(m, m.tree.root()), (std::vector<std::string>{"A", "C", "E"}));
    EXPECT_EQ(labels(m, m.tree.children(m.tree.root())[0]), (std::vector<std::string>{"B"}));
    // Item data follows file order, so entry i owns record i - 1.
    EXPECT_EQ(m.tree.entry(m.tree.children(m.tree.root())[2]).itemData, 4);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("p.prg: the project file is damaged: 2 entry(ies) lay outside"),
              std::string::npos)
        << ui.messages[0];
}

TEST(ProjectFile, ADamagedFileWithTwoTopLevelEntriesSurvivesUpwardAndSave) {
    // The second entry at depth 0 used to load beside the root; Upward then made it the root and
    // Save wrote a file that the next load refused.
    const auto bytes = handWritten({{0, "C:\\game.prg"}, {1, "A"}, {0, "X"}, {1, "X1"}});
    ProjectModel m;
    test::RecordingUserInterface ui;
    ASSERT_EQ(parseProjectFile(m, bytes, "game.prg", ui), 4);
    EXPECT_EQ(labels(m, noEntry), (std::vector<std::string>{"C:\\game.prg"}));
    EXPECT_EQ(labels(m, m.tree.root()), (std::vector<std::string>{"A", "X"}));
    const EntryId x = m.tree.children(m.tree.root())[1];
    EXPECT_EQ(labels(m, x), (std::vector<std::string>{"X1"}));

    ASSERT_NE(moveUp(m, x), noEntry);
    ProjectModel back;
    test::RecordingUserInterface quiet;
    ASSERT_EQ(parseProjectFile(back, projectFileBytes(m), "game.prg", quiet), 4);
    EXPECT_TRUE(quiet.messages.empty());
    EXPECT_EQ(labels(back, back.tree.root()), (std::vector<std::string>{"X", "A"}));
    EXPECT_EQ(projectFileBytes(back), projectFileBytes(m));
}

TEST(ProjectFile, NothingMovesBesideTheRoot) {
    // A model with a second top-level entry (as loads made before): it can be neither moved,
    // deleted nor dropped beside, and the root's record slot is never written.
    ProjectModel m = rootOnly();
    const EntryId section = addLast(m, m.tree.root(), "S", EntryKind::Section);
    const EntryId stray = addLast(m, noEntry, "Stray", EntryKind::Section);
    EXPECT_FALSE(canMoveUp(m, stray));
    EXPECT_FALSE(canDelete(m, stray));
    EXPECT_EQ(moveSubtree(m, section, noEntry, 0), noEntry);
    EXPECT_EQ(dropEntry(m, section, stray).outcome, DropOutcome::Refused);
    EXPECT_EQ(m.tree.root(), m.tree.children(noEntry)[0]);
    EXPECT_EQ(labels(m, m.tree.root()), (std::vector<std::string>{"S"}));
}

TEST(ProjectFile, LongestLabelAndTextsRoundTripAndLongerOnesAreRefused) {
    test::TempDir dir;
    test::RecordingUserInterface ui;
    ProjectModel m = rootOnly();
    const EntryId s = addLast(m, m.tree.root(), std::string(255, 'n'), EntryKind::Section);
    m.record(s)->path = std::string(499, 'p');
    m.record(s)->extraText = "kept";
    m.record(s)->reservedA = 7;
    ASSERT_TRUE(writeProjectFile(m, dir.file("ok.prg"), ui));
    ProjectModel back;
    ASSERT_EQ(readProjectFile(back, dir.file("ok.prg"), ui), 2);
    EXPECT_EQ(back.records(), m.records());
    EXPECT_EQ(back.tree.entry(back.tree.children(back.tree.root())[0]).label,
              std::string(255, 'n'));

    auto refused = [&](ProjectModel& model, const std::string& what) {
        ui.messages.clear();
        ASSERT_TRUE(fileio::writeFile(dir.file("old.prg"), projectFileBytes(rootOnly()), nullptr));
        const auto before = fileio::readFile(dir.file("old.prg"));
        EXPECT_FALSE(writeProjectFile(model, dir.file("old.prg"), ui)) << what;
        EXPECT_EQ(fileio::readFile(dir.file("old.prg")), before) << what;
        ASSERT_EQ(ui.messages.size(), 1u) << what;
        EXPECT_NE(ui.messages[0].find(what), std::string::npos) << ui.messages[0];
    };
    ProjectModel longLabel = m;
    longLabel.tree.setLabel(longLabel.tree.children(longLabel.tree.root())[0],
                            std::string(256, 'n'));
    refused(longLabel, "256 bytes");
    ProjectModel longText = m;
    longText.record(longText.tree.children(longText.tree.root())[0])->extraText.assign(500, 'x');
    refused(longText, "500 bytes");
    ProjectModel many = rootOnly();
    for (int i = 0; i < 255; ++i)
        addLast(many, many.tree.root(), "s", EntryKind::Section);
    refused(many, "256 entries");
}

TEST(ProjectFile, BadFilesAreRefusedAndLeaveTheProjectAsItWas) {
    ProjectModel m = rootOnly();
    addLast(m, m.tree.root(), "Keep", EntryKind::Section);
    const auto good = handWritten({{0, "root"}, {1, "A"}, {2, "B"}});
    auto badFifth = good;
    badFifth[4] = 1;
    auto badMagic = good;
    badMagic[3] = '1';
    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases{
        {badFifth, prgFileError},
        {badMagic, prgFileError},
        {{'P', 'R', 'G'}, prgFileError},
        {{good.begin(), good.end() - 3}, "ends inside entry 3 of 3"},
        {{good.begin(), good.begin() + 12}, "ends inside entry 1 of 3"},
        {{'P', 'R', 'G', '2', 0, 0}, "holds no entries"},
    };
    for (const auto& [bytes, message] : cases) {
        test::RecordingUserInterface ui;
        ProjectModel copy = m;
        EXPECT_EQ(parseProjectFile(copy, bytes, "x.prg", ui), 0) << message;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].find(message), std::string::npos) << ui.messages[0];
        EXPECT_EQ(copy.records(), m.records());
        EXPECT_EQ(labels(copy, copy.tree.root()), std::vector<std::string>{"Keep"});
    }
    // Every shorter copy of a good file is refused.
    for (std::size_t n = 0; n < good.size(); ++n) {
        test::RecordingUserInterface ui;
        ProjectModel copy = m;
        EXPECT_EQ(parseProjectFile(copy, std::span(good).first(n), "x.prg", ui), 0) << n;
        EXPECT_EQ(copy.tree.size(), 2u);
    }
}

TEST(ProjectFile, SavingDropsDeletedEntriesAndReloadingRenumbers) {
    ProjectModel m = rootOnly();
    const EntryId a = addLast(m, m.tree.root(), "A", EntryKind::Section);
    const EntryId b = addLast(m, m.tree.root(), "B", EntryKind::Section);
    addLast(m, b, "B1", EntryKind::Group);
    addLast(m, m.tree.root(), "C", EntryKind::Section);
    m.record(a)->live = 0;
    m.tree.remove(a);
    EXPECT_EQ(m.records().size(), 4u); // records stay until the next reload
    EXPECT_EQ(m.nextId(), 5);

    ProjectModel back;
    test::RecordingUserInterface ui;
    ASSERT_EQ(parseProjectFile(back, projectFileBytes(m), "p", ui), 4);
    std::vector<int> itemData;
    std::vector<std::string> names;
    for (EntryId id : back.tree.subtree(back.tree.root())) {
        itemData.push_back(back.tree.entry(id).itemData);
        if (auto r = back.recordOf(id))
            names.push_back(r->name);
    }
    EXPECT_EQ(itemData, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(names, (std::vector<std::string>{"B", "B1", "C"}));
    EXPECT_EQ(back.nextId(), 4);
}
