#include "project/ProjectEditing.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {

struct Tree {
    ProjectModel m;
    EntryId root, section, group, item;
    Tree() {
        root = m.tree.insertLast(noEntry, "p.prg", 0, 0);
        section = addEntry(m, root, SectionFields{"S", true});
        group = addEntry(m, section, IncreaseFields{false, "G", "ignored", true});
        item = addEntry(m, group, IncreaseFields{true, "I", "/d/i.kdr", true});
    }
    std::vector<std::string> labels(EntryId parent) const {
        std::vector<std::string> out;
        for (EntryId c : m.tree.children(parent))
            out.push_back(m.tree.entry(c).label);
        return out;
    }
    EntryId child(EntryId parent, std::size_t i) const { return m.tree.children(parent)[i]; }
};

} // namespace

TEST(ProjectEditing, AddOffersTheDialogOfTheSelectionsKind) {
    Tree t;
    EXPECT_TRUE(std::holds_alternative<SectionFields>(*addDialogFor(t.m, t.root, 0, 0)));
    EXPECT_TRUE(std::holds_alternative<SectionFields>(*addDialogFor(t.m, noEntry, 0, 0)));
    EXPECT_TRUE(std::holds_alternative<IncreaseFields>(*addDialogFor(t.m, t.section, 0, 0)));
    EXPECT_TRUE(std::holds_alternative<IncreaseFields>(*addDialogFor(t.m, t.group, 0, 0)));
    const auto sub = std::get<SubBlockFields>(*addDialogFor(t.m, t.item, 256, 240));
    EXPECT_EQ(sub.width, 256);
    EXPECT_EQ(sub.height, 240);
    const EntryId block = addEntry(t.m, t.item, sub);
    EXPECT_FALSE(addDialogFor(t.m, block, 0, 0));
    EXPECT_EQ(addEntry(t.m, block, SubBlockFields{}), noEntry);
    // Fields of another dialog are refused rather than stored under the wrong kind.
    EXPECT_EQ(addEntry(t.m, t.root, IncreaseFields{}), noEntry);
    EXPECT_EQ(addEntry(t.m, t.group, SectionFields{}), noEntry);
}

TEST(ProjectEditing, AddMakesRecordsAndPutsTheNewEntryFirst) {
    Tree t;
    const EntryId second =
        addEntry(t.m, t.section, IncreaseFields{true, "Logo", "/x/logo.kdr", true});
    EXPECT_EQ(t.labels(t.section), (std::vector<std::string>{"Logo", "G"}));
    EXPECT_EQ(t.m.tree.entry(second).picture, 3);
    EXPECT_EQ(t.m.tree.entry(second).itemData, 4);
    EXPECT_EQ(t.m.nextId(), 5);

    const auto section = *t.m.recordOf(t.section);
    EXPECT_EQ(section.kind, 1);
    EXPECT_EQ(section.autoIncrease, 1);
    EXPECT_EQ(section.blockX, 0);
    EXPECT_EQ(section.live, 1);
    const auto group = *t.m.recordOf(t.group);
    EXPECT_EQ(group.path, ""); // a group keeps no path
    EXPECT_EQ(group.blockX, -1);
    EXPECT_EQ(t.m.recordOf(t.item)->path, "/d/i.kdr");

    const EntryId block = addEntry(t.m, t.item, SubBlockFields{"B", 300, 257, 258, 511});
    const auto r = *t.m.recordOf(block);
    EXPECT_EQ(r.kind, 4);
    EXPECT_EQ(r.blockX, 300);
    EXPECT_EQ(r.blockY, 1);
    EXPECT_EQ(r.blockWidth, 2);
    EXPECT_EQ(r.blockHeight, 255);
}

TEST(ProjectEditing, DeleteMarksTheSubtreeAndKeepsTheRecords) {
    Tree t;
    EXPECT_FALSE(canDelete(t.m, t.root));
    EXPECT_FALSE(deleteEntry(t.m, t.root));
    const EntryId other = addEntry(t.m, t.root, SectionFields{"T", false});
    ASSERT_TRUE(deleteEntry(t.m, t.group));
    EXPECT_FALSE(t.m.tree.contains(t.item));
    EXPECT_EQ(t.m.records().size(), 4u);
    EXPECT_EQ(t.m.nextId(), 5);
    EXPECT_EQ(t.m.records()[1].live, 0);
    EXPECT_EQ(t.m.records()[2].live, 0);
    EXPECT_EQ(t.m.records()[0].live, 1);
    EXPECT_EQ(t.m.recordOf(other)->live, 1);
    EXPECT_TRUE(t.labels(t.section).empty());
}

TEST(ProjectEditing, MovingReversesChildrenAtEveryLevelAndTwoMovesRestore) {
    Tree t;
    addEntry(t.m, t.section, IncreaseFields{false, "X", {}, true});
    // Group G gets children A, B, C; A gets a1, a2.
    for (const char* name : {"C", "B", "A"})
        addEntry(t.m, t.group, IncreaseFields{false, name, {}, true});
    t.m.tree.remove(t.item);
    const EntryId a = t.child(t.group, 0);
    for (const char* name : {"a2", "a1"})
        addEntry(t.m, a, IncreaseFields{false, name, {}, true});
    ASSERT_EQ(t.labels(t.section), (std::vector<std::string>{"X", "G"}));

    const EntryId up = moveUp(t.m, t.group);
    ASSERT_NE(up, noEntry);
    EXPECT_EQ(t.labels(t.section), (std::vector<std::string>{"G", "X"}));
    EXPECT_EQ(t.labels(up), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(t.labels(t.child(up, 2)), (std::vector<std::string>{"a2", "a1"}));
    EXPECT_EQ(t.m.recordOf(t.child(up, 2))->name, "A"); // records move with the entries

    const EntryId down = moveDown(t.m, up);
    EXPECT_EQ(t.labels(t.section), (std::vector<std::string>{"X", "G"}));
    EXPECT_EQ(t.labels(down), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(t.labels(t.child(down, 0)), (std::vector<std::string>{"a1", "a2"}));
}

TEST(ProjectEditing, UpwardAndDownwardMoveOnePlaceWhenTheyAreEnabled) {
    Tree t;
    for (const char* name : {"D", "C", "B", "A"})
        addEntry(t.m, t.root, SectionFields{name, true});
    // A B C D S
    EXPECT_FALSE(canMoveUp(t.m, t.root) || canMoveDown(t.m, t.root) || canDelete(t.m, t.root));
    EXPECT_FALSE(canMoveUp(t.m, t.child(t.root, 0)));
    EXPECT_FALSE(canMoveDown(t.m, t.section));
    EXPECT_TRUE(canMoveDown(t.m, t.child(t.root, 0)) && canMoveUp(t.m, t.section));
    EXPECT_EQ(moveUp(t.m, t.child(t.root, 0)), noEntry);
    moveUp(t.m, t.child(t.root, 2));
    EXPECT_EQ(t.labels(t.root), (std::vector<std::string>{"A", "C", "B", "D", "S"}));
    moveDown(t.m, t.child(t.root, 0));
    EXPECT_EQ(t.labels(t.root), (std::vector<std::string>{"C", "A", "B", "D", "S"}));
}

TEST(ProjectEditing, DropsFollowTheTableOfKinds) {
    Tree t;
    const EntryId item2 = addEntry(t.m, t.group, IncreaseFields{true, "J", "/d/j.kdr", true});
    const EntryId sub = addEntry(t.m, t.item, SubBlockFields{"Sub", 0, 0, 8, 8});
    const EntryId group2 = addEntry(t.m, t.section, IncreaseFields{false, "H", {}, true});
    const EntryId inner = addEntry(t.m, t.group, IncreaseFields{false, "Inner", {}, true});
    // Section S: H, G; G: Inner, J, I; I: Sub.

    const auto refused = [&](EntryId source, EntryId target) {
        return dropEntry(t.m, source, target).outcome == DropOutcome::Refused;
    };
    EXPECT_TRUE(refused(t.group, inner));   // into its own subtree
    EXPECT_TRUE(refused(t.group, t.group)); // onto itself
    EXPECT_TRUE(refused(t.group, noEntry)); // onto nothing
    EXPECT_TRUE(refused(t.group, t.root));
    EXPECT_TRUE(refused(t.item, t.section));
    EXPECT_TRUE(refused(t.section, group2));
    EXPECT_TRUE(refused(t.group, item2));
    EXPECT_EQ(dropEntry(t.m, item2, sub).outcome, DropOutcome::Nothing);
    EXPECT_EQ(dropEntry(t.m, t.root, t.section).outcome, DropOutcome::Nothing);
    EXPECT_EQ(t.labels(t.group), (std::vector<std::string>{"Inner", "J", "I"}));

    // An item onto an item goes right after it; onto a group it becomes its first child.
    auto moved = dropEntry(t.m, item2, t.item);
    ASSERT_EQ(moved.outcome, DropOutcome::Moved);
    EXPECT_EQ(t.labels(t.group), (std::vector<std::string>{"Inner", "I", "J"}));
    moved = dropEntry(t.m, moved.moved, group2);
    EXPECT_EQ(t.labels(group2), (std::vector<std::string>{"J"}));
    EXPECT_EQ(t.labels(t.group), (std::vector<std::string>{"Inner", "I"}));

    // A section onto a section goes after it; a section onto the root becomes its first child.
    const EntryId s2 = addEntry(t.m, t.root, SectionFields{"S2", true});
    moved = dropEntry(t.m, s2, t.section);
    EXPECT_EQ(t.labels(t.root), (std::vector<std::string>{"S", "S2"}));
    dropEntry(t.m, moved.moved, t.root);
    EXPECT_EQ(t.labels(t.root), (std::vector<std::string>{"S2", "S"}));
    // A sub block onto a group becomes its first child.
    dropEntry(t.m, sub, group2);
    EXPECT_EQ(t.labels(group2), (std::vector<std::string>{"Sub", "J"}));
}

TEST(ProjectEditing, AttributeEditsTheRecordInPlace) {
    Tree t;
    EXPECT_FALSE(attributeDialogFor(t.m, t.root));
    const auto fields = std::get<IncreaseFields>(*attributeDialogFor(t.m, t.item));
    EXPECT_TRUE(fields.item);
    EXPECT_FALSE(fields.radiosEnabled);
    EXPECT_EQ(fields.path, "/d/i.kdr");
    EXPECT_FALSE(std::get<IncreaseFields>(*attributeDialogFor(t.m, t.group)).item);

    ASSERT_TRUE(applyAttribute(t.m, t.item, IncreaseFields{false, "Renamed", "/e/r.kdr", false}));
    EXPECT_EQ(t.m.recordOf(t.item)->kind, 3); // the kind stays
    EXPECT_EQ(t.m.recordOf(t.item)->path, "/e/r.kdr");
    EXPECT_EQ(t.m.tree.entry(t.item).label, "Renamed");
    ASSERT_TRUE(applyAttribute(t.m, t.section, SectionFields{"S!", false}));
    EXPECT_EQ(t.m.recordOf(t.section)->autoIncrease, 0);
    EXPECT_FALSE(applyAttribute(t.m, t.section, SubBlockFields{}));
    EXPECT_FALSE(applyAttribute(t.m, t.root, SectionFields{}));
    EXPECT_EQ(t.m.records().size(), 3u);
}
