#include "math/TransformPlans.h"

#include <fftw3.h>

#include <algorithm>
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <new>

namespace tapwright {

namespace {

// Plans kept at once: enough for every transform of the longest design, whose continuous
// exchange runs two sizes at each of the dozen or so lengths it scales its reference up
// through, besides the certificate, the band measurement and the estimates of the grid
// exchange. Fewer would see a long design plan most of its transforms again on each run.
constexpr std::size_t kKeptPlans = 32;

struct FftwFree {
    void operator()(double* memory) const { fftw_free(memory); }
};
using FftwBuffer = std::unique_ptr<double[], FftwFree>;

FftwBuffer AllocateFftw(std::size_t count) {
    auto* memory = static_cast<double*>(fftw_malloc(sizeof(double) * count));
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return FftwBuffer(memory);
}

// Doubles in the input and in the output.
std::size_t Length(TransformKind kind, int n) {
    const auto size = static_cast<std::size_t>(n);
    return kind == TransformKind::CosineRedft10 ? size : 2 * size;
}

// A plan with the buffers it was made for; the transforms always run on these buffers, so
// they need no alignment from the caller's storage.
class KeptPlan {
public:
    KeptPlan(TransformKind kind, int n)
        : kind_(kind),
          n_(n),
          input_(AllocateFftw(Length(kind, n))),
          output_(AllocateFftw(Length(kind, n))) {
        auto* in = reinterpret_cast<fftw_complex*>(input_.get());
        auto* out = reinterpret_cast<fftw_complex*>(output_.get());
        switch (kind) {
            case TransformKind::ComplexForward:
                plan_ = fftw_plan_dft_1d(n, in, out, FFTW_FORWARD, FFTW_ESTIMATE);
                break;
            case TransformKind::ComplexBackward:
                plan_ = fftw_plan_dft_1d(n, in, out, FFTW_BACKWARD, FFTW_ESTIMATE);
                break;
            case TransformKind::CosineRedft10:
                plan_ =
                    fftw_plan_r2r_1d(n, input_.get(), output_.get(), FFTW_REDFT10, FFTW_ESTIMATE);
                break;
        }
        if (plan_ == nullptr) {
            throw std::bad_alloc();
        }
    }
    KeptPlan(const KeptPlan&) = delete;
    KeptPlan& operator=(const KeptPlan&) = delete;
    ~KeptPlan() { fftw_destroy_plan(plan_); }

    bool Fits(TransformKind kind, int n) const { return kind == kind_ && n == n_; }

    void Run(std::span<const double> input, std::span<double> output) {
        const std::size_t size = Length(kind_, n_);
        const std::size_t count = std::min(input.size(), size);
        std::copy_n(input.begin(), count, input_.get());
        std::fill(input_.get() + count, input_.get() + size, 0.0);
        fftw_execute(plan_);
        std::copy_n(output_.get(), output.size(), output.begin());
    }

private:
    TransformKind kind_;
    int n_;
    FftwBuffer input_;
    FftwBuffer output_;
    fftw_plan plan_ = nullptr;
};

std::mutex& PlansMutex() {
    static std::mutex mutex;
    return mutex;
}

// Most recently used first.
std::list<KeptPlan>& KeptPlans() {
    static std::list<KeptPlan> plans;
    return plans;
}

}  // namespace

void RunTransform(TransformKind kind, int n, std::span<const double> input,
                  std::span<double> output) {
    const std::lock_guard<std::mutex> lock(PlansMutex());
    std::list<KeptPlan>& plans = KeptPlans();
    const auto found = std::find_if(plans.begin(), plans.end(),
                                    [kind, n](const KeptPlan& p) { return p.Fits(kind, n); });
    if (found != plans.end()) {
        plans.splice(plans.begin(), plans, found);
    } else {
        if (plans.size() == kKeptPlans) {
            plans.pop_back();
        }
        plans.emplace_front(kind, n);
    }
    plans.front().Run(input, output.first(std::min(output.size(), Length(kind, n))));
}

}  // namespace tapwright
