#include "project/ProjectModel.h"

namespace kadro {

std::optional<ProjectRecord> ProjectModel::recordOf(EntryId id) const {
    const int d = tree.entry(id).itemData;
    if (d < 1 || static_cast<std::size_t>(d) > records_.size())
        return std::nullopt;
    return records_[static_cast<std::size_t>(d - 1)];
}

ProjectRecord* ProjectModel::record(EntryId id) {
    const int d = tree.entry(id).itemData;
    if (d < 1 || static_cast<std::size_t>(d) > records_.size())
        return nullptr;
    return &records_[static_cast<std::size_t>(d - 1)];
}

int ProjectModel::appendRecord(ProjectRecord record) {
    const int id = nextId();
    records_.push_back(std::move(record));
    return id;
}

EntryKind ProjectModel::kindOf(EntryId id) const {
    const auto r = recordOf(id);
    return r ? r->entryKind() : EntryKind::Root;
}

void ProjectModel::clear() {
    tree.clear();
    records_.clear();
}

void ProjectModel::labelRootWithPath() {
    if (!tree.empty())
        tree.setLabel(tree.root(), projectPath);
}

} // namespace kadro
