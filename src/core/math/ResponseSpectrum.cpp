#include "math/ResponseSpectrum.h"

#include <fftw3.h>

#include <algorithm>
#include <memory>
#include <new>

namespace tapwright {

namespace {

struct FftwFree {
    void operator()(void* memory) const { fftw_free(memory); }
};
template <typename T>
using FftwBuffer = std::unique_ptr<T[], FftwFree>;

template <typename T>
FftwBuffer<T> AllocateFftw(std::size_t count) {
    auto* memory = static_cast<T*>(fftw_malloc(sizeof(T) * count));
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return FftwBuffer<T>(memory);
}

struct PlanDestroy {
    void operator()(fftw_plan plan) const { fftw_destroy_plan(plan); }
};
using Plan = std::unique_ptr<std::remove_pointer_t<fftw_plan>, PlanDestroy>;

bool HasOnlySmallFactors(std::size_t n) {
    for (const std::size_t factor : {2U, 3U, 5U, 7U}) {
        while (n % factor == 0) {
            n /= factor;
        }
    }
    return n == 1;
}

}  // namespace

std::size_t FastTransformLength(std::size_t minimum) {
    std::size_t n = std::max<std::size_t>(minimum + minimum % 2, 2);
    while (!HasOnlySmallFactors(n)) {
        n += 2;
    }
    return n;
}

void ResponseSpectrum::FreeTransform::operator()(double* memory) const { fftw_free(memory); }

ResponseSpectrum::ResponseSpectrum(std::span<const double> taps, std::size_t length)
    : length_(length), bins_(length / 2 + 1) {
    // Both transforms run as one batch: the taps in the first row, the ramp in the second.
    FftwBuffer<double> input = AllocateFftw<double>(2 * length);
    output_.reset(AllocateFftw<double>(4 * bins_).release());
    auto* output = reinterpret_cast<fftw_complex*>(output_.get());
    const int n = static_cast<int>(length);
    Plan plan(fftw_plan_many_dft_r2c(1, &n, 2, input.get(), nullptr, 1, n, output, nullptr, 1,
                                     static_cast<int>(bins_), FFTW_ESTIMATE));
    if (!plan) {
        throw std::bad_alloc();
    }
    std::fill_n(input.get(), 2 * length, 0.0);
    const double centre = 0.5 * static_cast<double>(taps.size() - 1);
    for (std::size_t i = 0; i < taps.size(); ++i) {
        input[i] = taps[i];
        input[length + i] = (static_cast<double>(i) - centre) * taps[i];
    }
    fftw_execute(plan.get());
}

}  // namespace tapwright
