#include "reduce/PackingSearch.h"

#include "reduce/CoverSearch.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace kadro {

namespace {

// Problems up to this many sets get the exact search; it stops after this many nodes.
constexpr std::size_t exactSetLimit = 64;
constexpr long exactNodeBudget = 300'000;
// Steps of the local search over the palettes' colours: on constructed cases of up to 240 sets
// the longest success took about 4,300 steps, so this leaves a wide margin and still gives up on
// an impossible case within a fraction of a second.
constexpr long coverStepsBase = 10'000;
constexpr long coverStepsPerSet = 50;

// Depth-first search over the sets, largest first: each goes into a palette already opened
// where it fits (the ones it adds fewest colours to first) or opens the next one. A branch is
// cut when the colours still to come cannot fit into the room left.
class ExactSearch {
public:
    enum class Outcome { Found, None, GaveUp };

    explicit ExactSearch(const PackingProblem& pr) : pr_(pr), assignment_(pr.sets.size(), -1) {
        order_.resize(pr.sets.size());
        std::iota(order_.begin(), order_.end(), 0);
        // Ties keep their set order (the index breaks them), as PalettePacker's order does.
        std::sort(order_.begin(), order_.end(), [&](int a, int b) {
            const int ca = pr.sets[static_cast<std::size_t>(a)].count();
            const int cb = pr.sets[static_cast<std::size_t>(b)].count();
            return ca != cb ? ca > cb : a < b;
        });
        comingUnion_.resize(order_.size() + 1);
        for (std::size_t i = order_.size(); i-- > 0;)
            comingUnion_[i] = comingUnion_[i + 1] | pr.sets[static_cast<std::size_t>(order_[i])];
        groups_.resize(static_cast<std::size_t>(pr.count));
    }

    Outcome run() {
        if (place(0))
            return Outcome::Found;
        return gaveUp_ ? Outcome::GaveUp : Outcome::None;
    }
    const std::vector<int>& assignment() const { return assignment_; }

private:
    bool roomForTheRest(std::size_t i) const {
        ColourBits placed;
        int free = (pr_.count - open_) * pr_.room;
        for (int g = 0; g < open_; ++g) {
            placed |= groups_[static_cast<std::size_t>(g)];
            free += pr_.room - groups_[static_cast<std::size_t>(g)].count();
        }
        return comingUnion_[i].minus(placed).count() <= free;
    }

    bool place(std::size_t i) {
        if (i == order_.size())
            return true;
        if (++nodes_ > exactNodeBudget) {
            gaveUp_ = true;
            return false;
        }
        if (!roomForTheRest(i))
            return false;
        const int s = order_[i];
        const ColourBits& set = pr_.sets[static_cast<std::size_t>(s)];
        std::array<std::pair<int, int>, 16> fits{};
        int nFits = 0;
        for (int g = 0; g < open_ && nFits < 16; ++g) {
            const int together = groups_[static_cast<std::size_t>(g)].unionCount(set);
            if (together <= pr_.room)
                fits[static_cast<std::size_t>(nFits++)] = {
                    together - groups_[static_cast<std::size_t>(g)].count(), g};
        }
        std::sort(fits.begin(), fits.begin() + nFits);
        for (int k = 0; k < nFits; ++k) {
            const int g = fits[static_cast<std::size_t>(k)].second;
            const ColourBits before = groups_[static_cast<std::size_t>(g)];
            groups_[static_cast<std::size_t>(g)] |= set;
            assignment_[static_cast<std::size_t>(s)] = g;
            if (place(i + 1))
                return true;
            groups_[static_cast<std::size_t>(g)] = before;
            if (gaveUp_)
                return false;
        }
        if (open_ < pr_.count) {
            groups_[static_cast<std::size_t>(open_++)] = set;
            assignment_[static_cast<std::size_t>(s)] = open_ - 1;
            if (place(i + 1))
                return true;
            groups_[static_cast<std::size_t>(--open_)] = ColourBits{};
        }
        return false;
    }

    const PackingProblem& pr_;
    std::vector<int> order_;
    std::vector<ColourBits> comingUnion_; // union of the sets from position i on
    std::vector<ColourBits> groups_;
    std::vector<int> assignment_;
    int open_ = 0;
    long nodes_ = 0;
    bool gaveUp_ = false;
};

} // namespace

std::optional<std::vector<int>> searchPacking(const PackingProblem& problem) {
    // Small cases are settled exactly when the search is quick: a packing, or the proof that
    // there is none, which the local search cannot give.
    if (problem.sets.size() <= exactSetLimit) {
        ExactSearch exact(problem);
        switch (exact.run()) {
        case ExactSearch::Outcome::Found:
            return exact.assignment();
        case ExactSearch::Outcome::None:
            return std::nullopt;
        case ExactSearch::Outcome::GaveUp:
            break;
        }
    }
    const long steps = coverStepsBase + coverStepsPerSet * static_cast<long>(problem.sets.size());
    return searchCover(problem, steps, 1);
}

} // namespace kadro
