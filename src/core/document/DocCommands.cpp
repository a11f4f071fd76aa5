#include "document/DocCommands.h"

#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "document/WordLengthCommand.h"

namespace tapwright {

namespace {

using DocCommand = Command<CFirDoc>;
using Rule = std::function<bool(const CFirDoc&)>;
using ChannelCommand = bool (CoefficientCommands::*)(ChannelSelection);

const Rule kAlways;
const Rule kHasPoints = [](const CFirDoc& document) { return document.HasPoints(); };
const Rule kHasComplexPoints = [](const CFirDoc& document) { return document.HasComplexPoints(); };

const std::string kFileMenu = "&File";
const std::string kFilterMenu = "Fi&lter";
const std::string kViewMenu = "&View";
const std::string kEditMenu = "&Edit";

// A handler whose changes to the project make one step of its history.
std::function<void(CFirDoc&)> Recorded(const char* stepName,
                                       std::function<void(CFirDoc&)> handler) {
    return [stepName, handler = std::move(handler)](CFirDoc& document) {
        const UndoStep step(document, stepName);
        handler(document);
    };
}

// The Inphase entry needs points; the Quadrature and both-channel entries complex points.
const Rule& ChannelRule(ChannelSelection choice) {
    return choice == ChannelSelection::Inphase ? kHasPoints : kHasComplexPoints;
}

// A command with a menu entry; the status text may be empty.
DocCommand MenuCommand(CommandId id, std::string menuPath, std::string menuText,
                       std::string statusText, std::function<void(CFirDoc&)> handler,
                       const Rule& enabled) {
    return {id,
            std::move(menuPath),
            std::move(menuText),
            std::move(statusText),
            std::move(handler),
            enabled,
            {}};
}

// The three entries "&Inphase...", "&Quadrature..." and "&Complex..." of a Filter submenu.
void AddChannelFamily(std::vector<DocCommand>& table, CommandId first, const std::string& popup,
                      const char* stepName, ChannelCommand operation, bool needsPoints,
                      const std::string& complexStatus = {}) {
    struct Entry {
        ChannelSelection choice;
        const char* text;
    };
    constexpr std::array<Entry, 3> kEntries = {
        {{ChannelSelection::Inphase, "&Inphase..."},
         {ChannelSelection::Quadrature, "&Quadrature..."},
         {ChannelSelection::InphaseAndQuadrature, "&Complex..."}}};
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const ChannelSelection choice = kEntries[i].choice;
        table.push_back(MenuCommand(
            first + static_cast<CommandId>(i), kFilterMenu + "/" + popup, kEntries[i].text,
            choice == ChannelSelection::InphaseAndQuadrature ? complexStatus : "",
            Recorded(stepName,
                     [operation, choice](CFirDoc& document) {
                         (document.Coefficients().*operation)(choice);
                     }),
            needsPoints ? ChannelRule(choice) : kAlways));
    }
}

// The channels the tool bar's default forms work on.
ChannelSelection DefaultChannelsOf(const CFirDoc& document) {
    return DefaultChannels(document.Filter().IsReal());
}

// The tool bar's default form of a family, enabled when the filter has points.
DocCommand DefaultCommand(CommandId id, std::string statusText,
                          std::function<void(CFirDoc&)> handler) {
    return {id, "", "", std::move(statusText), std::move(handler), kHasPoints, {}};
}

void AddFilterCommands(std::vector<DocCommand>& table) {
    table.push_back(MenuCommand(
        kCmdSamplingFrequency, kFilterMenu, "Sampling &Frequency...",
        "Set Sampling Frequency for FIR Design\nSet Sampling Frequency",
        [](CFirDoc& document) { document.SetSamplingFrequency(); }, kAlways));
    table.push_back(MenuCommand(
        kCmdMinimumDb, kFilterMenu, "Minimum dB...", "",
        [](CFirDoc& document) { document.SetMinimumDb(); }, kAlways));
    AddChannelFamily(table, kCmdSineInphase, "Fill Filter With &Sine", "Fill With Sine",
                     &CoefficientCommands::FillSine, false,
                     "Fill Real and Imaginary filter coefficients with a complex sine\n"
                     "Fill With Sine");
    AddChannelFamily(table, kCmdWindowInphase, "W&indow Filter", "Window",
                     &CoefficientCommands::Window, true);
    AddChannelFamily(table, kCmdFillInphase, "Fill Filter With &Constant", "Fill With Constant",
                     &CoefficientCommands::FillConstant, false);
    AddChannelFamily(table, kCmdScaleInphase, "&Scale Filter", "Scale", &CoefficientCommands::Scale,
                     true);
    AddChannelFamily(table, kCmdQuantizeInphase, "&Quantize Filter", "Quantize",
                     &CoefficientCommands::Quantize, true);
    table.push_back(MenuCommand(
        kCmdWordLength, kFilterMenu, "Word &Length...",
        "Find the fewest coefficient bits that meet the specification\nWord Length",
        Recorded("Word Length", [](CFirDoc& document) { FindWordLength(document); }),
        [](const CFirDoc& document) { return CanFindWordLength(document); }));
    table.push_back(MenuCommand(
        kCmdMix, kFilterMenu, "Mix Complex Filter...",
        "Mix the current filter coefficients with a complex sine\nMix",
        Recorded("Mix", [](CFirDoc& document) { document.Coefficients().Mix(); }), kHasPoints));
    table.push_back(MenuCommand(
        kCmdCopyInphaseToQuadrature, kFilterMenu, "Copy &Inphase to Quadrature", "",
        Recorded("Copy Inphase to Quadrature",
                 [](CFirDoc& document) { document.Coefficients().CopyInphaseToQuadrature(); }),
        kHasPoints));
    table.push_back(MenuCommand(
        kCmdCopyQuadratureToInphase, kFilterMenu, "Copy &Quadrature to Inphase", "",
        Recorded("Copy Quadrature to Inphase",
                 [](CFirDoc& document) { document.Coefficients().CopyQuadratureToInphase(); }),
        kHasPoints));
    table.push_back(
        MenuCommand(kCmdSwapChannels, kFilterMenu, "S&wap Inphase and Quadrature", "",
                    Recorded("Swap Inphase and Quadrature",
                             [](CFirDoc& document) { document.Coefficients().SwapChannels(); }),
                    kHasPoints));
    table.push_back(MenuCommand(
        kCmdCopyToClipboard, kFilterMenu, "Copy Filter Data to Clipboard", "",
        [](CFirDoc& document) { document.CopyFilterToClipboard(); }, kHasPoints));
}

void AddFileCommands(std::vector<DocCommand>& table) {
    table.push_back(MenuCommand(
        kCmdImportCoefficients, kFileMenu, "&Import Coefficients...", "",
        [](CFirDoc& document) { document.ImportCoefficients(); }, kAlways));
    table.push_back(MenuCommand(
        kCmdExportCoefficients, kFileMenu, "&Export Coefficients...", "",
        [](CFirDoc& document) { document.ExportCoefficients(); }, kHasPoints));
    table.push_back(MenuCommand(
        kCmdSaveProject, kFileMenu, "&Save Project\tCtrl+S", "",
        [](CFirDoc& document) { document.Host().SaveDocument(document); }, kAlways));
    table.push_back(MenuCommand(
        kCmdSaveProjectAs, kFileMenu, "Save Project &As...", "",
        [](CFirDoc& document) { document.Host().SaveDocumentAs(document); }, kAlways));
    table.push_back(MenuCommand(
        kCmdCloseProject, kFileMenu, "&Close Project", "",
        [](CFirDoc& document) { document.Host().CloseDocument(document); }, kAlways));
}

void AddViewCommands(std::vector<DocCommand>& table) {
    table.push_back(MenuCommand(
        kCmdViewSpecifications, kViewMenu, "&Specifications",
        "View FIR filter specification editor\nView Editor",
        [](CFirDoc& document) { document.ShowSpecifications(); }, kAlways));

    constexpr std::array<const char*, kResponseMenuRows.size()> kRowTexts = {
        "Magnitude", "Phase", "Unwrapped Phase", "Group Delay", "Phase Delay"};
    constexpr std::array<ChannelSelection, 4> kSelections = {
        ChannelSelection::Inphase, ChannelSelection::Quadrature,
        ChannelSelection::InphaseAndQuadrature, ChannelSelection::ComplexFilter};
    constexpr std::array<const char*, kSelections.size()> kSelectionTexts = {
        "Inphase Filter", "Quadrature Filter", "I &And Q Filters", "&Complex Filter"};
    for (std::size_t row = 0; row < kResponseMenuRows.size(); ++row) {
        for (std::size_t column = 0; column < kSelections.size(); ++column) {
            const ResponseDisplay display = kResponseMenuRows[row];
            const ChannelSelection selection = kSelections[column];
            table.push_back(MenuCommand(
                ResponseCommand(display, selection),
                kViewMenu + "/&Frequency Response/" + kRowTexts[row], kSelectionTexts[column], "",
                [display, selection](CFirDoc& document) {
                    document.ViewFrequencyResponse(display, selection);
                },
                selection == ChannelSelection::Inphase ? kHasPoints : kHasComplexPoints));
        }
    }

    struct ImpulseEntry {
        ImpulseDisplay display;
        const char* text;
    };
    constexpr std::array<ImpulseEntry, 5> kImpulseEntries = {
        {{ImpulseDisplay::Inphase, "&Inphase"},
         {ImpulseDisplay::Quadrature, "&Quadrature"},
         {ImpulseDisplay::Complex, "I &And Q"},
         {ImpulseDisplay::ComplexMagnitude, "Complex &Magnitude"},
         {ImpulseDisplay::ComplexPhase, "Complex &Phase"}}};
    for (const ImpulseEntry& entry : kImpulseEntries) {
        const ImpulseDisplay display = entry.display;
        table.push_back(MenuCommand(
            ImpulseCommand(display), kViewMenu + "/&Impulse Response", entry.text, "",
            [display](CFirDoc& document) { document.ViewImpulseResponse(display); },
            display == ImpulseDisplay::Inphase ? kHasPoints : kHasComplexPoints));
    }

    struct CoefficientEntry {
        ChannelSelection channels;
        const char* text;
    };
    constexpr std::array<CoefficientEntry, 3> kCoefficientEntries = {
        {{ChannelSelection::Inphase, "&Inphase"},
         {ChannelSelection::Quadrature, "&Quadrature"},
         {ChannelSelection::InphaseAndQuadrature, "&Complex"}}};
    for (const CoefficientEntry& entry : kCoefficientEntries) {
        const ChannelSelection channels = entry.channels;
        table.push_back(MenuCommand(
            CoefficientsCommand(channels), kViewMenu + "/&Coefficient Data", entry.text, "",
            [channels](CFirDoc& document) { document.ViewCoefficients(channels); },
            channels == ChannelSelection::Inphase ? kHasPoints : kHasComplexPoints));
    }
}

void AddDefaultCommands(std::vector<DocCommand>& table) {
    table.push_back(DefaultCommand(kCmdDefaultWindow, "Window filter coefficients\nWindow",
                                   Recorded("Window", [](CFirDoc& document) {
                                       document.Coefficients().Window(DefaultChannelsOf(document));
                                   })));
    table.push_back(DefaultCommand(kCmdDefaultScale, "Scale filter coefficients\nScale",
                                   Recorded("Scale", [](CFirDoc& document) {
                                       document.Coefficients().Scale(DefaultChannelsOf(document));
                                   })));
    table.push_back(DefaultCommand(kCmdDefaultQuantize, "Quantize filter coefficients\nQuantize",
                                   Recorded("Quantize", [](CFirDoc& document) {
                                       document.Coefficients().Quantize(
                                           DefaultChannelsOf(document));
                                   })));
    table.push_back(DefaultCommand(kCmdDefaultResponse, "View filter magnitude\nView Magnitude",
                                   [](CFirDoc& document) { document.ViewDefaultResponse(); }));
    table.push_back(DefaultCommand(kCmdDefaultImpulse,
                                   "View filter impulse response magnitude\nView Impulse",
                                   [](CFirDoc& document) { document.ViewDefaultImpulse(); }));
    table.push_back(DefaultCommand(kCmdDefaultCoefficients,
                                   "View and Edit filter coefficients\nView Coefficients",
                                   [](CFirDoc& document) { document.ViewDefaultCoefficients(); }));
}

void AddEditCommands(std::vector<DocCommand>& table) {
    table.push_back(MenuCommand(
        kCmdUndo, kEditMenu, kUndoMenuText, "Undo the last change to the filter\nUndo",
        [](CFirDoc& document) { document.Undo(); },
        [](const CFirDoc& document) { return document.History().CanUndo(); }));
    table.push_back(MenuCommand(
        kCmdRedo, kEditMenu, kRedoMenuText, "Redo the last undone change\nRedo",
        [](CFirDoc& document) { document.Redo(); },
        [](const CFirDoc& document) { return document.History().CanRedo(); }));
}

std::vector<DocCommand> BuildTable() {
    std::vector<DocCommand> table;
    AddEditCommands(table);
    AddFilterCommands(table);
    AddFileCommands(table);
    AddViewCommands(table);
    AddDefaultCommands(table);
    return table;
}

// "&Undo Quantize\tCtrl+Z" from "&Undo\tCtrl+Z" and the step's name.
std::string NamedStepText(const std::string& text, const std::string& stepName) {
    if (stepName.empty()) {
        return text;
    }
    const std::size_t tab = text.find('\t');
    return text.substr(0, tab) + " " + stepName + text.substr(tab);
}

}  // namespace

std::string UndoMenuText(const CFirDoc& document) {
    return NamedStepText(kUndoMenuText, document.History().UndoName());
}

std::string RedoMenuText(const CFirDoc& document) {
    return NamedStepText(kRedoMenuText, document.History().RedoName());
}

const CommandTable<CFirDoc>& FirDocCommands() {
    static const CommandTable<CFirDoc> table(BuildTable());
    return table;
}

}  // namespace tapwright
