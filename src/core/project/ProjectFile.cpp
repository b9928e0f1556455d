#include "project/ProjectFile.h"

#include "common/ByteIo.h"
#include "common/FileIo.h"

#include <algorithm>
#include <utility>

namespace kadro {

namespace {

constexpr std::uint8_t magic[5] = {'P', 'R', 'G', '2', 0};
// A project file of 255 entries with the longest texts stays far below this.
constexpr std::uintmax_t maxProjectFileBytes = 1u << 24;

std::string describeEntry(const ProjectModel& model, EntryId id) {
    return "\"" + model.tree.entry(id).label + "\"";
}

std::string checkRecordTexts(const ProjectRecord& r) {
    for (const std::string* text : {&r.name, &r.path, &r.extraText})
        if (text->size() > maxRecordTextBytes)
            return "a text of " + std::to_string(text->size()) + " bytes (at most " +
                   std::to_string(maxRecordTextBytes) + ")";
    return {};
}

void writeRecord(bytes::ByteWriter& out, const ProjectRecord& r) {
    for (const std::string* text : {&r.name, &r.path, &r.extraText}) {
        out.u16(static_cast<std::uint32_t>(text->size()));
        out.text(*text);
    }
    for (std::uint8_t b : {r.kind, r.blockHeight, r.reservedA, r.blockY, r.blockWidth,
                           r.autoIncrease, r.reservedB, r.live})
        out.u8(b);
    out.u32(static_cast<std::uint32_t>(r.blockX));
}

bool readText(bytes::ByteReader& in, std::string& text) {
    std::uint16_t length = 0;
    std::span<const std::uint8_t> raw;
    if (!in.u16(length) || !in.raw(length, raw))
        return false;
    text.assign(raw.begin(), raw.end());
    return true;
}

bool readRecord(bytes::ByteReader& in, ProjectRecord& r) {
    if (!readText(in, r.name) || !readText(in, r.path) || !readText(in, r.extraText))
        return false;
    for (std::uint8_t* b : {&r.kind, &r.blockHeight, &r.reservedA, &r.blockY, &r.blockWidth,
                            &r.autoIncrease, &r.reservedB, &r.live})
        if (!in.u8(*b))
            return false;
    return in.i32(r.blockX);
}

// The entry under which an entry of `depth` goes, coming from `cursor` at `previous`. A jump of
// more than one level down counts as one; climbing past the first entry gives noEntry.
EntryId placeCursor(const ProjectTree& tree, EntryId cursor, std::int32_t previous,
                    std::int32_t depth) {
    std::int64_t ups = 0;
    if (depth < previous)
        ups = static_cast<std::int64_t>(previous) - depth + 1;
    else if (depth == previous)
        ups = 1;
    for (; ups > 0 && cursor != noEntry; --ups)
        cursor = tree.parent(cursor);
    return cursor;
}

} // namespace

std::string checkProjectLimits(const ProjectModel& model) {
    const ProjectTree& tree = model.tree;
    if (tree.empty())
        return "the project has no root entry";
    const auto entries = tree.subtree(tree.root());
    if (entries.size() > maxProjectEntries)
        return "the project has " + std::to_string(entries.size()) +
               " entries; a project file holds at most " + std::to_string(maxProjectEntries);
    for (EntryId id : entries) {
        const auto& label = tree.entry(id).label;
        if (label.size() > maxLabelBytes)
            return "the name " + describeEntry(model, id) + " is " + std::to_string(label.size()) +
                   " bytes long; a project file holds at most " + std::to_string(maxLabelBytes);
        // The reader takes a record for every entry but the first, whatever its item data.
        if (id == tree.root())
            continue;
        if (const auto record = model.recordOf(id)) {
            if (auto why = checkRecordTexts(*record); !why.empty())
                return "the entry " + describeEntry(model, id) + " has " + why;
        } else {
            return "the entry " + describeEntry(model, id) + " has no record";
        }
    }
    return {};
}

std::vector<std::uint8_t> projectFileBytes(const ProjectModel& model) {
    const ProjectTree& tree = model.tree;
    bytes::ByteWriter out;
    out.raw(magic);
    // The count is of the entries written, so that it always matches the blocks that follow.
    const auto entries = tree.subtree(tree.root());
    out.u8(static_cast<std::uint32_t>(entries.size()));
    for (EntryId id : entries) {
        const auto& e = tree.entry(id);
        out.u32(static_cast<std::uint32_t>(tree.depth(id)));
        out.u8(e.picture);
        out.u8(static_cast<std::uint32_t>(e.label.size()));
        out.text(e.label);
        if (id != tree.root())
            writeRecord(out, *model.recordOf(id));
    }
    return out.take();
}

bool writeProjectFile(const ProjectModel& model, const std::string& path, UserInterface& ui) {
    if (auto why = checkProjectLimits(model); !why.empty()) {
        ui.showMessage(path + ": the project was not saved: " + why, MessageIcon::Warning);
        return false;
    }
    std::string error;
    if (!fileio::writeFile(path, projectFileBytes(model), &error)) {
        ui.showMessage(error, MessageIcon::Warning);
        return false;
    }
    return true;
}

int readProjectFile(ProjectModel& model, const std::string& path, UserInterface& ui) {
    const auto bytes = fileio::readFile(path, maxProjectFileBytes);
    if (!bytes) {
        ui.showMessage(path + ": cannot open the project file", MessageIcon::Warning);
        return 0;
    }
    return parseProjectFile(model, *bytes, path, ui);
}

int parseProjectFile(ProjectModel& model, std::span<const std::uint8_t> bytes,
                     const std::string& path, UserInterface& ui) {
    if (bytes.size() < 5 || !std::equal(magic, magic + 5, bytes.begin())) {
        ui.showMessage(prgFileError, MessageIcon::Warning);
        return 0;
    }
    bytes::ByteReader in(bytes.subspan(5));
    std::uint8_t count = 0;
    ProjectModel loaded;
    auto truncated = [&](int at) {
        ui.showMessage(path + ": the project file ends inside entry " + std::to_string(at + 1) +
                           " of " + std::to_string(count),
                       MessageIcon::Warning);
        return 0;
    };
    if (!in.u8(count) || count == 0) {
        ui.showMessage(path + ": the project file holds no entries", MessageIcon::Warning);
        return 0;
    }
    EntryId cursor = noEntry;
    std::int32_t previous = 0;
    int adopted = 0;
    for (int i = 0; i < count; ++i) {
        std::int32_t depth = 0;
        std::uint8_t picture = 0, length = 0;
        std::span<const std::uint8_t> label;
        if (!in.i32(depth) || !in.u8(picture) || !in.u8(length) || !in.raw(length, label))
            return truncated(i);
        cursor = placeCursor(loaded.tree, cursor, previous, depth);
        // A damaged file can climb past the project entry. A second top-level entry would be
        // dropped by the next save (only the root's subtree is written), or worse, become the
        // root after a move and make the file unreadable; so it goes under the root instead.
        if (i > 0 && cursor == noEntry) {
            cursor = loaded.tree.root();
            ++adopted;
        }
        cursor =
            loaded.tree.insertLast(cursor, std::string(label.begin(), label.end()), picture, i);
        previous = depth;
        ProjectRecord record;
        if (i > 0 && !readRecord(in, record))
            return truncated(i);
        if (i > 0)
            loaded.appendRecord(std::move(record));
    }
    if (adopted > 0)
        ui.showMessage(path + ": the project file is damaged: " + std::to_string(adopted) +
                           " entry(ies) lay outside the project and were put under it",
                       MessageIcon::Warning);
    loaded.projectPath = std::move(model.projectPath);
    model = std::move(loaded);
    return count;
}

} // namespace kadro
