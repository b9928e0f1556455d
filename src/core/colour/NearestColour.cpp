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
    // Colour in the high half, index in the low: sorting puts the lowest index of each colour
    // first, which is the entry the scan would keep.
    std::vector<std::uint64_t> keys;
    auto add = [&](std::size_t i) {
        keys.push_back(std::uint64_t{table[i] & highestColourValue} << 32 | i);
    };
    std::size_t i = set.first;
    if (set.firstAlways && i < table.size())
        add(i++);
    for (; i < table.size(); ++i)
        if (table[i] <= highestColourValue)
            add(i);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end(),
                           [](std::uint64_t a, std::uint64_t b) { return a >> 32 == b >> 32; }),
               keys.end());

    cellStart_.assign(cellCount + 1, 0);
    for (std::uint64_t key : keys)
        ++cellStart_[static_cast<std::size_t>(cellOf(static_cast<Colour>(key >> 32))) + 1];
    for (std::size_t c = 1; c < cellStart_.size(); ++c)
        cellStart_[c] += cellStart_[c - 1];
    points_.resize(keys.size());
    std::vector<std::uint32_t> fill(cellStart_.begin(), cellStart_.end() - 1);
    for (std::uint64_t key : keys) {
        const auto colour = static_cast<Colour>(key >> 32);
        points_[fill[static_cast<std::size_t>(cellOf(colour))]++] = {
            colour, static_cast<std::uint32_t>(key)};
    }
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
