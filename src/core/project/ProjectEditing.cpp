#include "project/ProjectEditing.h"

namespace kadro {

namespace {

std::uint8_t low8(std::int32_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

EntryId addTarget(const ProjectModel& model, EntryId selection) {
    return model.tree.contains(selection) ? selection : model.tree.root();
}

ProjectRecord sectionRecord(const SectionFields& f) {
    ProjectRecord r;
    r.name = f.name;
    r.kind = static_cast<std::uint8_t>(EntryKind::Section);
    r.autoIncrease = f.autoIncrease ? 1 : 0;
    r.blockX = 0;
    r.live = 1;
    return r;
}

ProjectRecord increaseRecord(const IncreaseFields& f) {
    ProjectRecord r;
    r.name = f.name;
    r.kind = static_cast<std::uint8_t>(f.item ? EntryKind::Item : EntryKind::Group);
    r.path = f.item ? f.path : std::string{};
    r.blockX = -1;
    r.live = 1;
    return r;
}

void storeSubBlock(ProjectRecord& r, const SubBlockFields& f) {
    r.name = f.name;
    r.path.clear();
    r.extraText.clear();
    r.kind = static_cast<std::uint8_t>(EntryKind::SubBlock);
    r.blockX = f.x;
    r.blockY = low8(f.y);
    r.blockWidth = low8(f.width);
    r.blockHeight = low8(f.height);
    r.autoIncrease = 0;
    r.reservedA = 0;
    r.reservedB = 0;
    r.live = 1;
}

// The record a confirmed Add dialog makes below a parent of the given kind, or nothing when
// those fields do not belong to that parent's dialog.
std::optional<ProjectRecord> recordForAdd(EntryKind parent, const EntryFields& fields) {
    switch (parent) {
    case EntryKind::Root:
        if (auto f = std::get_if<SectionFields>(&fields))
            return sectionRecord(*f);
        break;
    case EntryKind::Section:
    case EntryKind::Group:
        if (auto f = std::get_if<IncreaseFields>(&fields))
            return increaseRecord(*f);
        break;
    case EntryKind::Item:
        if (auto f = std::get_if<SubBlockFields>(&fields)) {
            ProjectRecord r;
            storeSubBlock(r, *f);
            return r;
        }
        break;
    case EntryKind::SubBlock:
        break;
    }
    return std::nullopt;
}

EntryId copySubtree(ProjectTree& tree, EntryId entry, EntryId parent, std::size_t position) {
    const ProjectTree::Entry source = tree.entry(entry);
    const EntryId copy =
        tree.insert(parent, position, source.label, source.picture, source.itemData);
    for (EntryId child : source.children)
        copySubtree(tree, child, copy, 0);
    return copy;
}

} // namespace

std::optional<EntryFields> addDialogFor(const ProjectModel& model, EntryId selection,
                                        int pictureWidth, int pictureHeight) {
    const EntryId target = addTarget(model, selection);
    if (target == noEntry)
        return std::nullopt;
    switch (model.kindOf(target)) {
    case EntryKind::Root:
        return SectionFields{};
    case EntryKind::Section:
    case EntryKind::Group:
        return IncreaseFields{};
    case EntryKind::Item:
        return SubBlockFields{{}, 0, 0, pictureWidth, pictureHeight};
    case EntryKind::SubBlock:
        break;
    }
    return std::nullopt;
}

EntryId addEntry(ProjectModel& model, EntryId selection, const EntryFields& fields) {
    const EntryId target = addTarget(model, selection);
    if (target == noEntry)
        return noEntry;
    auto record = recordForAdd(model.kindOf(target), fields);
    if (!record)
        return noEntry;
    const std::string label = record->name;
    const std::uint8_t picture = record->kind;
    const int itemData = model.appendRecord(std::move(*record));
    return model.tree.insert(target, 0, label, picture, itemData);
}

std::optional<EntryFields> attributeDialogFor(const ProjectModel& model, EntryId entry) {
    if (!model.tree.contains(entry))
        return std::nullopt;
    const auto r = model.recordOf(entry);
    if (!r)
        return std::nullopt;
    switch (r->entryKind()) {
    case EntryKind::Section:
        return SectionFields{r->name, r->autoIncrease != 0};
    case EntryKind::Group:
    case EntryKind::Item:
        return IncreaseFields{r->entryKind() == EntryKind::Item, r->name, r->path, false};
    case EntryKind::SubBlock:
        return SubBlockFields{r->name, r->blockX, r->blockY, r->blockWidth, r->blockHeight};
    case EntryKind::Root:
        break;
    }
    return std::nullopt;
}

bool applyAttribute(ProjectModel& model, EntryId entry, const EntryFields& fields) {
    ProjectRecord* r = model.tree.contains(entry) ? model.record(entry) : nullptr;
    if (!r)
        return false;
    const EntryKind kind = r->entryKind();
    if (auto f = std::get_if<SectionFields>(&fields); f && kind == EntryKind::Section) {
        r->name = f->name;
        r->autoIncrease = f->autoIncrease ? 1 : 0;
    } else if (auto g = std::get_if<IncreaseFields>(&fields);
               g && (kind == EntryKind::Group || kind == EntryKind::Item)) {
        r->name = g->name;
        r->path = kind == EntryKind::Item ? g->path : std::string{};
        r->extraText.clear();
    } else if (auto s = std::get_if<SubBlockFields>(&fields); s && kind == EntryKind::SubBlock) {
        storeSubBlock(*r, *s);
    } else {
        return false;
    }
    r->live = 1;
    model.tree.setLabel(entry, r->name);
    return true;
}

// Only entries below the root can be deleted or moved: the project file holds exactly one
// top-level entry, the root, and gives only the entries below it a record.
bool canDelete(const ProjectModel& model, EntryId selection) {
    return model.tree.contains(selection) && model.tree.parent(selection) != noEntry;
}

bool canMoveUp(const ProjectModel& model, EntryId selection) {
    return canDelete(model, selection) && model.tree.previousSibling(selection) != noEntry;
}

bool canMoveDown(const ProjectModel& model, EntryId selection) {
    return canDelete(model, selection) && model.tree.nextSibling(selection) != noEntry;
}

bool deleteEntry(ProjectModel& model, EntryId entry) {
    if (!canDelete(model, entry))
        return false;
    for (EntryId id : model.tree.subtree(entry))
        if (ProjectRecord* r = model.record(id))
            r->live = 0;
    model.tree.remove(entry);
    return true;
}

EntryId moveSubtree(ProjectModel& model, EntryId entry, EntryId parent, std::size_t position) {
    if (!canDelete(model, entry) || !model.tree.contains(parent) ||
        model.tree.isWithin(parent, entry))
        return noEntry;
    const EntryId copy = copySubtree(model.tree, entry, parent, position);
    model.tree.remove(entry);
    return copy;
}

EntryId moveUp(ProjectModel& model, EntryId entry) {
    if (!canMoveUp(model, entry))
        return noEntry;
    const std::size_t at = model.tree.indexInParent(entry);
    return moveSubtree(model, entry, model.tree.parent(entry), at - 1);
}

EntryId moveDown(ProjectModel& model, EntryId entry) {
    if (!canMoveDown(model, entry))
        return noEntry;
    const std::size_t at = model.tree.indexInParent(entry);
    return moveSubtree(model, entry, model.tree.parent(entry), at + 2);
}

DropResult dropEntry(ProjectModel& model, EntryId source, EntryId target) {
    ProjectTree& tree = model.tree;
    if (!canDelete(model, source))
        return {};
    if (!tree.contains(target) || tree.isWithin(target, source))
        return {DropOutcome::Refused};
    const EntryKind t = model.kindOf(target);
    const EntryKind s = model.kindOf(source);
    auto moved = [](EntryId copy) {
        return copy == noEntry ? DropResult{DropOutcome::Refused}
                               : DropResult{DropOutcome::Moved, copy};
    };
    auto firstChild = [&] { return moved(moveSubtree(model, source, target, 0)); };
    auto after = [&] {
        return moved(
            moveSubtree(model, source, tree.parent(target), tree.indexInParent(target) + 1));
    };
    switch (t) {
    case EntryKind::Root:
        return s == EntryKind::Section ? firstChild() : DropResult{DropOutcome::Refused};
    case EntryKind::Section:
        if (s == EntryKind::Section)
            return after();
        return s == EntryKind::Group ? firstChild() : DropResult{DropOutcome::Refused};
    case EntryKind::Group:
        return s == EntryKind::Section ? DropResult{DropOutcome::Refused} : firstChild();
    case EntryKind::Item:
        return s == EntryKind::Item ? after() : DropResult{DropOutcome::Refused};
    case EntryKind::SubBlock:
        break;
    }
    return {};
}

} // namespace kadro
