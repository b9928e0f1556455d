#include "reduce/PaletteClustering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace kadro {

namespace {

// k-means steps per palette and round; the rounds repeat them, so a few suffice.
constexpr int lloydSteps = 3;
// Steps of the k-means that groups the blocks at the start.
constexpr int seedSteps = 12;
// Draws of a new palette colour that may land on one already there before the palette stays short.
constexpr int reseedMisses = 64;

constexpr float infinity = std::numeric_limits<float>::max();

// The error of mapping pixels to their nearest entry; stops early once it reaches giveUpAt.
float mappingError(const Lab* pixels, std::size_t n, const Lab* entries, std::size_t m,
                   float giveUpAt) {
    float total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        float best = squaredDistance(pixels[i], entries[0]);
        for (std::size_t j = 1; j < m; ++j)
            best = std::min(best, squaredDistance(pixels[i], entries[j]));
        total += best;
        if (total >= giveUpAt)
            break;
    }
    return total;
}

// A block's place in colour space: its mean and its spread along each axis.
using Feature = std::array<float, 6>;

Feature featureOf(const Lab* pixels, std::size_t n) {
    Lab sum, sumSquares;
    for (std::size_t i = 0; i < n; ++i) {
        sum += pixels[i];
        sumSquares +=
            {pixels[i].l * pixels[i].l, pixels[i].a * pixels[i].a, pixels[i].b * pixels[i].b};
    }
    const float k = 1.0f / static_cast<float>(std::max<std::size_t>(n, 1));
    const Lab mean = sum * k, meanSquares = sumSquares * k;
    const auto spread = [](float m2, float m) { return std::sqrt(std::max(0.0f, m2 - m * m)); };
    return {mean.l,
            mean.a,
            mean.b,
            spread(meanSquares.l, mean.l),
            spread(meanSquares.a, mean.a),
            spread(meanSquares.b, mean.b)};
}

float featureDistance(const Feature& x, const Feature& y) {
    float d = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        d += (x[i] - y[i]) * (x[i] - y[i]);
    return d;
}

class Clusterer {
public:
    Clusterer(const BlockPixels& area, const ModeColours& mode, const ClusteringRules& rules)
        : area_(area), mode_(mode), rules_(rules), background_(mode.lab(rules.background)),
          palettes_(static_cast<std::size_t>(rules.palettes)), assignment_(area.blocks(), 0),
          errors_(area.blocks(), 0) {
        // A mode of few colours cannot fill a palette with distinct ones.
        colours_ = std::min<std::size_t>(static_cast<std::size_t>(rules.colours),
                                         mode.size() > 0 ? mode.size() - 1 : 0);
    }

    Clustering run(const std::function<void()>& step) {
        groupBlocks();
        for (int round = 0; round < clusteringRounds; ++round) {
            if (step)
                step();
            for (std::size_t p = 0; p < palettes_.size(); ++p)
                fitPalette(p);
            const bool moved = reassignBlocks();
            // A palette refilled in the last round would have no colours fitted.
            if (round + 1 == clusteringRounds)
                break;
            const bool refilled = refillEmptyPalettes();
            if (!moved && !refilled)
                break;
        }
        return result();
    }

private:
    const Lab* pixelsOf(std::size_t b) const { return area_.pixels.data() + area_.start[b]; }
    std::size_t countOf(std::size_t b) const { return area_.start[b + 1] - area_.start[b]; }

    // Entries of a palette for mapping: the background first.
    std::vector<Lab> entriesOf(std::size_t p) const {
        std::vector<Lab> entries{background_};
        for (std::size_t i : palettes_[p])
            entries.push_back(mode_.lab(i));
        return entries;
    }

    void groupBlocks();
    void fitPalette(std::size_t p);
    void reseed(std::vector<const Lab*>& pixels, std::vector<Lab>& centres, std::size_t k);
    bool reassignBlocks();
    bool refillEmptyPalettes();
    Clustering result() const;

    const BlockPixels& area_;
    const ModeColours& mode_;
    ClusteringRules rules_;
    Lab background_;
    std::size_t colours_ = 0;
    std::vector<std::vector<std::size_t>> palettes_; // mode colour indices, background excluded
    std::vector<int> assignment_;
    std::vector<float> errors_; // of each block under its palette
    std::mt19937 random_{1};
};

// k-means++ over the blocks' features, then k-means: blocks that look alike share a palette.
void Clusterer::groupBlocks() {
    const std::size_t n = area_.blocks();
    std::vector<Feature> features(n);
    for (std::size_t b = 0; b < n; ++b)
        features[b] = featureOf(pixelsOf(b), countOf(b));
    const std::size_t k = std::min(palettes_.size(), n);
    if (k == 0)
        return;
    std::vector<Feature> centres{features[random_() % n]};
    std::vector<float> nearest(n, infinity);
    while (centres.size() < k) {
        double total = 0;
        for (std::size_t b = 0; b < n; ++b) {
            nearest[b] = std::min(nearest[b], featureDistance(features[b], centres.back()));
            total += nearest[b];
        }
        double pick = std::uniform_real_distribution<double>(0, total)(random_);
        std::size_t chosen = 0;
        for (; chosen + 1 < n && pick >= nearest[chosen]; ++chosen)
            pick -= nearest[chosen];
        centres.push_back(features[chosen]);
    }
    for (int step = 0; step < seedSteps; ++step) {
        std::vector<Feature> sums(k, Feature{});
        std::vector<int> counts(k, 0);
        for (std::size_t b = 0; b < n; ++b) {
            std::size_t best = 0;
            for (std::size_t c = 1; c < k; ++c)
                if (featureDistance(features[b], centres[c]) <
                    featureDistance(features[b], centres[best]))
                    best = c;
            assignment_[b] = static_cast<int>(best);
            for (std::size_t i = 0; i < sums[best].size(); ++i)
                sums[best][i] += features[b][i];
            ++counts[best];
        }
        for (std::size_t c = 0; c < k; ++c)
            if (counts[c] > 0)
                for (std::size_t i = 0; i < centres[c].size(); ++i)
                    centres[c][i] = sums[c][i] / static_cast<float>(counts[c]);
    }
}

// Adds centres up to k by k-means++ sampling: a pixel is drawn with a chance that grows with its
// squared distance from the background and the centres so far, and the mode colour nearest to
// it becomes a centre. A draw whose colour is there already only rules that pixel out, so a mode
// of few colours does not make the search go round.
void Clusterer::reseed(std::vector<const Lab*>& pixels, std::vector<Lab>& centres, std::size_t k) {
    std::vector<float> nearest(pixels.size());
    double total = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        float d = squaredDistance(*pixels[i], background_);
        for (const Lab& c : centres)
            d = std::min(d, squaredDistance(*pixels[i], c));
        nearest[i] = d;
        total += d;
    }
    for (int misses = 0; centres.size() < k && total > 0 && misses < reseedMisses;) {
        double pick = std::uniform_real_distribution<double>(0, total)(random_);
        std::size_t chosen = 0;
        for (; chosen + 1 < pixels.size() && pick >= nearest[chosen]; ++chosen)
            pick -= nearest[chosen];
        const Lab candidate = mode_.lab(mode_.nearest(*pixels[chosen]));
        if (candidate == background_ ||
            std::find(centres.begin(), centres.end(), candidate) != centres.end()) {
            total -= nearest[chosen];
            nearest[chosen] = 0;
            ++misses;
            continue;
        }
        centres.push_back(candidate);
        total = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            nearest[i] = std::min(nearest[i], squaredDistance(*pixels[i], candidate));
            total += nearest[i];
        }
    }
}

// k-means over the pixels of the palette's blocks with the background as a fixed centre; each
// centre moves to the nearest colour the mode can show, so the error counted is the real one.
void Clusterer::fitPalette(std::size_t p) {
    std::vector<const Lab*> pixels;
    for (std::size_t b = 0; b < assignment_.size(); ++b)
        if (assignment_[b] == static_cast<int>(p))
            for (std::size_t i = 0; i < countOf(b); ++i)
                pixels.push_back(pixelsOf(b) + i);
    if (pixels.empty()) {
        palettes_[p].clear();
        return;
    }
    std::vector<Lab> centres;
    for (std::size_t i : palettes_[p])
        centres.push_back(mode_.lab(i));
    reseed(pixels, centres, colours_);
    for (int step = 0; step < lloydSteps; ++step) {
        std::vector<Lab> sums(centres.size());
        std::vector<int> counts(centres.size(), 0);
        for (const Lab* px : pixels) {
            float best = squaredDistance(*px, background_);
            std::size_t at = centres.size();
            for (std::size_t c = 0; c < centres.size(); ++c) {
                const float d = squaredDistance(*px, centres[c]);
                if (d < best) {
                    best = d;
                    at = c;
                }
            }
            if (at < centres.size()) {
                sums[at] += *px;
                ++counts[at];
            }
        }
        std::vector<Lab> moved;
        std::vector<std::size_t> indices;
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (counts[c] == 0)
                continue;
            const std::size_t i = mode_.nearest(sums[c] * (1.0f / static_cast<float>(counts[c])));
            // A centre that lands on the background or on another centre is of no use.
            if (i == rules_.background ||
                std::find(indices.begin(), indices.end(), i) != indices.end())
                continue;
            indices.push_back(i);
            moved.push_back(mode_.lab(i));
        }
        centres = std::move(moved);
        reseed(pixels, centres, colours_);
    }
    palettes_[p].clear();
    for (const Lab& c : centres) {
        const std::size_t i = mode_.nearest(c);
        if (i != rules_.background &&
            std::find(palettes_[p].begin(), palettes_[p].end(), i) == palettes_[p].end())
            palettes_[p].push_back(i);
    }
}

bool Clusterer::reassignBlocks() {
    std::vector<std::vector<Lab>> entries;
    for (std::size_t p = 0; p < palettes_.size(); ++p)
        entries.push_back(entriesOf(p));
    bool moved = false;
    for (std::size_t b = 0; b < assignment_.size(); ++b) {
        const Lab* px = pixelsOf(b);
        const std::size_t n = countOf(b);
        auto best = static_cast<std::size_t>(assignment_[b]);
        float bestError = mappingError(px, n, entries[best].data(), entries[best].size(), infinity);
        for (std::size_t p = 0; p < entries.size(); ++p) {
            if (p == best || palettes_[p].empty())
                continue;
            const float e = mappingError(px, n, entries[p].data(), entries[p].size(), bestError);
            if (e < bestError) {
                bestError = e;
                best = p;
                moved = true;
            }
        }
        assignment_[b] = static_cast<int>(best);
        errors_[b] = bestError;
    }
    return moved;
}

// A palette no block uses takes the worst-served block of a palette that has others, so that
// the next round builds it around that block.
bool Clusterer::refillEmptyPalettes() {
    std::vector<int> members(palettes_.size(), 0);
    for (int p : assignment_)
        ++members[static_cast<std::size_t>(p)];
    bool refilled = false;
    for (std::size_t p = 0; p < palettes_.size(); ++p) {
        if (members[p] > 0)
            continue;
        std::size_t worst = assignment_.size();
        for (std::size_t b = 0; b < assignment_.size(); ++b)
            if (members[static_cast<std::size_t>(assignment_[b])] > 1 && errors_[b] > 0 &&
                (worst == assignment_.size() || errors_[b] > errors_[worst]))
                worst = b;
        if (worst == assignment_.size())
            break;
        --members[static_cast<std::size_t>(assignment_[worst])];
        assignment_[worst] = static_cast<int>(p);
        members[p] = 1;
        errors_[worst] = 0;
        palettes_[p].clear();
        refilled = true;
    }
    return refilled;
}

// Palettes in the order blocks first use them; unused ones dropped.
Clustering Clusterer::result() const {
    Clustering out;
    std::vector<int> renumbered(palettes_.size(), -1);
    for (int p : assignment_) {
        int& n = renumbered[static_cast<std::size_t>(p)];
        if (n < 0) {
            n = static_cast<int>(out.palettes.size());
            out.palettes.push_back(palettes_[static_cast<std::size_t>(p)]);
        }
        out.paletteOfBlock.push_back(n);
    }
    return out;
}

} // namespace

Clustering clusterBlocks(const BlockPixels& area, const ModeColours& mode,
                         const ClusteringRules& rules, const std::function<void()>& step) {
    return Clusterer(area, mode, rules).run(step);
}

} // namespace kadro
