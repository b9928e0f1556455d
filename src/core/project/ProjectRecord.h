#pragma once

#include <cstdint>
#include <string>

namespace kadro {

// The kind of a tree entry; also the index of its picture in the tree's image list.
enum class EntryKind : std::uint8_t { Root = 0, Section = 1, Group = 2, Item = 3, SubBlock = 4 };

// The data behind one tree entry (every entry but the root owns one). Fields keep the order of
// the project file; the two reserved bytes are carried unchanged through a load and a save.
struct ProjectRecord {
    std::string name;
    std::string path; // an item's ".kdr" document; empty for the other kinds
    std::string extraText;
    std::uint8_t kind = 0;
    std::uint8_t blockHeight = 0;
    std::uint8_t reservedA = 0;
    std::uint8_t blockY = 0;
    std::uint8_t blockWidth = 0;
    std::uint8_t autoIncrease = 0;
    std::uint8_t reservedB = 0;
    std::uint8_t live = 0; // 0 once the entry was deleted
    std::int32_t blockX = -1;

    EntryKind entryKind() const { return static_cast<EntryKind>(kind); }
    bool operator==(const ProjectRecord&) const = default;
};

} // namespace kadro
