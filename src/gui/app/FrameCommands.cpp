#include "gui/app/FrameCommands.h"

#include <array>

namespace tapwright::gui {

namespace {

constexpr std::array<ToolButton, 18> kToolButtons{{
    {FrameCommand::NewProject, ":/icons/new.svg", "Create a new filter design project\nNew Project",
     false, "Ctrl+N"},
    {FrameCommand::OpenProject, ":/icons/open.svg", "Open an existing project\nOpen Project", false,
     "Ctrl+O"},
    {FrameCommand::SaveProject, ":/icons/save.svg", "Save the active project\nSave Project", false,
     "Ctrl+S"},
    {FrameCommand::SamplingFrequency, ":/icons/samplerate.svg",
     "Set Sampling Frequency for FIR Design\nSet Sampling Frequency", true, ""},
    {FrameCommand::FillSine, ":/icons/sine.svg",
     "Fill Real and Imaginary filter coefficients with a complex sine\nFill With Sine", false, ""},
    {FrameCommand::Window, ":/icons/window.svg", "Window filter coefficients\nWindow", false, ""},
    {FrameCommand::Scale, ":/icons/scale.svg", "Scale filter coefficients\nScale", false, ""},
    {FrameCommand::Quantize, ":/icons/quantize.svg", "Quantize filter coefficients\nQuantize",
     false, ""},
    {FrameCommand::Mix, ":/icons/mix.svg",
     "Mix the current filter coefficients with a complex sine\nMix", false, ""},
    {FrameCommand::ViewEditor, ":/icons/editor.svg",
     "View FIR filter specification editor\nView Editor", true, ""},
    {FrameCommand::ViewMagnitude, ":/icons/magnitude.svg", "View filter magnitude\nView Magnitude",
     false, ""},
    {FrameCommand::ViewImpulse, ":/icons/impulse.svg",
     "View filter impulse response magnitude\nView Impulse", false, ""},
    {FrameCommand::ViewCoefficients, ":/icons/coefficients.svg",
     "View and Edit filter coefficients\nView Coefficients", false, ""},
    {FrameCommand::Cut, ":/icons/cut.svg", "Cut the selection and put it on the clipboard\nCut",
     true, "Ctrl+X; Shift+Del"},
    {FrameCommand::Copy, ":/icons/copy.svg", "Copy the selection and put it on the clipboard\nCopy",
     false, "Ctrl+C; Ctrl+Ins"},
    {FrameCommand::Paste, ":/icons/paste.svg", "Insert the clipboard contents\nPaste", false,
     "Ctrl+V; Shift+Ins"},
    {FrameCommand::Print, ":/icons/print.svg", "Print the active window\nPrint", true, "Ctrl+P"},
    {FrameCommand::ContextHelp, ":/icons/contexthelp.svg",
     "Show help for the button, menu or window clicked next\nHelp", false, "Shift+F1"},
}};

}  // namespace

std::span<const ToolButton> ToolButtons() {
    return kToolButtons;
}

QString StatusLineOf(const char* statusText) {
    return QString(statusText).section('\n', 0, 0);
}

QString ToolTipOf(const char* statusText) {
    return QString(statusText).section('\n', 1);
}

}  // namespace tapwright::gui
