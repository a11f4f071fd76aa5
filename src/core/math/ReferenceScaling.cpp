#include "math/ReferenceScaling.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tapwright {

namespace {

// Splits total into parts proportional to shares, rounding by largest remainders.
std::vector<std::size_t> Apportion(const std::vector<double>& shares, std::size_t total) {
    const double sum = std::accumulate(shares.begin(), shares.end(), 0.0);
    std::vector<std::size_t> parts(shares.size(), 0);
    if (!(sum > 0.0)) {
        return parts;
    }
    std::vector<std::pair<double, std::size_t>> remainders;
    std::size_t given = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const double exact = shares[i] / sum * static_cast<double>(total);
        parts[i] = static_cast<std::size_t>(std::floor(exact));
        given += parts[i];
        remainders.emplace_back(exact - std::floor(exact), i);
    }
    std::sort(remainders.begin(), remainders.end(), std::greater<>());
    for (std::size_t i = 0; given < total; ++i, ++given) {
        ++parts[remainders[i % remainders.size()].second];
    }
    return parts;
}

void SpreadEvenly(const ApproximationBand& band, std::size_t b, std::size_t count,
                  std::vector<ReferencePoint>& points) {
    if (count == 1) {
        points.push_back({0.5 * (band.lower + band.upper), b});
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(count - 1);
        points.push_back({band.lower + t * (band.upper - band.lower), b});
    }
}

}  // namespace

std::vector<ReferencePoint> EvenReference(const ApproximationProblem& problem, std::size_t count) {
    std::vector<double> widths;
    for (const ApproximationBand& band : problem.bands) {
        widths.push_back(band.upper - band.lower);
    }
    // Every band gets a point first, however narrow: a band without one has no say in the
    // levelled polynomial, and its error may then not alternate at all.
    const std::size_t guaranteed = std::min(count, widths.size());
    std::vector<std::size_t> counts = Apportion(widths, count - guaranteed);
    for (std::size_t b = 0; b < guaranteed; ++b) {
        ++counts[b];
    }
    if (std::accumulate(counts.begin(), counts.end(), std::size_t{0}) < count && !counts.empty()) {
        counts[0] += count - std::accumulate(counts.begin(), counts.end(), std::size_t{0});
    }
    std::vector<ReferencePoint> points;
    points.reserve(count);
    for (std::size_t b = 0; b < problem.bands.size(); ++b) {
        if (counts[b] > 0) {
            SpreadEvenly(problem.bands[b], b, counts[b], points);
        }
    }
    return points;
}

std::vector<ReferencePoint> ScaleReference(const ApproximationProblem& problem,
                                           std::span<const ReferencePoint> shorter,
                                           std::size_t count) {
    std::vector<std::vector<double>> old(problem.bands.size());
    for (const ReferencePoint& p : shorter) {
        old[p.band].push_back(p.frequency);
    }
    std::vector<double> shares;
    for (const auto& points : old) {
        shares.push_back(static_cast<double>(points.size()));
    }
    const std::vector<std::size_t> counts = Apportion(shares, count);
    std::vector<ReferencePoint> points;
    points.reserve(count);
    for (std::size_t b = 0; b < old.size(); ++b) {
        const std::vector<double>& from = old[b];
        const std::size_t n = counts[b];
        if (n == 0) {
            continue;
        }
        if (from.size() < 2 || n == 1) {
            SpreadEvenly(problem.bands[b], b, n, points);
            continue;
        }
        const double scale = static_cast<double>(from.size() - 1) / static_cast<double>(n - 1);
        for (std::size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) * scale;
            const auto j = std::min(static_cast<std::size_t>(t), from.size() - 2);
            const double frac = t - static_cast<double>(j);
            points.push_back({from[j] + frac * (from[j + 1] - from[j]), b});
        }
    }
    return points;
}

std::vector<ReferencePoint> ToReference(std::span<const Extremum> extrema) {
    std::vector<ReferencePoint> reference;
    reference.reserve(extrema.size());
    for (const Extremum& e : extrema) {
        reference.push_back({e.frequency, e.band});
    }
    return reference;
}

}  // namespace tapwright
