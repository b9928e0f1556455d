#include "reduce/PackingSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>

namespace kadro {

namespace {

// Problems up to this many sets get the exact search; it stops after this many nodes.
constexpr std::size_t exactSetLimit = 64;
constexpr long exactNodeBudget = 300'000;
// Moves tried by the local search.
constexpr long localMoveBudget = 4'000'000;

struct Group {
    ColourBits colours;
    std::vector<int> members;
};

// Repeatedly merges the two groups whose union adds the fewest colours to the larger of them
// (ties: most colours in common), as long as the union fits. Returns the groups left.
std::vector<Group> mergeGreedily(const PackingProblem& pr) {
    std::vector<Group> groups;
    for (std::size_t s = 0; s < pr.sets.size(); ++s)
        groups.push_back({pr.sets[s], {static_cast<int>(s)}});
    while (groups.size() > static_cast<std::size_t>(pr.count)) {
        int bestCost = pr.room + 1, bestShared = -1;
        std::size_t bi = 0, bj = 0;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const int ci = groups[i].colours.count();
            for (std::size_t j = i + 1; j < groups.size(); ++j) {
                const int together = groups[i].colours.unionCount(groups[j].colours);
                if (together > pr.room)
                    continue;
                const int cost = together - std::max(ci, groups[j].colours.count());
                const int shared = ci + groups[j].colours.count() - together;
                if (cost < bestCost || (cost == bestCost && shared > bestShared)) {
                    bestCost = cost;
                    bestShared = shared;
                    bi = i;
                    bj = j;
                }
            }
        }
        if (bestShared < 0)
            break;
        groups[bi].colours |= groups[bj].colours;
        groups[bi].members.insert(groups[bi].members.end(), groups[bj].members.begin(),
                                  groups[bj].members.end());
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(bj));
    }
    return groups;
}

// Depth-first search over the sets, largest first: each goes into a palette already opened
// where it fits (the ones it adds fewest colours to first) or opens the next one. A branch is
// cut when the colours still to come cannot fit into the room left.
class ExactSearch {
public:
    enum class Outcome { Found, None, GaveUp };

    explicit ExactSearch(const PackingProblem& pr) : pr_(pr), assignment_(pr.sets.size(), -1) {
        order_.resize(pr.sets.size());
        std::iota(order_.begin(), order_.end(), 0);
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
            return pr.sets[static_cast<std::size_t>(a)].count() >
                   pr.sets[static_cast<std::size_t>(b)].count();
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

// Simulated annealing over the palette of each set. The cost counts every palette's colours and
// weighs the colours beyond its room several times over: the first term rewards sets that share
// colours for sitting together, the second drives the search to a packing, which ends it.
class LocalSearch {
public:
    LocalSearch(const PackingProblem& pr, std::vector<int> start)
        : pr_(pr), assignment_(std::move(start)),
          uses_(static_cast<std::size_t>(pr.count), std::vector<std::uint16_t>(256, 0)),
          size_(static_cast<std::size_t>(pr.count), 0), random_(12) {
        for (const auto& set : pr.sets)
            ids_.push_back(idsOf(set));
        for (std::size_t s = 0; s < assignment_.size(); ++s)
            move(static_cast<int>(s), -1, assignment_[s]);
    }

    bool run() {
        long overflow = 0;
        for (int size : size_)
            overflow += over(size);
        const double cooling = std::pow(lastTemperature / firstTemperature, 1.0 / localMoveBudget);
        double temperature = firstTemperature;
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        const int sets = static_cast<int>(pr_.sets.size());
        for (long step = 0; step < localMoveBudget && overflow > 0;
             ++step, temperature *= cooling) {
            const int s = pick(sets);
            const int from = assignment_[static_cast<std::size_t>(s)];
            const int to = (from + 1 + pick(pr_.count - 1)) % pr_.count;
            long freed = 0, added = 0;
            for (int id : ids_[static_cast<std::size_t>(s)]) {
                freed += uses_[static_cast<std::size_t>(from)][static_cast<std::size_t>(id)] == 1;
                added += uses_[static_cast<std::size_t>(to)][static_cast<std::size_t>(id)] == 0;
            }
            const long fromSize = size_[static_cast<std::size_t>(from)];
            const long toSize = size_[static_cast<std::size_t>(to)];
            const long overDelta =
                over(fromSize - freed) - over(fromSize) + over(toSize + added) - over(toSize);
            const double delta = static_cast<double>(added - freed + overWeight * overDelta);
            if (delta > 0 && chance(random_) >= std::exp(-delta / temperature))
                continue;
            move(s, from, to);
            assignment_[static_cast<std::size_t>(s)] = to;
            overflow += overDelta;
        }
        return overflow == 0;
    }
    const std::vector<int>& assignment() const { return assignment_; }

private:
    // Found by trying them on constructed packable cases of small and large blocks.
    static constexpr double firstTemperature = 2.0;
    static constexpr double lastTemperature = 0.3;
    static constexpr long overWeight = 8;

    static std::vector<int> idsOf(const ColourBits& set) {
        std::vector<int> ids;
        set.forEach([&](int id) { ids.push_back(id); });
        return ids;
    }
    long over(long size) const { return std::max(0L, size - pr_.room); }
    void move(int s, int from, int to) {
        for (int id : ids_[static_cast<std::size_t>(s)]) {
            const auto c = static_cast<std::size_t>(id);
            if (from >= 0 && --uses_[static_cast<std::size_t>(from)][c] == 0)
                --size_[static_cast<std::size_t>(from)];
            if (uses_[static_cast<std::size_t>(to)][c]++ == 0)
                ++size_[static_cast<std::size_t>(to)];
        }
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    const PackingProblem& pr_;
    std::vector<int> assignment_;
    std::vector<std::vector<int>> ids_;
    std::vector<std::vector<std::uint16_t>> uses_; // palette -> colour -> sets using it
    std::vector<int> size_;                        // palette -> distinct colours
    std::mt19937 random_;
};

// A start for the local search from the merge's groups: the largest groups keep a palette each
// and the sets of the others go where they add the fewest colours.
std::vector<int> seedFrom(const PackingProblem& pr, std::vector<Group> groups) {
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return a.colours.count() > b.colours.count();
    });
    std::vector<int> assignment(pr.sets.size(), 0);
    std::vector<ColourBits> unions(static_cast<std::size_t>(pr.count));
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g < unions.size()) {
            unions[g] = groups[g].colours;
            for (int s : groups[g].members)
                assignment[static_cast<std::size_t>(s)] = static_cast<int>(g);
            continue;
        }
        for (int s : groups[g].members) {
            const ColourBits& set = pr.sets[static_cast<std::size_t>(s)];
            std::size_t best = 0;
            for (std::size_t p = 1; p < unions.size(); ++p)
                if (unions[p].unionCount(set) - unions[p].count() <
                    unions[best].unionCount(set) - unions[best].count())
                    best = p;
            unions[best] |= set;
            assignment[static_cast<std::size_t>(s)] = static_cast<int>(best);
        }
    }
    return assignment;
}

} // namespace

std::optional<std::vector<int>> searchPacking(const PackingProblem& problem) {
    auto groups = mergeGreedily(problem);
    if (groups.size() <= static_cast<std::size_t>(problem.count)) {
        std::vector<int> assignment(problem.sets.size(), 0);
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (int s : groups[g].members)
                assignment[static_cast<std::size_t>(s)] = static_cast<int>(g);
        return assignment;
    }
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
    LocalSearch local(problem, seedFrom(problem, std::move(groups)));
    if (local.run())
        return local.assignment();
    return std::nullopt;
}

} // namespace kadro
