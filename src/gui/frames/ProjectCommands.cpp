#include "gui/frames/ProjectCommands.h"

#include <optional>

#include "app/FirApp.h"
#include "document/DocCommands.h"
#include "document/FirDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/QtFrameFactory.h"
#include "gui/platform/CoreText.h"

namespace tapwright::gui {

namespace {

std::optional<EditAction> EditActionOf(FrameCommand command) {
    switch (command) {
        case FrameCommand::Cut:
            return EditAction::Cut;
        case FrameCommand::Copy:
            return EditAction::Copy;
        case FrameCommand::Paste:
            return EditAction::Paste;
        default:
            return std::nullopt;
    }
}

}  // namespace

ProjectCommands::ProjectCommands(CFirApp& app, QtFrameFactory& frames, MainFrame& mainFrame)
    : app_(app), frames_(frames), mainFrame_(mainFrame) {}

ProjectFrame* ProjectCommands::Current() const {
    return frames_.CurrentFrame();
}

CommandId ProjectCommands::CoreCommandOf(FrameCommand command) {
    switch (command) {
        case FrameCommand::SaveProject:
            return kCmdSaveProject;
        case FrameCommand::SamplingFrequency:
            return kCmdSamplingFrequency;
        case FrameCommand::FillSine:
            return kCmdSineComplex;
        case FrameCommand::Window:
            return kCmdDefaultWindow;
        case FrameCommand::Scale:
            return kCmdDefaultScale;
        case FrameCommand::Quantize:
            return kCmdDefaultQuantize;
        case FrameCommand::Mix:
            return kCmdMix;
        case FrameCommand::ViewEditor:
            return kCmdViewSpecifications;
        case FrameCommand::ViewMagnitude:
            return kCmdDefaultResponse;
        case FrameCommand::ViewImpulse:
            return kCmdDefaultImpulse;
        case FrameCommand::ViewCoefficients:
            return kCmdDefaultCoefficients;
        default:
            return 0;
    }
}

// ---- The tool bar and the keys --------------------------------------------------------------

bool ProjectCommands::IsEnabled(FrameCommand command) const {
    if (command == FrameCommand::NewProject || command == FrameCommand::OpenProject) {
        return true;
    }
    const ProjectFrame* frame = Current();
    if (frame == nullptr) {
        return false;
    }
    if (const auto edit = EditActionOf(command)) {
        return frame->Content().CanEdit(*edit);
    }
    if (command == FrameCommand::Print) {
        return frame->Content().CanPrint();
    }
    const CommandId id = CoreCommandOf(command);
    return id != 0 && FirDocCommands().IsEnabled(*frame->Document(), id);
}

void ProjectCommands::Execute(FrameCommand command) {
    if (!IsEnabled(command)) {
        return;
    }
    if (command == FrameCommand::NewProject) {
        NewProject();
    } else if (command == FrameCommand::OpenProject) {
        OpenProject();
    } else if (const auto edit = EditActionOf(command)) {
        Current()->Content().Edit(*edit);
    } else if (command == FrameCommand::Print) {
        Current()->Content().Print(mainFrame_.Printer());
    } else {
        FirDocCommands().Execute(*Current()->Document(), CoreCommandOf(command));
    }
    Refresh();
}

bool ProjectCommands::OpenProjectFile(const QString& path) {
    return OpenProject(path) != nullptr;
}

bool ProjectCommands::CloseAllProjects() {
    return app_.CloseAllDocuments();
}

// ---- Core commands of the current window ----------------------------------------------------

bool ProjectCommands::IsCommandEnabled(CommandId id) const {
    const ProjectFrame* frame = Current();
    return frame != nullptr && FirDocCommands().IsEnabled(*frame->Document(), id);
}

bool ProjectCommands::IsCommandChecked(CommandId id) const {
    const ProjectFrame* frame = Current();
    return frame != nullptr && FirDocCommands().IsChecked(*frame->Document(), id);
}

void ProjectCommands::RunCommand(CommandId id) {
    if (const ProjectFrame* frame = Current()) {
        // The command may close the project and its windows; nothing touches them after it.
        FirDocCommands().Execute(*frame->Document(), id);
    }
    Refresh();
}

const CFirDoc* ProjectCommands::CurrentDocument() const {
    const ProjectFrame* frame = Current();
    return frame != nullptr ? frame->Document() : nullptr;
}

bool ProjectCommands::CanPrintPreview() const {
    const ProjectFrame* frame = Current();
    return frame != nullptr && frame->Content().CanPrint();
}

void ProjectCommands::PrintPreview() {
    if (CanPrintPreview()) {
        Current()->Content().PrintPreview(mainFrame_.Printer());
    }
}

// ---- Projects -----------------------------------------------------------------------------

CFirDoc* ProjectCommands::NewProject() {
    CFirDoc* document = app_.OnNewProject();
    Refresh();
    return document;
}

CFirDoc* ProjectCommands::OpenProject() {
    CFirDoc* document = app_.OnOpenProject();
    if (document != nullptr) {
        RememberFile(*document);
    }
    Refresh();
    return document;
}

CFirDoc* ProjectCommands::OpenProject(const QString& path) {
    CFirDoc* document = app_.OpenDocument(ToCoreString(path));
    if (document != nullptr) {
        RememberFile(*document);
    }
    Refresh();
    return document;
}

void ProjectCommands::RememberFile(const CFirDoc& document) {
    if (!document.GetPathName().empty()) {
        mainFrame_.AddRecentFile(ToQString(document.GetPathName()));
    }
}

void ProjectCommands::Refresh() {
    mainFrame_.RefreshCommandStates();
}

}  // namespace tapwright::gui
