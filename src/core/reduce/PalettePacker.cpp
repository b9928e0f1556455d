#include "reduce/PalettePacker.h"

#include "reduce/ColourBits.h"
#include "reduce/PackingSearch.h"

#include <algorithm>
#include <unordered_map>

namespace kadro {

namespace {

bool holds(const std::vector<Colour>& palette, Colour c) {
    return std::find(palette.begin(), palette.end(), c) != palette.end();
}

// The conversion's own rule, block by block: the first palette that holds the block's colours,
// else the first with room for the missing ones, which go into its free slots in order.
bool packFirstFit(std::span<const BlockColourSet> blocks, Colour background, int room,
                  Packing& out) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        std::vector<Colour> wanted;
        for (Colour c : blocks[b])
            if (c != background)
                wanted.push_back(c);
        const auto holdsAll = [&](const std::vector<Colour>& p) {
            return std::all_of(wanted.begin(), wanted.end(), [&](Colour c) { return holds(p, c); });
        };
        if (std::any_of(out.palettes.begin(), out.palettes.end(), holdsAll))
            continue;
        bool placed = false;
        for (auto& palette : out.palettes) {
            std::vector<Colour> missing;
            for (Colour c : wanted)
                if (!holds(palette, c))
                    missing.push_back(c);
            if (palette.size() + missing.size() > static_cast<std::size_t>(room))
                continue;
            palette.insert(palette.end(), missing.begin(), missing.end());
            placed = true;
            break;
        }
        if (!placed) {
            out.refusedBlock = b;
            return false;
        }
    }
    return true;
}

bool packFromHints(std::span<const BlockColourSet> blocks, Colour background, int room, int count,
                   std::span<const std::vector<Colour>> hints, Packing& out) {
    if (hints.empty() || hints.size() > static_cast<std::size_t>(count))
        return false;
    for (const auto& hint : hints)
        if (hint.size() > static_cast<std::size_t>(room) || holds(hint, background))
            return false;
    for (const auto& block : blocks) {
        const bool held = std::any_of(hints.begin(), hints.end(), [&](const auto& hint) {
            return std::all_of(block.begin(), block.end(),
                               [&](Colour c) { return c == background || holds(hint, c); });
        });
        if (!held)
            return false;
    }
    out.palettes.assign(hints.begin(), hints.end());
    return true;
}

// The blocks as sets of colour numbers, without the background and without the sets that lie
// inside another one (they go wherever their superset goes).
struct NumberedBlocks {
    PackingProblem problem;
    std::vector<Colour> colourOf; // colour number -> colour
    std::vector<int> setOfBlock;  // block -> index of a set holding all its colours
};

bool numberBlocks(std::span<const BlockColourSet> blocks, Colour background, int room, int count,
                  NumberedBlocks& out) {
    std::unordered_map<Colour, int> numberOf;
    std::vector<ColourBits> blockBits(blocks.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (Colour c : blocks[b]) {
            if (c == background)
                continue;
            auto [at, added] = numberOf.emplace(c, static_cast<int>(out.colourOf.size()));
            if (added) {
                // More colours than all palettes hold together: no packing exists.
                if (out.colourOf.size() >= static_cast<std::size_t>(room * count))
                    return false;
                out.colourOf.push_back(c);
            }
            blockBits[b].set(at->second);
        }
        if (blockBits[b].count() > room)
            return false;
    }
    // Larger sets first, so that a set's supersets come before it.
    std::vector<std::size_t> order(blocks.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // Ties keep their block order; std::sort with the index as tie-break gives the stable order
    // without stable_sort's temporary buffer, which ASan builds of GCC 12 report as mismatched.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int ca = blockBits[a].count(), cb = blockBits[b].count();
        return ca != cb ? ca > cb : a < b;
    });
    auto& sets = out.problem.sets;
    out.setOfBlock.assign(blocks.size(), 0);
    for (std::size_t b : order) {
        const auto superset = std::find_if(sets.begin(), sets.end(), [&](const ColourBits& s) {
            return blockBits[b].isSubsetOf(s);
        });
        if (superset != sets.end()) {
            out.setOfBlock[b] = static_cast<int>(superset - sets.begin());
            continue;
        }
        out.setOfBlock[b] = static_cast<int>(sets.size());
        sets.push_back(blockBits[b]);
    }
    out.problem.room = room;
    out.problem.count = count;
    return true;
}

// Palettes in the order the blocks first use them, colours in the order they were numbered.
void writePalettes(const NumberedBlocks& numbered, const std::vector<int>& paletteOfSet,
                   Packing& out) {
    const int count = numbered.problem.count;
    std::vector<ColourBits> unions(static_cast<std::size_t>(count));
    for (std::size_t s = 0; s < paletteOfSet.size(); ++s)
        unions[static_cast<std::size_t>(paletteOfSet[s])] |= numbered.problem.sets[s];
    std::vector<int> newNumber(static_cast<std::size_t>(count), -1);
    int next = 0;
    for (int set : numbered.setOfBlock) {
        int& n = newNumber[static_cast<std::size_t>(paletteOfSet[static_cast<std::size_t>(set)])];
        if (n < 0)
            n = next++;
    }
    out.palettes.assign(static_cast<std::size_t>(next), {});
    for (std::size_t p = 0; p < unions.size(); ++p) {
        if (newNumber[p] < 0)
            continue;
        auto& palette = out.palettes[static_cast<std::size_t>(newNumber[p])];
        unions[p].forEach(
            [&](int id) { palette.push_back(numbered.colourOf[static_cast<std::size_t>(id)]); });
    }
}

} // namespace

Packing packPalettes(std::span<const BlockColourSet> blocks, Colour background, int slots,
                     int count, std::span<const std::vector<Colour>> hints) {
    const int room = slots - 1;
    Packing packing;
    packing.palettes.assign(static_cast<std::size_t>(count), {});
    if (packFirstFit(blocks, background, room, packing)) {
        packing.packed = true;
        return packing;
    }
    const std::size_t refused = packing.refusedBlock;
    if (packFromHints(blocks, background, room, count, hints, packing)) {
        packing.packed = true;
        return packing;
    }
    packing.palettes.assign(static_cast<std::size_t>(count), {});
    NumberedBlocks numbered;
    if (numberBlocks(blocks, background, room, count, numbered)) {
        if (auto found = searchPacking(numbered.problem)) {
            writePalettes(numbered, *found, packing);
            packing.packed = true;
            return packing;
        }
    }
    // The first-fit rule's refusal names the block the default conversion would name.
    packing.refusedBlock = refused;
    return packing;
}

PaletteTable paletteTableOf(const Packing& packing, Colour background) {
    PaletteTable table{};
    for (std::size_t p = 0; p < static_cast<std::size_t>(chip::palettes); ++p) {
        PaletteSlot* palette = table.data() + p * chip::slotsPerPalette;
        palette[0] = {background, 1};
        if (p >= packing.palettes.size())
            continue;
        const auto& colours = packing.palettes[p];
        for (std::size_t s = 0; s < colours.size() && s + 1 < chip::slotsPerPalette; ++s)
            palette[s + 1] = {colours[s], 1};
    }
    return table;
}

} // namespace kadro
