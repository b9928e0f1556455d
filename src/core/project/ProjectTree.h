#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kadro {

// Handle of a tree entry. Handles stay valid until their entry is removed or the tree cleared;
// a moved entry is a copy with a new handle, as the tree control the desktop program shows.
using EntryId = int;
inline constexpr EntryId noEntry = -1;

// The entries of the project tree: labels, pictures, item data (the link to the records) and
// their order. Top-level entries have noEntry as parent; normally there is one, the root.
class ProjectTree {
public:
    struct Entry {
        std::string label;
        std::uint8_t picture = 0;
        int itemData = 0;
        EntryId parent = noEntry;
        std::vector<EntryId> children;
        bool present = false;
    };

    void clear();
    bool empty() const { return topLevel_.empty(); }
    // Entries present in the whole tree.
    std::size_t size() const { return count_; }
    // The first top-level entry, or noEntry for an empty tree.
    EntryId root() const { return topLevel_.empty() ? noEntry : topLevel_.front(); }
    bool contains(EntryId id) const;
    const Entry& entry(EntryId id) const { return entries_[static_cast<std::size_t>(id)]; }

    EntryId parent(EntryId id) const { return entry(id).parent; }
    // Children of an entry; those of noEntry are the top-level entries.
    const std::vector<EntryId>& children(EntryId id) const;
    std::size_t indexInParent(EntryId id) const;
    EntryId previousSibling(EntryId id) const;
    EntryId nextSibling(EntryId id) const;
    // 0 for a top-level entry, 1 for its children, and so on.
    int depth(EntryId id) const;
    // True when id is ancestor or lies anywhere below it.
    bool isWithin(EntryId id, EntryId ancestor) const;
    // The entry and everything below it, each entry before its children.
    std::vector<EntryId> subtree(EntryId id) const;

    // Inserts a new entry at position (clamped to the end) among the children of parent.
    EntryId insert(EntryId parent, std::size_t position, std::string label, std::uint8_t picture,
                   int itemData);
    EntryId insertLast(EntryId parent, std::string label, std::uint8_t picture, int itemData);
    void setLabel(EntryId id, std::string label);
    // Removes the entry with its whole subtree.
    void remove(EntryId id);

private:
    std::vector<EntryId>& childList(EntryId parent);

    std::vector<Entry> entries_;
    std::vector<EntryId> topLevel_;
    std::size_t count_ = 0;
};

} // namespace kadro
