#include "plot/PhaseTrace.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace tapwright {
namespace {

constexpr double kMinusTurnsPerDegree = -0.002777777777777778;
constexpr double kTurnsPerDegree = 0.002777777777777778;

// The nearest point after, or failing that before, index whose frequency is not 0.
std::optional<std::size_t> NearestNonzeroFrequency(std::span<const double> frequencies,
                                                   std::size_t index) {
    for (std::size_t i = index + 1; i < frequencies.size(); ++i) {
        if (frequencies[i] != 0.0) {
            return i;
        }
    }
    for (std::size_t i = index; i-- > 0;) {
        if (frequencies[i] != 0.0) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

void UnwrapPhase(std::span<double> phase) {
    if (phase.empty()) {
        return;
    }
    double offset = 0.0;
    double previousRaw = phase[0];
    for (std::size_t i = 1; i < phase.size(); ++i) {
        const double raw = phase[i];
        const double step = raw - previousRaw;
        if (step > 180.0) {
            offset -= 360.0;
        } else if (step < -180.0) {
            offset += 360.0;
        }
        phase[i] = raw + offset;
        previousRaw = raw;
    }
}

void PhaseToPhaseDelay(std::span<const double> frequencies, std::span<double> phase) {
    const std::size_t count = std::min(frequencies.size(), phase.size());
    frequencies = frequencies.first(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (frequencies[i] != 0.0) {
            phase[i] = phase[i] / frequencies[i] * kMinusTurnsPerDegree;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (frequencies[i] == 0.0) {
            const std::optional<std::size_t> source = NearestNonzeroFrequency(frequencies, i);
            phase[i] = source ? phase[*source] : 0.0;
        }
    }
}

void PhaseToGroupDelay(std::span<const double> frequencies, std::span<double> phase) {
    const std::size_t count = std::min(frequencies.size(), phase.size());
    if (count == 0) {
        return;
    }
    std::optional<std::size_t> firstShown;
    double held = 0.0;
    double previousFrequency = frequencies[0];
    double previousPhase = phase[0];
    for (std::size_t i = 1; i < count; ++i) {
        const double frequency = frequencies[i];
        const double unwrapped = phase[i];
        if (frequency != 0.0 && frequency != previousFrequency) {
            const double delay =
                (unwrapped - previousPhase) / (previousFrequency - frequency) * kTurnsPerDegree;
            if (delay >= 0.0) {
                held = delay;
                firstShown = firstShown.value_or(i);
            }
        }
        phase[i] = held;
        previousFrequency = frequency;
        previousPhase = unwrapped;
    }
    if (firstShown) {
        std::fill(phase.begin() + 1, phase.begin() + static_cast<std::ptrdiff_t>(*firstShown),
                  phase[*firstShown]);
    }
    phase[0] = count > 1 ? phase[1] : 0.0;
}

}  // namespace tapwright
