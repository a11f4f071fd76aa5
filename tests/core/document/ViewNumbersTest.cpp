#include "document/DocCommands.h"

#include <gtest/gtest.h>

namespace tapwright {
namespace {

// Hints are kept in project files for the open windows and command ids name the menu and
// tool bar entries, so the numbers of the channel selections must never move.
TEST(ViewNumbersTest, ResponseViewsKeepTheirHintsAndCommandIds) {
    EXPECT_EQ(ResponseHint(ResponseDisplay::Magnitude, ChannelSelection::Inphase), 0x043u);
    EXPECT_EQ(ResponseHint(ResponseDisplay::Magnitude, ChannelSelection::Quadrature), 0x143u);
    EXPECT_EQ(ResponseHint(ResponseDisplay::Magnitude, ChannelSelection::InphaseAndQuadrature),
              0x243u);
    EXPECT_EQ(ResponseHint(ResponseDisplay::GroupDelay, ChannelSelection::ComplexFilter), 0x383u);

    EXPECT_EQ(ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Inphase), 1100u);
    EXPECT_EQ(ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Quadrature), 1101u);
    EXPECT_EQ(ResponseCommand(ResponseDisplay::Phase, ChannelSelection::InphaseAndQuadrature),
              1106u);
    EXPECT_EQ(ResponseCommand(ResponseDisplay::PhaseDelay, ChannelSelection::ComplexFilter), 1119u);
}

TEST(ViewNumbersTest, CoefficientEditorsKeepTheirHintsAndCommandIds) {
    EXPECT_EQ(CoefficientHint(ChannelSelection::Inphase), 0x311u);
    EXPECT_EQ(CoefficientHint(ChannelSelection::Quadrature), 0x321u);
    EXPECT_EQ(CoefficientHint(ChannelSelection::InphaseAndQuadrature), 0x331u);
    EXPECT_EQ(CoefficientsCommand(ChannelSelection::Inphase), 1130u);
    EXPECT_EQ(CoefficientsCommand(ChannelSelection::Quadrature), 1131u);
    EXPECT_EQ(CoefficientsCommand(ChannelSelection::InphaseAndQuadrature), 1132u);
    // The complex filter's coefficients are its two channels, shown side by side.
    EXPECT_EQ(CoefficientHint(ChannelSelection::ComplexFilter),
              CoefficientHint(ChannelSelection::InphaseAndQuadrature));
}

}  // namespace
}  // namespace tapwright
