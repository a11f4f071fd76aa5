#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/NewProjectDlg.h"
#include "data/Preferences.h"
#include "document/DocTemplate.h"
#include "document/DocumentHost.h"
#include "platform/CommandTable.h"
#include "platform/FileSystem.h"

namespace tapwright {

class CFirDoc;
class CView;
class FrameFactory;

// The commands that exist before any project is open.
inline constexpr CommandId kCmdNewProject = 900;
inline constexpr CommandId kCmdOpenProject = 901;

// The application's model: the preferences, the five document templates and the open
// projects, with New, Open, Save and Close and the question before a modified project is
// closed. The desktop program holds one for its whole run and shows its projects' views in
// the frames its FrameFactory makes.
class CFirApp final : public DocumentHost {
public:
    static constexpr const char* kAdvancedDocString =
        "\nTapwright\nTapwright Project\nTapwright Advanced Filter Files (*.twa)\n.twa\n"
        "Tapwright.Project\nTapwright Project";
    static constexpr const char* kSimpleDocString =
        "\nTapwright\nTapwright\nTapwright Simple Filter Files (*.tws)\n.tws\n"
        "Tapwright.Project\nTapwright Project";
    // The Open dialog's first filter, which shows both kinds of project.
    static constexpr const char* kProjectFilesFilter = "Tapwright Project Files (*.tws;*.twa)";

    // Saves go through writer; tests give one that fails.
    explicit CFirApp(FrameFactory& frames, FileWriter& writer = StandardFileWriter());
    ~CFirApp();
    CFirApp(const CFirApp&) = delete;
    CFirApp& operator=(const CFirApp&) = delete;

    CPreferences& Preferences() override { return preferences_; }
    const CPreferences& Preferences() const { return preferences_; }
    FrameFactory& Frames() override { return frames_; }

    // ---- Templates ----------------------------------------------------------------------

    // The five templates, the two of New and Open first.
    const std::vector<CDocTemplate>& Templates() const { return templates_; }
    // One of the five ids.
    const CDocTemplate& GetTemplate(TemplateId id) const;
    // The template a project file opens with: ".twa" the advanced one, anything else the
    // simple one.
    const CDocTemplate& TemplateForPath(const std::string& path) const;

    // ---- Projects -----------------------------------------------------------------------

    const std::vector<std::unique_ptr<CFirDoc>>& Documents() const { return documents_; }
    // The project a view belongs to; null for a view of none.
    CFirDoc* FindDocument(const CView& view) const;

    // New Project: the dialog with the choice made last (at first "Simple Lowpass"); on OK
    // the choice is remembered, a simple choice becomes the recorded simple filter kind, and
    // a simple or advanced project opens. Null on Cancel.
    CFirDoc* OnNewProject();
    NewProjectChoice GetLastNewProjectChoice() const { return lastChoice_; }

    // A new, untitled project from template 231 or 230 with its specification editor. Null
    // when no window could be made.
    CFirDoc* NewDocument(TemplateId id);

    // Open Project: the file dialog, then OpenDocument.
    CFirDoc* OnOpenProject();

    // Opens the project file with the template of its extension, or brings a project already
    // open from that file to the top. A file that cannot be read opens nothing, after one
    // stop message. A project of a newer version opens untitled, after the warning, so that
    // it is never saved over in an older layout. Every other project that is still empty is
    // then closed.
    CFirDoc* OpenDocument(const std::string& path);

    // Save: to the project's file, or through Save As when it has none. False when nothing
    // was saved.
    bool SaveDocument(CFirDoc& document) override;
    // Save As: asks for a file name; on success the project takes the new path and title.
    bool SaveDocumentAs(CFirDoc& document) override;

    // Before a modified project closes: "Save changes to <title>?" with Yes, No and Cancel.
    // True when the project may close (saved, or not to be saved).
    bool SaveModified(CFirDoc& document);

    // Close Project: after the question, every window of the project closes and the project
    // ends. False when the user kept it open.
    bool CloseDocument(CFirDoc& document) override;

    // The user closes a window: the project's last window closes only after the question,
    // and the project ends with it. False when the window stays.
    bool CloseFrame(CView& view) override;

    // Before the program ends: the question for every modified project, then all close.
    // False, with every project still open, when the user cancelled.
    bool CloseAllDocuments();

private:
    // Closes every window of the project and ends it, without a question.
    void DiscardDocument(CFirDoc& document);
    void CloseOtherEmptyDocuments(const CFirDoc& kept);
    CFirDoc* FindDocumentByPath(const std::string& path) const;
    // Keeps the document and opens its first window; null (and nothing kept) when no window
    // could be made.
    CFirDoc* AddDocument(std::unique_ptr<CFirDoc> document);
    // Names the next untitled project; both kinds share one count, so that no two projects
    // open at once have the same name.
    std::string NextUntitledTitle(TemplateId id);

    FrameFactory& frames_;
    FileWriter& writer_;
    CPreferences preferences_;
    const std::vector<CDocTemplate> templates_;
    std::vector<std::unique_ptr<CFirDoc>> documents_;
    NewProjectChoice lastChoice_ = NewProjectChoice::SimpleLowpass;
    // Numbers the untitled projects of both templates.
    int untitledCount_ = 0;
};

// The message of a project file that could not be read.
std::string ProjectUnreadableMessage(const std::string& path, const std::string& reason);

// The commands of the application.
const CommandTable<CFirApp>& FirAppCommands();

}  // namespace tapwright
