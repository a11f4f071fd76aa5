#include "math/ReferenceResponse.h"
#include "math/ResponseEvaluator.h"
#include "math/ResponseQuantity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace tapwright {
namespace {

constexpr double kMinDb = -110.0;

enum class Method { Reference, Evaluator };

std::complex<double> Response(Method method, const std::vector<double>& inphase,
                              const std::vector<double>& quadrature, ChannelSelection select,
                              double nu) {
    if (method == Method::Reference) {
        return ReferenceResponse(inphase, quadrature, select, nu);
    }
    return ResponseEvaluator(inphase, quadrature, select).Evaluate(nu);
}

// Filters whose response is known in closed form, through both ways of evaluating it.
class KnownResponseTest : public testing::TestWithParam<Method> {
protected:
    double Db(const std::vector<double>& inphase, const std::vector<double>& quadrature,
              ChannelSelection select, double nu) const {
        const double power = PowerOf(Response(GetParam(), inphase, quadrature, select, nu));
        return PlotValue(ResponseQuantity::Power, power, kMinDb);
    }
    double Phase(const std::vector<double>& inphase, const std::vector<double>& quadrature,
                 ChannelSelection select, double nu) const {
        return PhaseDegreesOf(Response(GetParam(), inphase, quadrature, select, nu));
    }
};

TEST_P(KnownResponseTest, SingleUnitTapIsZeroDbAndZeroDegreesEverywhere) {
    for (const double nu : {-0.5, -0.3, 0.0, 0.1, 0.25, 0.4999, 0.5}) {
        EXPECT_NEAR(Db({1.0}, {0.0}, ChannelSelection::Inphase, nu), 0.0, 1e-12) << nu;
        EXPECT_NEAR(Phase({1.0}, {0.0}, ChannelSelection::Inphase, nu), 0.0, 1e-12) << nu;
    }
}

TEST_P(KnownResponseTest, TwoUnitTapsShowTheFloorAtHalfTheSamplingRate) {
    const double power =
        PowerOf(Response(GetParam(), {1.0, 1.0}, {0.0, 0.0}, ChannelSelection::Inphase, 0.5));
    EXPECT_LT(power, 1e-30);
    EXPECT_EQ(Db({1.0, 1.0}, {0.0, 0.0}, ChannelSelection::Inphase, 0.5), kMinDb);
    EXPECT_NEAR(Db({1.0, 1.0}, {0.0, 0.0}, ChannelSelection::Inphase, 0.0), 10.0 * std::log10(4.0),
                1e-12);
}

TEST_P(KnownResponseTest, AveragerIsMinus45DegreesAtAQuarterOfTheSamplingRate) {
    EXPECT_NEAR(Phase({0.5, 0.5}, {0.0, 0.0}, ChannelSelection::Inphase, 0.25), -45.0, 1e-12);
    EXPECT_NEAR(Db({0.5, 0.5}, {0.0, 0.0}, ChannelSelection::Inphase, 0.25), 10.0 * std::log10(0.5),
                1e-12);
    // Quadrature reads its own channel as a real filter; Inphase is ignored.
    EXPECT_NEAR(Phase({3.0, -1.0}, {0.5, 0.5}, ChannelSelection::Quadrature, 0.25), -45.0, 1e-12);
}

TEST_P(KnownResponseTest, ComplexUnitTapIsThreeDbAnd45DegreesEverywhere) {
    for (const double nu : {-0.5, -0.2, 0.0, 0.3, 0.5}) {
        EXPECT_NEAR(Db({1.0}, {1.0}, ChannelSelection::ComplexFilter, nu), 3.0103, 1e-4) << nu;
        EXPECT_NEAR(Phase({1.0}, {1.0}, ChannelSelection::ComplexFilter, nu), 45.0, 1e-12) << nu;
    }
    // An unknown selection code means Inphase.
    EXPECT_NEAR(Db({1.0}, {1.0}, static_cast<ChannelSelection>(7), 0.3), 0.0, 1e-12);
}

TEST_P(KnownResponseTest, NoTapsGiveZeroPowerZeroPhaseAndTheFloor) {
    EXPECT_EQ(Response(GetParam(), {}, {}, ChannelSelection::ComplexFilter, 0.2),
              std::complex<double>(0.0, 0.0));
    EXPECT_EQ(Db({}, {}, ChannelSelection::Inphase, 0.2), kMinDb);
    EXPECT_EQ(Phase({}, {}, ChannelSelection::Inphase, 0.2), 0.0);
}

TEST_P(KnownResponseTest, MissingQuadratureSamplesReadAsZeros) {
    const std::vector<double> inphase{1.0, 2.0, 3.0};
    const std::complex<double> shortChannel =
        Response(GetParam(), inphase, {0.5}, ChannelSelection::ComplexFilter, 0.1);
    const std::complex<double> padded =
        Response(GetParam(), inphase, {0.5, 0.0, 0.0}, ChannelSelection::ComplexFilter, 0.1);
    EXPECT_NEAR(std::abs(shortChannel - padded), 0.0, 1e-14);
}

INSTANTIATE_TEST_SUITE_P(BothMethods, KnownResponseTest,
                         testing::Values(Method::Reference, Method::Evaluator),
                         [](const testing::TestParamInfo<Method>& info) {
                             return std::string(info.param == Method::Reference ? "Reference"
                                                                                : "Evaluator");
                         });

TEST(ResponseQuantityTest, PlotValueFloorsPowersAndPassesPhasesThrough) {
    EXPECT_EQ(PlotValue(ResponseQuantity::Power, 0.0, kMinDb), kMinDb);
    EXPECT_EQ(PlotValue(ResponseQuantity::Power, 1e-20, kMinDb), kMinDb);
    EXPECT_NEAR(PlotValue(ResponseQuantity::Power, 100.0, kMinDb), 20.0, 1e-12);
    EXPECT_EQ(PlotValue(ResponseQuantity::Phase, -170.5, kMinDb), -170.5);
    // A null whose zeros carry a minus sign is still 0 degrees, not 180.
    EXPECT_EQ(PhaseDegreesOf({-0.0, 0.0}), 0.0);
}

// Frequencies beyond half a turn are reduced by whole turns, so the response repeats.
TEST(UnitCirclePointTest, MatchesTheExponentialAndIsExactOnQuarterTurns) {
    for (double nu = -2.0; nu <= 2.0; nu += 0.01) {
        const std::complex<double> expected(std::cos(-kTwoPi * nu),
                                            std::sin(-kTwoPi * nu));
        EXPECT_NEAR(std::abs(UnitCirclePoint(nu) - expected), 0.0, 1e-14) << nu;
    }
    EXPECT_EQ(UnitCirclePoint(0.25), std::complex<double>(0.0, -1.0));
    EXPECT_EQ(UnitCirclePoint(-0.5), std::complex<double>(-1.0, 0.0));
    EXPECT_EQ(UnitCirclePoint(3.0), std::complex<double>(1.0, 0.0));
}

struct RandomFilterCase {
    std::size_t taps;
    bool complexData;
    ChannelSelection select;
};

// A number per selection for the case names and the random seeds.
std::size_t SelectionNumber(ChannelSelection select) {
    switch (select) {
        case ChannelSelection::Quadrature:
            return 2;
        case ChannelSelection::ComplexFilter:
            return 4;
        default:
            return 1;
    }
}

std::string CaseName(const testing::TestParamInfo<RandomFilterCase>& info) {
    return std::to_string(info.param.taps) + (info.param.complexData ? "Complex" : "Real") +
           "Select" + std::to_string(SelectionNumber(info.param.select));
}

// The evaluator against the term-by-term sum on random filters: equal to rounding.
class EvaluatorAgreementTest : public testing::TestWithParam<RandomFilterCase> {
protected:
    void SetUp() override {
        const RandomFilterCase& c = GetParam();
        std::mt19937_64 random(c.taps * 10 + SelectionNumber(c.select));
        std::uniform_real_distribution<double> tap(-1.0, 1.0);
        inphase_.resize(c.taps);
        quadrature_.assign(c.taps, 0.0);
        for (std::size_t n = 0; n < c.taps; ++n) {
            inphase_[n] = tap(random);
            if (c.complexData) {
                quadrature_[n] = tap(random);
            }
        }
        frequencies_ = {0.0,  0.5,          -0.5,         0.25,  -0.25,
                        0.49, 0.5 - 1e-6,   0.5 - 1e-12,  -0.5 + 1e-9,
                        1e-9, 0.4999999999, -0.4999999999};
        std::uniform_real_distribution<double> nu(-0.5, 0.5);
        const std::size_t randomCount = c.taps >= 1000 ? 30 : 200;
        for (std::size_t i = 0; i < randomCount; ++i) {
            frequencies_.push_back(nu(random));
        }
        for (std::size_t n = 0; n < c.taps; ++n) {
            const SelectedTap t = SelectTap(inphase_, quadrature_, c.select, n);
            sumAbs_ += std::hypot(t.real, t.imag);
        }
    }

    void ExpectAgreement(double nu, std::complex<double> fast) const {
        const std::complex<double> reference =
            ReferenceResponse(inphase_, quadrature_, GetParam().select, nu);
        EXPECT_LE(std::abs(fast - reference), 1e-10 * sumAbs_) << "nu " << nu;
        if (std::abs(reference) >= 1e-4 * sumAbs_) {
            const double difference =
                std::remainder(PhaseDegreesOf(fast) - PhaseDegreesOf(reference), 360.0);
            EXPECT_LE(std::abs(difference), 1e-6) << "nu " << nu;
        }
    }

    std::vector<double> inphase_;
    std::vector<double> quadrature_;
    std::vector<double> frequencies_;
    double sumAbs_ = 0.0;
};

TEST_P(EvaluatorAgreementTest, ArrayAndSingleFrequencyMatchTheTermByTermSum) {
    const ResponseEvaluator evaluator(inphase_, quadrature_, GetParam().select);
    std::vector<double> power(frequencies_.size());
    std::vector<double> phase(frequencies_.size());
    evaluator.Evaluate(frequencies_, ResponseQuantity::Power, power);
    evaluator.Evaluate(frequencies_, ResponseQuantity::Phase, phase);
    for (std::size_t i = 0; i < frequencies_.size(); ++i) {
        const double nu = frequencies_[i];
        ExpectAgreement(nu, std::polar(std::sqrt(power[i]), phase[i] / kDegreesPerRadian));
        ExpectAgreement(nu, evaluator.Evaluate(nu));
    }
}

INSTANTIATE_TEST_SUITE_P(
    RandomFilters, EvaluatorAgreementTest,
    testing::ValuesIn([] {
        std::vector<RandomFilterCase> cases;
        for (const std::size_t taps : {1u, 2u, 3u, 17u, 1000u, 10000u}) {
            for (const bool complexData : {false, true}) {
                for (const ChannelSelection select :
                     {ChannelSelection::Inphase, ChannelSelection::Quadrature,
                      ChannelSelection::ComplexFilter}) {
                    cases.push_back({taps, complexData, select});
                }
            }
        }
        return cases;
    }()),
    CaseName);

TEST(ResponseEvaluatorTest, TapsAppendedInBlocksGiveTheSameResponseAsOneRun) {
    const std::vector<double> inphase{0.3, -1.2, 0.7, 2.0, -0.4};
    const std::vector<double> quadrature{1.0, 0.5, -0.25, 0.0, 0.8};
    ResponseEvaluator blocks(ChannelSelection::ComplexFilter);
    blocks.AppendTaps(std::span(inphase).first(2), std::span(quadrature).first(2));
    blocks.AppendTaps(std::span(inphase).subspan(2), std::span(quadrature).subspan(2));
    const ResponseEvaluator whole(inphase, quadrature, ChannelSelection::ComplexFilter);
    EXPECT_EQ(blocks.TapCount(), 5u);
    for (const double nu : {-0.4, 0.0, 0.13, 0.5}) {
        EXPECT_EQ(blocks.Evaluate(nu), whole.Evaluate(nu));
    }
}

}  // namespace
}  // namespace tapwright
