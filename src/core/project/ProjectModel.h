#pragma once

#include "project/ProjectRecord.h"
#include "project/ProjectTree.h"

#include <optional>
#include <string>
#include <vector>

namespace kadro {

inline constexpr const char* untitledProjectPath = "Untitled";

// The project as the tree pane holds it: the tree, the record array behind its entries and the
// path of the project file. The entry with item data d owns record d - 1; the root has item data
// 0 and no record. Records of deleted entries stay in the array (with live 0) until a save and
// reload compacts it, so item data handed out earlier stays valid.
class ProjectModel {
public:
    ProjectTree tree;
    std::string projectPath = untitledProjectPath;

    // Item data the next new entry gets; always the record count + 1.
    int nextId() const { return static_cast<int>(records_.size()) + 1; }
    const std::vector<ProjectRecord>& records() const { return records_; }

    std::optional<ProjectRecord> recordOf(EntryId id) const;
    // The record behind an entry for editing in place, or nullptr (the root).
    ProjectRecord* record(EntryId id);
    // Stores the record at the end of the array and returns its item data.
    int appendRecord(ProjectRecord record);
    // The entry's kind: its record's kind, Root for an entry without a record.
    EntryKind kindOf(EntryId id) const;

    // Empties tree and records (nextId becomes 1).
    void clear();
    // Sets the root's label to the project path, when there is a root.
    void labelRootWithPath();

private:
    std::vector<ProjectRecord> records_;
};

} // namespace kadro
