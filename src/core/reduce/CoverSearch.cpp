#include "reduce/CoverSearch.h"

#include <algorithm>
#include <cstdint>
#include <random>

namespace kadro {

namespace {

class CoverSearch {
public:
    CoverSearch(const PackingProblem& pr, unsigned seed)
        : pr_(pr), count_(static_cast<std::size_t>(pr.count)), palettes_(count_), size_(count_, 0),
          missing_(pr.sets.size() * count_), cover_(pr.sets.size(), 0), weight_(pr.sets.size(), 1),
          where_(pr.sets.size(), 0), random_(seed) {
        for (std::size_t s = 0; s < pr.sets.size(); ++s) {
            pr.sets[s].forEach([&](int c) {
                if (static_cast<std::size_t>(c) >= setsWith_.size())
                    setsWith_.resize(static_cast<std::size_t>(c) + 1);
                setsWith_[static_cast<std::size_t>(c)].push_back(static_cast<int>(s));
            });
            const auto n = static_cast<std::uint8_t>(pr.sets[s].count());
            std::fill_n(missing_.begin() + static_cast<std::ptrdiff_t>(s * count_), count_, n);
            where_[s] = static_cast<int>(uncovered_.size());
            uncovered_.push_back(static_cast<int>(s));
            cost_ += 1;
        }
        addedAt_.assign(count_ * ColourBits::capacity, -tabuSteps);
    }

    bool run(long steps) {
        for (step_ = 0; step_ < steps && !uncovered_.empty(); ++step_)
            coverOne(uncovered_[pick(uncovered_.size())]);
        return uncovered_.empty();
    }

    std::vector<int> assignment() const {
        std::vector<int> out(pr_.sets.size(), 0);
        for (std::size_t s = 0; s < out.size(); ++s)
            for (std::size_t p = 0; p < count_; ++p)
                if (missing(s, p) == 0) {
                    out[s] = static_cast<int>(p);
                    break;
                }
        return out;
    }

private:
    // How long a colour just put into a palette is spared from removal there, in steps.
    static constexpr long tabuSteps = 10;
    // How often a step takes a random palette instead of the cheapest, in 1/1000.
    static constexpr unsigned noisePerMille = 20;

    struct Move {
        std::vector<int> out, in;
    };

    std::uint8_t& missing(std::size_t s, std::size_t p) { return missing_[s * count_ + p]; }
    std::uint8_t missing(std::size_t s, std::size_t p) const { return missing_[s * count_ + p]; }

    void add(std::size_t p, int c) {
        palettes_[p].set(c);
        ++size_[p];
        for (int s : setsWith_[static_cast<std::size_t>(c)])
            if (--missing(static_cast<std::size_t>(s), p) == 0 &&
                cover_[static_cast<std::size_t>(s)]++ == 0)
                markCovered(s);
    }
    void remove(std::size_t p, int c) {
        palettes_[p].reset(c);
        --size_[p];
        for (int s : setsWith_[static_cast<std::size_t>(c)])
            if (missing(static_cast<std::size_t>(s), p)++ == 0 &&
                --cover_[static_cast<std::size_t>(s)] == 0)
                markUncovered(s);
    }
    void markCovered(int s) {
        const int at = where_[static_cast<std::size_t>(s)];
        const int last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(at)] = last;
        where_[static_cast<std::size_t>(last)] = at;
        uncovered_.pop_back();
        cost_ -= weight_[static_cast<std::size_t>(s)];
    }
    void markUncovered(int s) {
        where_[static_cast<std::size_t>(s)] = static_cast<int>(uncovered_.size());
        uncovered_.push_back(s);
        cost_ += weight_[static_cast<std::size_t>(s)];
    }
    void apply(std::size_t p, const Move& m) {
        for (int c : m.out)
            remove(p, c);
        for (int c : m.in)
            add(p, c);
    }
    void undo(std::size_t p, const Move& m) {
        for (int c : m.in)
            remove(p, c);
        for (int c : m.out)
            add(p, c);
    }

    // The sets only palette p holds that lose colour c with it, by weight; colours put in
    // lately count as dearer, so that a step does not undo the last ones.
    long breakCost(std::size_t p, int c) const {
        long cost = 0;
        for (int s : setsWith_[static_cast<std::size_t>(c)])
            if (missing(static_cast<std::size_t>(s), p) == 0 &&
                cover_[static_cast<std::size_t>(s)] == 1)
                cost += weight_[static_cast<std::size_t>(s)];
        if (step_ - addedAt_[p * ColourBits::capacity + static_cast<std::size_t>(c)] < tabuSteps)
            cost += 1'000'000;
        return cost;
    }

    // Set s's missing colours into palette p, and out the cheapest colours to make room.
    Move moveFor(int s, std::size_t p) const {
        Move m;
        const ColourBits& set = pr_.sets[static_cast<std::size_t>(s)];
        set.forEach([&](int c) {
            if (!palettes_[p].test(c))
                m.in.push_back(c);
        });
        const int over = size_[p] + static_cast<int>(m.in.size()) - pr_.room;
        if (over <= 0)
            return m;
        std::vector<std::pair<long, int>> candidates;
        palettes_[p].forEach([&](int c) {
            if (!set.test(c))
                candidates.emplace_back(breakCost(p, c), c);
        });
        std::partial_sort(candidates.begin(), candidates.begin() + over, candidates.end());
        for (int k = 0; k < over; ++k)
            m.out.push_back(candidates[static_cast<std::size_t>(k)].second);
        return m;
    }

    void coverOne(int s) {
        const long before = cost_;
        long best = 0;
        std::size_t bestPalette = count_;
        Move bestMove;
        for (std::size_t p = 0; p < count_; ++p) {
            Move m = moveFor(s, p);
            apply(p, m);
            const long after = cost_;
            undo(p, m);
            if (bestPalette == count_ || after < best) {
                best = after;
                bestPalette = p;
                bestMove = std::move(m);
            }
        }
        if (random_() % 1000 < noisePerMille) {
            bestPalette = pick(count_);
            bestMove = moveFor(s, bestPalette);
        }
        if (best >= before)
            for (int u : uncovered_) {
                ++weight_[static_cast<std::size_t>(u)];
                ++cost_;
            }
        apply(bestPalette, bestMove);
        for (int c : bestMove.in)
            addedAt_[bestPalette * ColourBits::capacity + static_cast<std::size_t>(c)] = step_;
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    const PackingProblem& pr_;
    std::size_t count_;
    std::vector<std::vector<int>> setsWith_; // colour -> sets holding it
    std::vector<ColourBits> palettes_;
    std::vector<int> size_;
    std::vector<std::uint8_t> missing_; // set x palette -> colours of the set the palette lacks
    std::vector<int> cover_;            // set -> palettes holding it
    std::vector<long> weight_;
    std::vector<int> uncovered_, where_; // the sets no palette holds, and each one's place there
    long cost_ = 0;                      // the weight of the uncovered sets
    std::vector<long> addedAt_;          // palette x colour -> step it was put in
    long step_ = 0;
    std::mt19937 random_;
};

} // namespace

std::optional<std::vector<int>> searchCover(const PackingProblem& problem, long steps,
                                            unsigned seed) {
    CoverSearch search(problem, seed);
    if (search.run(steps))
        return search.assignment();
    return std::nullopt;
}

} // namespace kadro
