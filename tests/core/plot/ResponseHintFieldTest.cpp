#include "plot/ResponseHintField.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "plot/FirPlot.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

struct SelectionField {
    ChannelSelection selection;
    std::uint32_t field;
};

// The numbers project files and opening hints hold for each selection.
constexpr std::array<SelectionField, 4> kFields = {{
    {ChannelSelection::Inphase, 0},
    {ChannelSelection::Quadrature, 1},
    {ChannelSelection::InphaseAndQuadrature, 2},
    {ChannelSelection::ComplexFilter, 3},
}};

TEST(ResponseHintFieldTest, EverySelectionKeepsItsFieldAndReadsBackFromIt) {
    for (const SelectionField& entry : kFields) {
        EXPECT_EQ(ResponseHintField(entry.selection), entry.field);
        EXPECT_EQ(ResponseSelectionOfHintField(entry.field), entry.selection);
    }
    // A damaged file may hold any field; those that name no selection show Inphase.
    for (std::uint32_t field = 4; field < 16; ++field) {
        EXPECT_EQ(ResponseSelectionOfHintField(field), ChannelSelection::Inphase) << field;
    }
}

TEST(ResponseHintFieldTest, APlotReopensWithTheSelectionItShows) {
    test::FakeUserInterface ui;
    for (const SelectionField& entry : kFields) {
        CFirPlot plot;
        plot.OnSelection(entry.selection);
        EXPECT_EQ(hint::Field2(plot.ReopenHint()), entry.field);
    }
}

}  // namespace
}  // namespace tapwright
