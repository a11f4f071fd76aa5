#include "math/Barycentric.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace tapwright {

namespace {

// Factors are at most 2 and, for distinct doubles in [-1, 1], at least about 1e-16 apart, so
// a running product of this many stays within the range of a double before it is renormalised.
constexpr std::size_t kFactorsPerRenormalisation = 16;
// Independent running products, so that the multiplications of one node overlap.
constexpr std::size_t kChains = 4;

// log2 |prod_{j != k} (x_k - x_j)| and the sign of the product.
struct ScaledProduct {
    double log2Size = 0.0;
    double sign = 1.0;
};

// Multiplies the factors of nodes[from, to) into the chains, renormalising each after every
// kFactorsPerRenormalisation factors.
void MultiplyFactors(const double* nodes, std::size_t from, std::size_t to, double xk,
                     double (&mantissa)[kChains], long& exponent) {
    const std::size_t block = kChains * kFactorsPerRenormalisation;
    std::size_t j = from;
    while (j < to) {
        const std::size_t end = std::min(to, j + block);
        for (; j + kChains <= end; j += kChains) {
            for (std::size_t c = 0; c < kChains; ++c) {
                mantissa[c] *= xk - nodes[j + c];
            }
        }
        for (; j < end; ++j) {
            mantissa[0] *= xk - nodes[j];
        }
        for (double& m : mantissa) {
            int e = 0;
            m = std::frexp(m, &e);
            exponent += e;
        }
    }
}

ScaledProduct NodeProduct(std::span<const double> nodes, std::size_t k) {
    double mantissa[kChains] = {1.0, 1.0, 1.0, 1.0};
    long exponent = 0;
    MultiplyFactors(nodes.data(), 0, k, nodes[k], mantissa, exponent);
    MultiplyFactors(nodes.data(), k + 1, nodes.size(), nodes[k], mantissa, exponent);
    double product = 1.0;
    for (const double m : mantissa) {
        product *= m;  // each in [0.5, 1): no underflow
    }
    return {static_cast<double>(exponent) + std::log2(std::fabs(product)),
            product < 0.0 ? -1.0 : 1.0};
}

}  // namespace

std::vector<double> BarycentricWeights(std::span<const double> nodes) {
    std::vector<ScaledProduct> products(nodes.size());
    double smallest = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        products[k] = NodeProduct(nodes, k);
        smallest = std::min(smallest, products[k].log2Size);
    }
    std::vector<double> weights(nodes.size());
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        weights[k] = products[k].sign * std::exp2(smallest - products[k].log2Size);
    }
    return weights;
}

double BarycentricInterpolate(std::span<const double> nodes, std::span<const double> weights,
                              std::span<const double> values, double x) {
    // Four interleaved sums, lane l taking the nodes k = l mod 4, so that the divisions of
    // neighbouring nodes run side by side. The lanes are held in pairs in vector registers:
    // written as arrays, the compiler keeps them in memory and every addition waits on a
    // store. At a node itself a term is infinite and the quotient not a number; the node's
    // value is the answer there.
    using Pair = double __attribute__((vector_size(16)));
    const auto load = [](const double* p) {
        Pair v;
        std::memcpy(&v, p, sizeof v);
        return v;
    };
    const Pair at = {x, x};
    Pair numeratorLow = {0.0, 0.0};
    Pair numeratorHigh = {0.0, 0.0};
    Pair denominatorLow = {0.0, 0.0};
    Pair denominatorHigh = {0.0, 0.0};
    const std::size_t count = nodes.size();
    const std::size_t whole = count - count % 4;
    for (std::size_t k = 0; k < whole; k += 4) {
        const Pair low = load(&weights[k]) / (at - load(&nodes[k]));
        const Pair high = load(&weights[k + 2]) / (at - load(&nodes[k + 2]));
        numeratorLow += low * load(&values[k]);
        numeratorHigh += high * load(&values[k + 2]);
        denominatorLow += low;
        denominatorHigh += high;
    }
    for (std::size_t k = whole; k < count; ++k) {
        const double c = weights[k] / (x - nodes[k]);
        numeratorLow[0] += c * values[k];
        denominatorLow[0] += c;
    }
    const double result =
        (numeratorLow[0] + numeratorLow[1] + numeratorHigh[0] + numeratorHigh[1]) /
        (denominatorLow[0] + denominatorLow[1] + denominatorHigh[0] + denominatorHigh[1]);
    if (std::isfinite(result)) {
        return result;
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (x == nodes[k]) {
            return values[k];
        }
    }
    return result;
}

}  // namespace tapwright
