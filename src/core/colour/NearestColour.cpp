#include "colour/NearestColour.h"

#include <algorithm>
#include <climits>

namespace kadro {

namespace {
constexpr int cellBits = 4; // 16 levels per cell and axis
constexpr int cellsPerAxis = 256 >> cellBits;
constexpr int cellCount = cellsPerAxis * cellsPerAxis * cellsPerAxis;

int cellOf(int r, int g, int b) {
    return r | g << cellBits | b << (2 * cellBits);
}
int cellOf(Colour c) {
    return cellOf(redOf(c) >> cellBits, greenOf(c) >> cellBits, blueOf(c) >> cellBits);
}
} // namespace

std::optional<std::size_t> scanNearest(std::span<const Colour> table, const CandidateSet& set,
                                       Colour colour) {
    const std::size_t size = table.size();
    const Colour* entries = table.data();
    std::size_t i = set.first;
    if (!set.firstAlways)
        while (i < size && entries[i] > highestColourValue)
            ++i;
    if (i >= size)
        return std::nullopt;
    std::size_t best = i;
    int bestDistance = colourDistance(entries[i], colour);
    const int r = redOf(colour), g = greenOf(colour), b = blueOf(colour);
    for (++i; i < size; ++i) {
        const Colour e = entries[i];
        if (e > highestColourValue)
            continue;
        const int dr = static_cast<int>(e & 0xFF) - r, dg = static_cast<int>((e >> 8) & 0xFF) - g,
                  db = static_cast<int>(e >> 16) - b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

NearestColourSearch::NearestColourSearch(std::span<const Colour> table, const CandidateSet& set) {
    // Candidates of one colour merge into the lowest index, the entry the scan would keep: the
    // table is walked in index order and a colour is kept the first time it is met. Tables
    // repeat their colours many times over, so the kept list stays small.
    std::vector<Point> distinct;
    std::vector<std::uint32_t> seen(1024, UINT32_MAX); // open addressing: positions in distinct
    auto keep = [&](std::size_t i) {
        const Colour colour = table[i] & highestColourValue;
        std::size_t mask = seen.size() - 1;
        std::size_t slot = (colour * 0x9E3779B1u) >> 8 & mask;
        for (; seen[slot] != UINT32_MAX; slot = (slot + 1) & mask)
            if (distinct[seen[slot]].colour == colour)
                return;
        seen[slot] = static_cast<std::uint32_t>(distinct.size());
        distinct.push_back({colour, static_cast<std::uint32_t>(i)});
        if (2 * distinct.size() < seen.size())
            return;
        seen.assign(2 * seen.size(), UINT32_MAX);
        mask = seen.size() - 1;
        for (std::uint32_t d = 0; d < distinct.size(); ++d) {
            std::size_t s2 = (distinct[d].colour * 0x9E3779B1u) >> 8 & mask;
            while (seen[s2] != UINT32_MAX)
                s2 = (s2 + 1) & mask;
            seen[s2] = d;
        }
    };
    std::size_t i = set.first;
    if (set.firstAlways && i < table.size())
        keep(i++);
    for (; i < table.size(); ++i)
        if (table[i] <= highestColourValue)
            keep(i);

    // Grouped by grid cell with a counting sort.
    cellStart_.assign(cellCount + 1, 0);
    for (const Point& p : distinct)
        ++cellStart_[static_cast<std::size_t>(cellOf(p.colour)) + 1];
    for (std::size_t c = 1; c < cellStart_.size(); ++c)
        cellStart_[c] += cellStart_[c - 1];
    points_.resize(distinct.size());
    std::vector<std::uint32_t> fill(cellStart_.begin(), cellStart_.end() - 1);
    for (const Point& p : distinct)
        points_[fill[static_cast<std::size_t>(cellOf(p.colour))]++] = p;
}

void NearestColourSearch::searchCell(int cell, Colour colour, Best& best) const {
    const auto c = static_cast<std::size_t>(cell);
    for (std::uint32_t p = cellStart_[c]; p < cellStart_[c + 1]; ++p) {
        const Point& point = points_[p];
        const int d = colourDistance(point.colour, colour);
        if (d < best.distance || (d == best.distance && point.index < best.index))
            best = {d, point.index};
    }
}

// Visits the cells whose largest axis offset from (r, g, b) is exactly `ring`.
void NearestColourSearch::searchRing(int r, int g, int b, int ring, Colour colour,
                                     Best& best) const {
    auto inside = [](int v) { return v >= 0 && v < cellsPerAxis; };
    for (int dr = -ring; dr <= ring; ++dr) {
        if (!inside(r + dr))
            continue;
        for (int dg = -ring; dg <= ring; ++dg) {
            if (!inside(g + dg))
                continue;
            const bool onShell = dr == -ring || dr == ring || dg == -ring || dg == ring;
            const int step = onShell ? 1 : 2 * ring;
            for (int db = -ring; db <= ring; db += step)
                if (inside(b + db))
                    searchCell(cellOf(r + dr, g + dg, b + db), colour, best);
        }
    }
}

std::optional<std::size_t> NearestColourSearch::find(Colour colour) const {
    if (points_.empty())
        return std::nullopt;
    const int r = redOf(colour) >> cellBits, g = greenOf(colour) >> cellBits,
              b = blueOf(colour) >> cellBits;
    Best best{INT_MAX, UINT32_MAX};
    for (int ring = 0; ring < cellsPerAxis; ++ring) {
        // Every cell of this ring is at least this far away along one axis; an entry there can
        // still tie with a lower index, so stop only when it must be strictly farther.
        const int gap = ring == 0 ? 0 : ((ring - 1) << cellBits) + 1;
        if (gap * gap > best.distance)
            break;
        searchRing(r, g, b, ring, colour, best);
    }
    return best.index;
}

} // namespace kadro
