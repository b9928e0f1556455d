#pragma once

#include "project/ProjectEditing.h"

#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace kadro::test {

// An entry as the person sees it in the tree, with its record.
struct ShownEntry {
    int depth;
    std::string label;
    std::uint8_t picture;
    std::optional<ProjectRecord> record;
    bool operator==(const ShownEntry&) const = default;
};

// The root's subtree in pre-order: what a save writes and a load must give back.
inline std::vector<ShownEntry> shownTree(const ProjectModel& m) {
    std::vector<ShownEntry> out;
    if (m.tree.empty())
        return out;
    for (EntryId id : m.tree.subtree(m.tree.root()))
        out.push_back(
            {m.tree.depth(id), m.tree.entry(id).label, m.tree.entry(id).picture, m.recordOf(id)});
    return out;
}

// One gesture of the tree pane or the command line (add, delete, upward, downward, drop,
// attribute) on entries chosen by next(), which gives any unsigned number: a random generator
// in the property test, the fuzz input in the harness.
template <typename Next> void editProject(ProjectModel& m, Next&& next) {
    std::vector<EntryId> entries;
    for (EntryId top : m.tree.children(noEntry))
        for (EntryId id : m.tree.subtree(top))
            entries.push_back(id);
    auto pick = [&] {
        const std::size_t n = next() % (entries.size() + 1);
        return n == entries.size() ? noEntry : entries[n];
    };
    auto fill = [&](EntryFields& fields) {
        const std::string name = "e" + std::to_string(next() % 1000);
        std::visit(
            [&](auto& f) {
                f.name = name;
                if constexpr (std::is_same_v<std::decay_t<decltype(f)>, IncreaseFields>) {
                    if (f.radiosEnabled)
                        f.item = next() % 2 == 0;
                    f.path = "/pictures/" + name + ".kdr";
                }
            },
            fields);
    };
    const EntryId a = pick();
    switch (next() % 7) {
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
        dropEntry(m, a, pick());
        break;
    case 6:
        if (auto fields = attributeDialogFor(m, a)) {
            fill(*fields);
            applyAttribute(m, a, *fields);
        }
        break;
    }
}

} // namespace kadro::test
