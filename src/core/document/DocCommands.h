#pragma once

#include <array>
#include <string>

#include "document/FirDoc.h"
#include "platform/CommandTable.h"

namespace tapwright {

// The commands of a project, from 1000 on. The twenty frequency response commands are a grid
// of display rows (in the order of their submenus) by filter selections.
inline constexpr CommandId kCmdSamplingFrequency = 1000;
inline constexpr CommandId kCmdMinimumDb = 1001;

inline constexpr CommandId kCmdSineInphase = 1010;
inline constexpr CommandId kCmdSineQuadrature = 1011;
inline constexpr CommandId kCmdSineComplex = 1012;
inline constexpr CommandId kCmdWindowInphase = 1020;
inline constexpr CommandId kCmdWindowQuadrature = 1021;
inline constexpr CommandId kCmdWindowComplex = 1022;
inline constexpr CommandId kCmdFillInphase = 1030;
inline constexpr CommandId kCmdFillQuadrature = 1031;
inline constexpr CommandId kCmdFillComplex = 1032;
inline constexpr CommandId kCmdScaleInphase = 1040;
inline constexpr CommandId kCmdScaleQuadrature = 1041;
inline constexpr CommandId kCmdScaleComplex = 1042;
inline constexpr CommandId kCmdQuantizeInphase = 1050;
inline constexpr CommandId kCmdQuantizeQuadrature = 1051;
inline constexpr CommandId kCmdQuantizeComplex = 1052;

inline constexpr CommandId kCmdMix = 1060;
inline constexpr CommandId kCmdCopyInphaseToQuadrature = 1061;
inline constexpr CommandId kCmdCopyQuadratureToInphase = 1062;
inline constexpr CommandId kCmdSwapChannels = 1063;
inline constexpr CommandId kCmdCopyToClipboard = 1064;
inline constexpr CommandId kCmdWordLength = 1065;

inline constexpr CommandId kCmdImportCoefficients = 1070;
inline constexpr CommandId kCmdExportCoefficients = 1071;
inline constexpr CommandId kCmdSaveProject = 1072;
inline constexpr CommandId kCmdSaveProjectAs = 1073;
inline constexpr CommandId kCmdCloseProject = 1074;

inline constexpr CommandId kCmdViewSpecifications = 1080;

inline constexpr CommandId kCmdUndo = 1090;
inline constexpr CommandId kCmdRedo = 1091;
inline constexpr const char* kUndoMenuText = "&Undo\tCtrl+Z";
inline constexpr const char* kRedoMenuText = "&Redo\tCtrl+Y";

// The rows of the "&Frequency Response" submenus, in menu order.
inline constexpr std::array<ResponseDisplay, 5> kResponseMenuRows = {
    ResponseDisplay::Magnitude, ResponseDisplay::Phase, ResponseDisplay::UnwrappedPhase,
    ResponseDisplay::GroupDelay, ResponseDisplay::PhaseDelay};
inline constexpr CommandId kCmdViewResponseFirst = 1100;
// Each row holds the four selections in the order of their hint field.
constexpr CommandId ResponseCommand(ResponseDisplay display, ChannelSelection selection) {
    CommandId row = 0;
    while (kResponseMenuRows[row] != display) {
        ++row;
    }
    return kCmdViewResponseFirst + 4 * row + static_cast<CommandId>(ResponseHintField(selection));
}

// The impulse views in the order of ImpulseDisplay, and the coefficient editors in the
// order of their hint field.
inline constexpr CommandId kCmdViewImpulseFirst = 1120;
constexpr CommandId ImpulseCommand(ImpulseDisplay display) {
    return kCmdViewImpulseFirst + static_cast<CommandId>(display) - 1;
}
inline constexpr CommandId kCmdViewCoefficientsFirst = 1130;
constexpr CommandId CoefficientsCommand(ChannelSelection channels) {
    return kCmdViewCoefficientsFirst + static_cast<CommandId>(CoefficientHintField(channels)) - 1;
}

// The tool bar's default forms: Inphase for real data, both channels (or the complex view)
// otherwise.
inline constexpr CommandId kCmdDefaultWindow = 1140;
inline constexpr CommandId kCmdDefaultScale = 1141;
inline constexpr CommandId kCmdDefaultQuantize = 1142;
inline constexpr CommandId kCmdDefaultResponse = 1143;
inline constexpr CommandId kCmdDefaultImpulse = 1144;
inline constexpr CommandId kCmdDefaultCoefficients = 1145;

// Every command of a project, with its menu place, texts and enable rule.
const CommandTable<CFirDoc>& FirDocCommands();

// The Edit menu's items name the step they would take back or do again: "&Undo Quantize".
std::string UndoMenuText(const CFirDoc& document);
std::string RedoMenuText(const CFirDoc& document);

// The coefficient editor's frame offers some response commands under shorter texts.
struct MenuAlias {
    CommandId id;
    const char* menuText;
};
inline constexpr std::array<MenuAlias, 7> kCoefficientEditorResponseItems = {{
    {ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Inphase), "&Inphase Magnitude"},
    {ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Quadrature),
     "&Quadrature Magnitude"},
    {ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::InphaseAndQuadrature),
     "I &And Q Magnitudes"},
    {ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::ComplexFilter),
     "Complex &Magnitude"},
    {ResponseCommand(ResponseDisplay::Phase, ChannelSelection::Inphase), "Inphase Phase"},
    {ResponseCommand(ResponseDisplay::Phase, ChannelSelection::Quadrature), "Quadrature Phase"},
    {ResponseCommand(ResponseDisplay::Phase, ChannelSelection::ComplexFilter), "Complex &Phase"},
}};

}  // namespace tapwright
