#include "project/ProjectTree.h"

#include <algorithm>

namespace kadro {

void ProjectTree::clear() {
    entries_.clear();
    topLevel_.clear();
    count_ = 0;
}

bool ProjectTree::contains(EntryId id) const {
    return id >= 0 && static_cast<std::size_t>(id) < entries_.size() && entry(id).present;
}

const std::vector<EntryId>& ProjectTree::children(EntryId id) const {
    return id == noEntry ? topLevel_ : entry(id).children;
}

std::vector<EntryId>& ProjectTree::childList(EntryId parent) {
    return parent == noEntry ? topLevel_ : entries_[static_cast<std::size_t>(parent)].children;
}

std::size_t ProjectTree::indexInParent(EntryId id) const {
    const auto& siblings = children(parent(id));
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), id) -
                                    siblings.begin());
}

EntryId ProjectTree::previousSibling(EntryId id) const {
    const std::size_t at = indexInParent(id);
    return at == 0 ? noEntry : children(parent(id))[at - 1];
}

EntryId ProjectTree::nextSibling(EntryId id) const {
    const auto& siblings = children(parent(id));
    const std::size_t at = indexInParent(id);
    return at + 1 >= siblings.size() ? noEntry : siblings[at + 1];
}

int ProjectTree::depth(EntryId id) const {
    int d = 0;
    for (EntryId at = parent(id); at != noEntry; at = parent(at))
        ++d;
    return d;
}

bool ProjectTree::isWithin(EntryId id, EntryId ancestor) const {
    for (EntryId at = id; at != noEntry; at = parent(at))
        if (at == ancestor)
            return true;
    return false;
}

std::vector<EntryId> ProjectTree::subtree(EntryId id) const {
    std::vector<EntryId> out;
    std::vector<EntryId> pending{id};
    while (!pending.empty()) {
        const EntryId at = pending.back();
        pending.pop_back();
        out.push_back(at);
        const auto& kids = entry(at).children;
        pending.insert(pending.end(), kids.rbegin(), kids.rend());
    }
    return out;
}

EntryId ProjectTree::insert(EntryId parent, std::size_t position, std::string label,
                            std::uint8_t picture, int itemData) {
    const auto id = static_cast<EntryId>(entries_.size());
    entries_.push_back(Entry{std::move(label), picture, itemData, parent, {}, true});
    auto& siblings = childList(parent);
    position = std::min(position, siblings.size());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(position), id);
    ++count_;
    return id;
}

EntryId ProjectTree::insertLast(EntryId parent, std::string label, std::uint8_t picture,
                                int itemData) {
    return insert(parent, children(parent).size(), std::move(label), picture, itemData);
}

void ProjectTree::setLabel(EntryId id, std::string label) {
    entries_[static_cast<std::size_t>(id)].label = std::move(label);
}

void ProjectTree::remove(EntryId id) {
    auto& siblings = childList(parent(id));
    siblings.erase(std::find(siblings.begin(), siblings.end(), id));
    for (EntryId gone : subtree(id)) {
        auto& e = entries_[static_cast<std::size_t>(gone)];
        e.present = false;
        e.children.clear();
        --count_;
    }
}

} // namespace kadro
