#pragma once

#include <iosfwd>
#include <string>

#include "app/FirApp.h"
#include "cli/CliFrameFactory.h"
#include "cli/CliUserInterface.h"
#include "cli/ExitCode.h"

namespace tapwright {
class CFirData;
class CFirDoc;
}  // namespace tapwright

namespace tapwright::cli {

// The application as one command uses it: the user interface without a window, installed
// for the command's lifetime, the frames that hold the editors, and the application model
// with its default preferences. The windows a design or an import opens by itself in the
// desktop program (plots, coefficient views) have no counterpart here.
class CliSession {
public:
    CliSession(std::ostream& err, bool assumeYes, bool verbose);

    CliUserInterface& Ui() { return ui_; }
    CFirApp& App() { return app_; }
    CliFrameFactory& Frames() { return frames_; }

    // A new project of the template (simple or advanced) with its specification editor.
    CFirDoc* NewProject(TemplateId id);

    // Opens a project file. On failure the user has been told why and failure says whether
    // the file could not be read (FileError) or is no project (BadInput).
    CFirDoc* OpenProject(const std::string& path, ExitCode& failure);

    // Saves the project to path, which becomes its file.
    ExitCode SaveProject(CFirDoc& document, const std::string& path);

    // Shows a message of the tool itself, the way the core's are shown.
    void Error(const std::string& text);
    // Shows a message a model operation returned for the user, with its own icon.
    void Show(const std::string& text, MessageIcon icon);
    // Asks a Yes/No question the desktop program asks at the same point; true on Yes, which
    // --yes gives.
    bool Ask(const std::string& question);

private:
    CliUserInterface ui_;
    ScopedUserInterface installed_;
    CliFrameFactory frames_;
    CFirApp app_;
};

// Success when the filter meets its specification or has none, SpecificationNotMet
// otherwise.
ExitCode VerdictOf(const CFirData& filter);

// Whether a project path has the extension of the template: ".tws" for simple projects,
// ".twa" for advanced ones (letter case aside). Projects reopen by their extension.
bool HasProjectExtension(const CFirApp& app, const std::string& path, TemplateId id);

}  // namespace tapwright::cli
