#pragma once

#include "project/ProjectModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace kadro {

// The data of the three dialogs that fill records. The desktop program shows them; the command
// line and tests fill them directly.
struct SectionFields { // "Increase Section"
    std::string name;
    bool autoIncrease = true;
};
struct IncreaseFields { // "Increase": a group or an item
    bool item = false;
    std::string name;
    std::string path; // the item's ".kdr" document
    bool radiosEnabled = true;
};
struct SubBlockFields { // "Setup Sub Block"
    std::string name;
    std::int32_t x = 0, y = 0, width = 0, height = 0;
};
using EntryFields = std::variant<SectionFields, IncreaseFields, SubBlockFields>;

// The dialog Add opens for the selection, filled with its defaults; nothing for a sub block.
// The sub block dialog starts with the size of the picture in the document. With nothing
// selected Add works on the root, so that nothing is added outside the saved tree.
std::optional<EntryFields> addDialogFor(const ProjectModel& model, EntryId selection,
                                        int pictureWidth, int pictureHeight);
// Adds the entry a confirmed Add dialog describes, first among the selection's children. Gives
// its handle, or noEntry when the fields are not those of the selection's dialog.
EntryId addEntry(ProjectModel& model, EntryId selection, const EntryFields& fields);

// The dialog Attribute opens for an entry with its record's values; nothing for the root.
std::optional<EntryFields> attributeDialogFor(const ProjectModel& model, EntryId entry);
// Stores a confirmed Attribute dialog; false when the fields do not fit the entry's kind.
bool applyAttribute(ProjectModel& model, EntryId entry, const EntryFields& fields);

bool canDelete(const ProjectModel& model, EntryId selection);
bool canMoveUp(const ProjectModel& model, EntryId selection);
bool canMoveDown(const ProjectModel& model, EntryId selection);

// The Yes/No/Cancel question Delete asks first.
inline constexpr const char* deleteQuestion =
    "This permanently removes the selected group and all sub-groups under it.  Are you sure?";

// Delete, after the person answered Yes: the records of the whole subtree are marked not live
// (they stay in the array) and the entries leave the tree. False for the root or no entry.
bool deleteEntry(ProjectModel& model, EntryId entry);

// Moves an entry with its subtree to position among parent's children (positions counted
// before the move). The copy puts every child first in turn, so the order of children is
// reversed at every level below the moved entry. Gives the moved entry's new handle, or noEntry
// when the entry is top-level, or parent is no entry or lies inside the moved subtree: nothing
// moves beside the root.
EntryId moveSubtree(ProjectModel& model, EntryId entry, EntryId parent, std::size_t position);
// One place up or down among the siblings; the new handle, or noEntry when not possible.
EntryId moveUp(ProjectModel& model, EntryId entry);
EntryId moveDown(ProjectModel& model, EntryId entry);

// What a drop of a dragged entry does.
enum class DropOutcome {
    Moved,   // moved; select DropResult::moved
    Refused, // not allowed here: beep
    Nothing, // silently ignored
};
struct DropResult {
    DropOutcome outcome = DropOutcome::Nothing;
    EntryId moved = noEntry;
};
// Drops source on target (noEntry when the cursor was over no entry).
DropResult dropEntry(ProjectModel& model, EntryId source, EntryId target);

} // namespace kadro
