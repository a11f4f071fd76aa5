#include "math/WordLengthSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "math/FixedPoint.h"

namespace tapwright {

namespace {

// Grid points of the fast guide per 1/N cycles: the guide misses a lobe's peak by well under
// a tenth of a dB, and the exact judge has the last word anyway.
constexpr double kGridPointsPerLobe = 16.0;
constexpr std::size_t kMinPointsPerBand = 9;
// How much better a move must make the guide's score to count as progress.
constexpr double kImprovement = 1e-9;
// A small share of the other bands' margins (each counted up to a cap) breaks ties between
// moves that leave the worst band alone.
constexpr double kTieBreakWeight = 1e-3;
constexpr double kTieBreakCapDb = 0.5;
// How many of the best single steps are tried in pairs with every other step.
constexpr std::size_t kPairLeaders = 8;
constexpr std::size_t kManyLeaders = 32;
// Starts tried at one word length: plain rounding, then randomly rounded taps.
constexpr std::uint32_t kStarts = 2;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The free integers of a symmetric filter: the first half of the taps (with the centre tap
// of an odd length when the symmetry is even), from which the others follow.
class SymmetricWords {
public:
    SymmetricWords(std::size_t length, TapSymmetry symmetry)
        : length_(length), symmetry_(symmetry) {}

    std::size_t FreeCount() const {
        return symmetry_ == TapSymmetry::Even ? (length_ + 1) / 2 : length_ / 2;
    }

    std::vector<std::int32_t> Expand(std::span<const std::int32_t> free) const {
        std::vector<std::int32_t> words(length_, 0);
        for (std::size_t i = 0; i < free.size(); ++i) {
            words[i] = free[i];
            const std::size_t mirror = length_ - 1 - i;
            if (mirror != i) {
                words[mirror] = symmetry_ == TapSymmetry::Even ? free[i] : -free[i];
            }
        }
        return words;
    }

private:
    std::size_t length_;
    TapSymmetry symmetry_;
};

// The band margins of a candidate on a dense grid, kept up to date move by move: the real
// amplitude A(f) = sum over the free integers of k_i / scale times a cosine (even symmetry)
// or sine (odd symmetry) basis, whose magnitude is |H(f)|.
class GridGuide {
public:
    GridGuide(std::size_t length, TapSymmetry symmetry, std::span<const WordLengthBand> bands)
        : bands_(bands.begin(), bands.end()) {
        const double centre = 0.5 * static_cast<double>(length - 1);
        for (const WordLengthBand& band : bands_) {
            AddBandPoints(band, length);
        }
        const std::size_t points = frequencies_.size();
        const std::size_t free = SymmetricWords(length, symmetry).FreeCount();
        basis_.resize(free * points);
        for (std::size_t i = 0; i < free; ++i) {
            const double offset = centre - static_cast<double>(i);
            const bool paired = length - 1 - i != i;
            const double factor = paired ? 2.0 : 1.0;
            for (std::size_t g = 0; g < points; ++g) {
                const double angle = 2.0 * std::numbers::pi * frequencies_[g] * offset;
                basis_[i * points + g] =
                    factor * (symmetry == TapSymmetry::Even ? std::cos(angle) : std::sin(angle));
            }
        }
    }

    std::size_t Points() const { return frequencies_.size(); }

    std::vector<double> Amplitude(std::span<const std::int32_t> free, double scale) const {
        std::vector<double> amplitude(Points(), 0.0);
        for (std::size_t i = 0; i < free.size(); ++i) {
            Add(amplitude, i, free[i] / scale);
        }
        return amplitude;
    }

    void Add(std::vector<double>& amplitude, std::size_t index, double change) const {
        const double* column = &basis_[index * Points()];
        for (std::size_t g = 0; g < amplitude.size(); ++g) {
            amplitude[g] += change * column[g];
        }
    }

    // The smallest band margin and the score the search climbs, for the amplitude changed
    // by up to two basis moves (an index of kNoMove means no move).
    struct Judgement {
        double margin = -kInfinity;
        double score = -kInfinity;
        std::size_t worstBand = 0;  // the band with the smallest margin
    };
    Judgement Judge(const std::vector<double>& amplitude, std::size_t first = kNoMove,
                    double firstChange = 0.0, std::size_t second = kNoMove,
                    double secondChange = 0.0) const {
        return JudgeAbove(-kInfinity, 0, amplitude, first, firstChange, second, secondChange);
    }

    // The same, but a candidate whose score cannot exceed floor is abandoned as soon as one
    // band shows it (its judgement is then -infinity): the tie-break adds at most
    // kTieBreakWeight * kTieBreakCapDb per band to the smallest margin, and a band's margin
    // only falls as more of its points are seen. The bands are seen from firstBand on: the band
    // that limits the current candidate usually rules out a worse one soonest.
    Judgement JudgeAbove(double floor, std::size_t firstBand, const std::vector<double>& amplitude,
                         std::size_t first, double firstChange, std::size_t second,
                         double secondChange) const {
        const std::size_t points = Points();
        const double* a = first == kNoMove ? nullptr : &basis_[first * points];
        const double* b = second == kNoMove ? nullptr : &basis_[second * points];
        const double lowestMargin =
            floor - kTieBreakWeight * kTieBreakCapDb * static_cast<double>(bands_.size());
        Judgement judgement{kInfinity, 0.0};
        double others = 0.0;
        for (std::size_t seen = 0; seen < bands_.size(); ++seen) {
            const std::size_t band = (firstBand + seen) % bands_.size();
            // The band fails the floor once high exceeds ceiling * low (passband) or ceiling.
            const double ceiling =
                std::isfinite(lowestMargin)
                    ? std::pow(10.0, (bands_[band].limitDb - lowestMargin) / 20.0)
                    : kInfinity;
            const bool passband = bands_[band].passband;
            double low = kInfinity;
            double high = 0.0;
            for (std::size_t g = bandStart_[band]; g < bandStart_[band + 1]; ++g) {
                double value = amplitude[g];
                if (a != nullptr) {
                    value += firstChange * a[g];
                }
                if (b != nullptr) {
                    value += secondChange * b[g];
                }
                const double magnitude = std::abs(value) * weight_[g];
                low = std::min(low, magnitude);
                high = std::max(high, magnitude);
                if (high > (passband ? ceiling * low : ceiling)) {
                    return {};
                }
            }
            const double margin = BandMargin(bands_[band], low, high);
            if (margin < judgement.margin) {
                judgement.margin = margin;
                judgement.worstBand = band;
            }
            others += std::min(margin, kTieBreakCapDb);
        }
        judgement.score = judgement.margin + kTieBreakWeight * others;
        return judgement;
    }

    static constexpr std::size_t kNoMove = std::numeric_limits<std::size_t>::max();

private:
    static double BandMargin(const WordLengthBand& band, double low, double high) {
        if (band.passband) {
            if (!(low > 0.0)) {
                return -kInfinity;
            }
            return band.limitDb - 20.0 * std::log10(high / low);
        }
        return band.limitDb - 20.0 * std::log10(std::max(high, 1e-300));
    }

    void AddBandPoints(const WordLengthBand& band, std::size_t length) {
        bandStart_.push_back(frequencies_.size());
        const double width = std::max(band.upper - band.lower, 0.0);
        const auto count = std::max(kMinPointsPerBand,
                                    static_cast<std::size_t>(std::ceil(
                                        width * static_cast<double>(length) * kGridPointsPerLobe)) +
                                        1);
        const double step = width / static_cast<double>(count - 1);
        const bool perSlope = band.passband && band.slope > 0.0;
        for (std::size_t j = 0; j < count; ++j) {
            double frequency = band.lower + step * static_cast<double>(j);
            // A response judged per slope is 0 / 0 at f = 0; half a step in says the same.
            if (perSlope && frequency <= 0.0) {
                frequency = 0.5 * step;
            }
            frequencies_.push_back(frequency);
            weight_.push_back(perSlope ? 1.0 / (band.slope * frequency) : 1.0);
        }
        if (bandStart_.size() == bands_.size()) {
            bandStart_.push_back(frequencies_.size());
        }
    }

    std::vector<WordLengthBand> bands_;
    std::vector<std::size_t> bandStart_;
    std::vector<double> frequencies_;
    std::vector<double> weight_;
    std::vector<double> basis_;
};

// The local search at one word length: from the rounded integers, one-step (then two-step)
// changes that raise the grid margin, until the exact judge confirms a candidate.
class LocalSearch {
public:
    LocalSearch(const WordLengthProblem& problem, const GridGuide& guide)
        : problem_(problem),
          guide_(guide),
          words_(problem.taps.size(), problem.symmetry) {}

    // The integers found at this word length from one start, with their exact margin, or
    // nothing. Start 0 is plain rounding; the others round each tap up or down at random,
    // up with the chance of its fractional part.
    std::optional<std::pair<std::vector<std::int32_t>, double>> Run(std::int32_t bits,
                                                                     std::uint32_t start) const;

private:
    struct Move {
        std::size_t first = GridGuide::kNoMove;
        int firstStep = 0;
        std::size_t second = GridGuide::kNoMove;
        int secondStep = 0;
        double score = -kInfinity;
    };

    Move BestMove(const std::vector<std::int32_t>& free, const std::vector<double>& amplitude,
                  double scale, const GridGuide::Judgement& current) const;
    std::vector<Move> SingleMoves(const std::vector<std::int32_t>& free,
                                  const std::vector<double>& amplitude, double scale) const;
    Move BestPairMove(const std::vector<std::int32_t>& free, const std::vector<double>& amplitude,
                      double scale, const GridGuide::Judgement& current,
                      std::span<const Move> leaders) const;
    std::vector<std::int32_t> StartingWords(std::int32_t bits, std::uint32_t start) const;
    static bool InRange(std::int32_t word, int step, double scale) {
        const double moved = static_cast<double>(word) + step;
        return moved >= -scale && moved <= scale - 1.0;
    }

    const WordLengthProblem& problem_;
    const GridGuide& guide_;
    SymmetricWords words_;
};

std::vector<std::int32_t> LocalSearch::StartingWords(std::int32_t bits,
                                                     std::uint32_t start) const {
    const std::vector<std::int32_t> rounded = RoundToWords(problem_.taps, bits);
    std::vector<std::int32_t> free(rounded.begin(),
                                   rounded.begin() + static_cast<std::ptrdiff_t>(words_.FreeCount()));
    if (start == 0) {
        return free;
    }
    // The same starts on every run, so that a table can be reproduced.
    std::mt19937 random(static_cast<std::uint32_t>(bits) * 7919u + start);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    const double scale = QuantizationScale(bits);
    for (std::size_t i = 0; i < free.size(); ++i) {
        const double value = problem_.taps[i] * scale;
        if (!std::isfinite(value)) {
            continue;
        }
        const double below = std::floor(value);
        const double word = chance(random) < value - below ? below + 1.0 : below;
        free[i] = static_cast<std::int32_t>(std::clamp(word, -scale, scale - 1.0));
    }
    return free;
}

std::optional<std::pair<std::vector<std::int32_t>, double>> LocalSearch::Run(
    std::int32_t bits, std::uint32_t start) const {
    const double scale = QuantizationScale(bits);
    std::vector<std::int32_t> free = StartingWords(bits, start);
    std::vector<double> amplitude = guide_.Amplitude(free, scale);
    // The guide may see a candidate as passing when the exact judge does not; each such
    // miss raises the margin the guide must show before the judge is asked again.
    double target = 0.0;
    const std::size_t maxMoves = 8 * free.size() + 64;
    for (std::size_t move = 0; move <= maxMoves; ++move) {
        const GridGuide::Judgement now = guide_.Judge(amplitude);
        if (now.margin >= target) {
            std::vector<std::int32_t> candidate = words_.Expand(free);
            const double exact = problem_.exactMargin(WordsToTaps(candidate, bits));
            if (exact >= 0.0) {
                return std::make_pair(std::move(candidate), exact);
            }
            if (!std::isfinite(exact)) {
                return std::nullopt;
            }
            target = now.margin + (now.margin - exact) + kImprovement;
        }
        const Move best = BestMove(free, amplitude, scale, now);
        if (best.first == GridGuide::kNoMove) {
            return std::nullopt;
        }
        free[best.first] += best.firstStep;
        guide_.Add(amplitude, best.first, best.firstStep / scale);
        if (best.second != GridGuide::kNoMove) {
            free[best.second] += best.secondStep;
            guide_.Add(amplitude, best.second, best.secondStep / scale);
        }
    }
    return std::nullopt;
}

// The best single step, or when no single step helps, the best of two steps together: the
// most promising single steps, each joined with every other step. A few leaders keep the work
// linear in the number of taps; more are tried only when the few find nothing.
LocalSearch::Move LocalSearch::BestMove(const std::vector<std::int32_t>& free,
                                        const std::vector<double>& amplitude, double scale,
                                        const GridGuide::Judgement& current) const {
    std::vector<Move> singles = SingleMoves(free, amplitude, scale);
    std::stable_sort(singles.begin(), singles.end(),
                     [](const Move& a, const Move& b) { return a.score > b.score; });
    if (!singles.empty() && singles.front().score > current.score + kImprovement) {
        return singles.front();
    }
    const std::span<const Move> ranked(singles);
    const std::size_t few = std::min(kPairLeaders, ranked.size());
    const std::size_t many = std::min(kManyLeaders, ranked.size());
    const Move best = BestPairMove(free, amplitude, scale, current, ranked.first(few));
    if (best.first != GridGuide::kNoMove) {
        return best;
    }
    return BestPairMove(free, amplitude, scale, current, ranked.subspan(few, many - few));
}

std::vector<LocalSearch::Move> LocalSearch::SingleMoves(const std::vector<std::int32_t>& free,
                                                        const std::vector<double>& amplitude,
                                                        double scale) const {
    std::vector<Move> singles;
    for (std::size_t i = 0; i < free.size(); ++i) {
        for (const int step : {-1, 1}) {
            if (InRange(free[i], step, scale)) {
                singles.push_back(
                    {i, step, GridGuide::kNoMove, 0, guide_.Judge(amplitude, i, step / scale).score});
            }
        }
    }
    return singles;
}

LocalSearch::Move LocalSearch::BestPairMove(const std::vector<std::int32_t>& free,
                                            const std::vector<double>& amplitude, double scale,
                                            const GridGuide::Judgement& current,
                                            std::span<const Move> leaders) const {
    Move best;
    best.score = current.score + kImprovement;
    for (const Move& first : leaders) {
        for (std::size_t j = 0; j < free.size(); ++j) {
            for (const int step : {-1, 1}) {
                if (j == first.first || !InRange(free[j], step, scale)) {
                    continue;
                }
                const double score = guide_
                                         .JudgeAbove(best.score, current.worstBand, amplitude,
                                                     first.first,
                                                     first.firstStep / scale, j, step / scale)
                                         .score;
                if (score > best.score) {
                    best = {first.first, first.firstStep, j, step, score};
                }
            }
        }
    }
    return best;
}

// The smallest word length at which plain rounding meets the judge, with its words and
// margin. The guide, when there is one, sees each band on a subset of its points, so its
// margin is never below the judge's: a word length it already fails is not worth asking the
// judge about (the tolerance covers rounding between the two evaluations).
struct RoundingOutcome {
    std::int32_t bits = 0;
    std::vector<std::int32_t> words;
    double marginDb = 0.0;
};
constexpr double kGuideFailsDb = -0.01;
std::optional<RoundingOutcome> SmallestRounding(const WordLengthProblem& problem,
                                                const GridGuide* guide) {
    const SymmetricWords symmetric(problem.taps.size(), problem.symmetry);
    for (std::int32_t bits = kMinWordBits; bits <= problem.maxBits; ++bits) {
        std::vector<std::int32_t> words = RoundToWords(problem.taps, bits);
        // Clamping to -d .. d - 1 can break the symmetry the guide assumes; such words go to
        // the judge.
        const std::span<const std::int32_t> free(words.data(), symmetric.FreeCount());
        if (guide != nullptr && symmetric.Expand(free) == words &&
            guide->Judge(guide->Amplitude(free, QuantizationScale(bits))).margin <
                kGuideFailsDb) {
            continue;
        }
        const double margin = problem.exactMargin(WordsToTaps(words, bits));
        if (margin >= 0.0) {
            return RoundingOutcome{bits, std::move(words), margin};
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::int32_t> RoundToWords(std::span<const double> taps, std::int32_t bits) {
    const double scale = QuantizationScale(bits);
    std::vector<std::int32_t> words(taps.size());
    for (std::size_t i = 0; i < taps.size(); ++i) {
        const double word = QuantizedWord(taps[i], scale);
        words[i] = std::isfinite(word) ? static_cast<std::int32_t>(word) : 0;
    }
    return words;
}

std::vector<double> WordsToTaps(std::span<const std::int32_t> words, std::int32_t bits) {
    const double scale = QuantizationScale(bits);
    std::vector<double> taps(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        taps[i] = words[i] / scale;
    }
    return taps;
}

WordLengthResult SearchWordLength(const WordLengthProblem& problem) {
    WordLengthResult result;
    const std::int32_t maxBits = std::clamp(problem.maxBits, kMinWordBits, kMaxWordBits);
    if (problem.taps.empty() || !problem.exactMargin) {
        return result;
    }
    WordLengthProblem bounded = problem;
    bounded.maxBits = maxBits;
    std::optional<GridGuide> guide;
    if (problem.taps.size() <= kMaxSearchedTaps) {
        guide.emplace(problem.taps.size(), problem.symmetry, problem.bands);
    }
    const std::optional<RoundingOutcome> rounding =
        SmallestRounding(bounded, guide ? &*guide : nullptr);
    if (rounding) {
        result.bitsRounding = rounding->bits;
        result.bits = rounding->bits;
        result.integers = rounding->words;
        result.marginDb = rounding->marginDb;
    }
    if (!guide) {
        return result;
    }
    const LocalSearch search(bounded, *guide);
    // Below rounding's word length, or from the longest when rounding never meets it.
    std::int32_t bits = rounding ? rounding->bits - 1 : maxBits;
    for (; bits >= kMinWordBits; --bits) {
        if (problem.progress) {
            problem.progress(bits);
        }
        std::optional<std::pair<std::vector<std::int32_t>, double>> found;
        for (std::uint32_t start = 0; start < kStarts && !found; ++start) {
            found = search.Run(bits, start);
        }
        if (!found) {
            break;
        }
        result.bits = bits;
        result.integers = std::move(found->first);
        result.marginDb = found->second;
    }
    return result;
}

}  // namespace tapwright
