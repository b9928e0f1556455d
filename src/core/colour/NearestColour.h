#pragma once

#include "common/Colour.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kadro {

// Values above this mark a table entry that is no colour.
inline constexpr Colour highestColourValue = 0xFFFFFF;

// Squared distance between the byte components of two values (the top byte plays no part).
inline constexpr int colourDistance(Colour a, Colour b) {
    const int dr = redOf(a) - redOf(b), dg = greenOf(a) - greenOf(b), db = blueOf(a) - blueOf(b);
    return dr * dr + dg * dg + db * db;
}

// Which entries of a table a search looks at. The scan starts at entry `first` (taken as the
// first best whatever its value when firstAlways, otherwise the first later entry that is a
// colour); every later entry that is a colour is a candidate. A candidate replaces the best only
// when strictly nearer, so among equally near entries the lowest index wins.
struct CandidateSet {
    std::size_t first = 0;
    bool firstAlways = false;
};

// The reference search: one pass over the table. Nothing when there is no candidate.
std::optional<std::size_t> scanNearest(std::span<const Colour> table, const CandidateSet& set,
                                       Colour colour);

// The same answers as scanNearest, for every colour and every tie, from a structure built once
// per table: candidates of equal colour are merged into the lowest index, and the remaining
// distinct colours are bucketed in a 16 x 16 x 16 grid that is searched outwards from the
// colour's cell until no unvisited cell can hold a nearer or equally near entry.
class NearestColourSearch {
public:
    NearestColourSearch() = default;
    NearestColourSearch(std::span<const Colour> table, const CandidateSet& set);

    std::optional<std::size_t> find(Colour colour) const;
    // Distinct candidate colours.
    std::size_t size() const { return points_.size(); }

private:
    struct Point {
        Colour colour;
        std::uint32_t index;
    };
    struct Best {
        int distance;
        std::uint32_t index;
    };
    void searchCell(int cell, Colour colour, Best& best) const;
    void searchRing(int r, int g, int b, int ring, Colour colour, Best& best) const;

    std::vector<Point> points_;            // grouped by grid cell
    std::vector<std::uint32_t> cellStart_; // cell c holds points_[cellStart_[c], cellStart_[c+1])
};

} // namespace kadro
