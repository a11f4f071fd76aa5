#include "app/FirApp.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <new>
#include <system_error>

#include "document/FirDoc.h"
#include "platform/Archive.h"
#include "platform/FileDlg.h"
#include "platform/FrameFactory.h"
#include "platform/UserInterface.h"

namespace tapwright {

namespace {

std::vector<CDocTemplate> MakeTemplates() {
    std::vector<CDocTemplate> templates;
    templates.emplace_back(kTemplateSimple, ViewKind::SimpleEditor, CFirApp::kSimpleDocString);
    templates.emplace_back(kTemplateAdvanced, ViewKind::AdvancedEditor,
                           CFirApp::kAdvancedDocString);
    templates.emplace_back(kTemplateGraph, ViewKind::Graph, "");
    templates.emplace_back(kTemplateFirPlot, ViewKind::FrequencyResponse, "");
    templates.emplace_back(kTemplateDataView, ViewKind::CoefficientEditor, "");
    return templates;
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The same file, whichever way the two paths spell it.
bool IsSameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    const auto canonicalFirst = std::filesystem::weakly_canonical(first, error);
    if (error) {
        return first == second;
    }
    const auto canonicalSecond = std::filesystem::weakly_canonical(second, error);
    return error ? first == second : canonicalFirst == canonicalSecond;
}

// The file dialogs' entry of a registered template: "Tapwright Simple Filter Files (*.tws)".
FileFilter FilterOf(const CDocTemplate& docTemplate) {
    return {docTemplate.GetDocString(DocStringField::FilterName),
            "*" + docTemplate.GetDocString(DocStringField::FilterExtension)};
}

}  // namespace

std::string ProjectUnreadableMessage(const std::string& path, const std::string& reason) {
    return "Cannot open the project \"" + path +
           "\".\nThe file is damaged or is not a project file:\n" + reason;
}

CFirApp::CFirApp(FrameFactory& frames, FileWriter& writer)
    : frames_(frames), writer_(writer), templates_(MakeTemplates()) {}

CFirApp::~CFirApp() = default;

// ---- Templates ----------------------------------------------------------------------------

const CDocTemplate& CFirApp::GetTemplate(TemplateId id) const {
    const auto found = std::find_if(templates_.begin(), templates_.end(),
                                    [id](const CDocTemplate& t) { return t.GetId() == id; });
    return found != templates_.end() ? *found : templates_.front();
}

const CDocTemplate& CFirApp::TemplateForPath(const std::string& path) const {
    const std::string extension = LowerCase(std::filesystem::path(path).extension().string());
    const CDocTemplate& advanced = GetTemplate(kTemplateAdvanced);
    return extension == advanced.GetDocString(DocStringField::FilterExtension)
               ? advanced
               : GetTemplate(kTemplateSimple);
}

// ---- Projects -----------------------------------------------------------------------------

CFirDoc* CFirApp::FindDocument(const CView& view) const {
    for (const auto& document : documents_) {
        const auto& views = document->GetViews();
        if (std::find(views.begin(), views.end(), &view) != views.end()) {
            return document.get();
        }
    }
    return nullptr;
}

CFirDoc* CFirApp::FindDocumentByPath(const std::string& path) const {
    for (const auto& document : documents_) {
        if (!document->GetPathName().empty() && IsSameFile(document->GetPathName(), path)) {
            return document.get();
        }
    }
    return nullptr;
}

CFirDoc* CFirApp::AddDocument(std::unique_ptr<CFirDoc> document) {
    CFirDoc& added = *document;
    documents_.push_back(std::move(document));
    if (added.CreateView(added.EditorKind()) == nullptr) {
        documents_.pop_back();
        return nullptr;
    }
    return &added;
}

CFirDoc* CFirApp::OnNewProject() {
    CNewProjectDlg dialog(lastChoice_);
    if (!Ui().Run(dialog)) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(dialog.choice);
    if (index >= CNewProjectDlg::kChoiceCaptions.size()) {
        return nullptr;
    }
    lastChoice_ = dialog.choice;
    if (const auto kind = CNewProjectDlg::SimpleKindOf(dialog.choice)) {
        preferences_.SetSimpleFilterKind(*kind);
        return NewDocument(kTemplateSimple);
    }
    return NewDocument(kTemplateAdvanced);
}

CFirDoc* CFirApp::NewDocument(TemplateId id) {
    auto document = std::make_unique<CFirDoc>(*this, GetTemplate(id));
    document->SetTitle(NextUntitledTitle(id));
    CFirDoc* added = AddDocument(std::move(document));
    if (added != nullptr) {
        added->OnNewDocument();
    }
    return added;
}

std::string CFirApp::NextUntitledTitle(TemplateId id) {
    return GetTemplate(id).GetDocString(DocStringField::DocName) +
           std::to_string(++untitledCount_);
}

CFirDoc* CFirApp::OnOpenProject() {
    CFileDlg dialog(FileDlgMode::Open);
    // The first filter shows both project kinds at once, so that neither is hidden.
    FileFilter projects{kProjectFilesFilter, ""};
    for (const CDocTemplate& docTemplate : templates_) {
        if (docTemplate.IsRegistered()) {
            const FileFilter kind = FilterOf(docTemplate);
            projects.pattern += (projects.pattern.empty() ? "" : ";") + kind.pattern;
            dialog.filters.push_back(kind);
        }
    }
    dialog.filters.insert(dialog.filters.begin(), projects);
    dialog.filters.push_back({"All Files (*.*)", "*.*"});
    dialog.fileMustExist = true;
    if (!Ui().Run(dialog) || dialog.chosenPath.empty()) {
        return nullptr;
    }
    return OpenDocument(dialog.chosenPath);
}

CFirDoc* CFirApp::OpenDocument(const std::string& path) {
    if (CFirDoc* open = FindDocumentByPath(path)) {
        if (!open->GetViews().empty()) {
            frames_.ActivateFrame(*open->GetViews().front());
        }
        return open;
    }
    std::string reason;
    const auto bytes = ReadWholeFile(path, reason);
    if (!bytes) {
        Ui().ShowMessage("Cannot open file \"" + path + "\".\n" + reason + ".", MessageButtons::Ok,
                         MessageIcon::Stop);
        return nullptr;
    }
    // The file is read into a document of its own, which is dropped unless every field
    // could be read.
    auto document = std::make_unique<CFirDoc>(*this, TemplateForPath(path));
    try {
        document->ReadProject(*bytes);
    } catch (const ArchiveError& error) {
        Ui().ShowMessage(ProjectUnreadableMessage(path, error.what()), MessageButtons::Ok,
                         MessageIcon::Stop);
        return nullptr;
    } catch (const std::bad_alloc&) {
        Ui().ShowMessage(ProjectUnreadableMessage(path, "There is not enough memory to read it."),
                         MessageButtons::Ok, MessageIcon::Stop);
        return nullptr;
    }
    // A project of a newer version opens untitled: saving it would write an older layout
    // over the file, so Save asks for a name.
    const bool untitled = document->IsFromNewerVersion();
    const TemplateId id = document->GetTemplate().GetId();
    if (untitled) {
        document->SetTitle(NextUntitledTitle(id));
    } else {
        document->SetPathName(path);
    }
    CFirDoc* added = AddDocument(std::move(document));
    if (added != nullptr) {
        CloseOtherEmptyDocuments(*added);
        added->OnDocumentOpened();
    }
    return added;
}

bool CFirApp::SaveDocument(CFirDoc& document) {
    if (document.GetPathName().empty()) {
        return SaveDocumentAs(document);
    }
    return document.SaveTo(document.GetPathName(), writer_);
}

bool CFirApp::SaveDocumentAs(CFirDoc& document) {
    const CDocTemplate& docTemplate = document.GetTemplate();
    const std::string extension = docTemplate.GetDocString(DocStringField::FilterExtension);
    CFileDlg dialog(FileDlgMode::Save);
    dialog.filters.push_back(FilterOf(docTemplate));
    dialog.defaultExtension = extension.substr(1);
    dialog.promptOverwrite = true;
    dialog.fileName = document.GetTitle();
    if (std::filesystem::path(dialog.fileName).extension().empty()) {
        dialog.fileName += extension;
    }
    if (!Ui().Run(dialog) || dialog.chosenPath.empty() ||
        !document.SaveTo(dialog.chosenPath, writer_)) {
        return false;
    }
    document.SetPathName(dialog.chosenPath);
    frames_.OnTitleChanged(document);
    return true;
}

bool CFirApp::SaveModified(CFirDoc& document) {
    if (!document.IsModified()) {
        return true;
    }
    switch (Ui().ShowMessage("Save changes to " + document.GetTitle() + "?",
                             MessageButtons::YesNoCancel, MessageIcon::Exclamation)) {
        case MessageResult::Yes:
            return SaveDocument(document);
        case MessageResult::No:
            return true;
        case MessageResult::Ok:
        case MessageResult::Cancel:
            break;
    }
    return false;
}

void CFirApp::DiscardDocument(CFirDoc& document) {
    const std::vector<CView*> views = document.GetViews();
    for (CView* view : views) {
        document.RemoveView(*view);
        frames_.DestroyFrame(*view);
    }
    std::erase_if(documents_, [&document](const auto& kept) { return kept.get() == &document; });
}

bool CFirApp::CloseDocument(CFirDoc& document) {
    if (!SaveModified(document)) {
        return false;
    }
    DiscardDocument(document);
    return true;
}

bool CFirApp::CloseFrame(CView& view) {
    CFirDoc* document = FindDocument(view);
    if (document == nullptr) {
        return false;
    }
    if (document->GetViews().size() == 1 && !SaveModified(*document)) {
        return false;
    }
    document->RemoveView(view);
    frames_.DestroyFrame(view);
    if (document->GetViews().empty()) {
        DiscardDocument(*document);
    }
    return true;
}

bool CFirApp::CloseAllDocuments() {
    for (const auto& document : documents_) {
        if (!SaveModified(*document)) {
            return false;
        }
    }
    while (!documents_.empty()) {
        DiscardDocument(*documents_.back());
    }
    return true;
}

void CFirApp::CloseOtherEmptyDocuments(const CFirDoc& kept) {
    std::vector<CFirDoc*> empty;
    for (const auto& document : documents_) {
        if (document.get() != &kept && document->IsEmpty()) {
            empty.push_back(document.get());
        }
    }
    for (CFirDoc* document : empty) {
        DiscardDocument(*document);
    }
}

const CommandTable<CFirApp>& FirAppCommands() {
    static const CommandTable<CFirApp> table({
        {kCmdNewProject,
         "&File",
         "&New Project\tCtrl+N",
         "",
         [](CFirApp& app) { app.OnNewProject(); },
         {},
         {}},
        {kCmdOpenProject,
         "&File",
         "&Open Project...\tCtrl+O",
         "",
         [](CFirApp& app) { app.OnOpenProject(); },
         {},
         {}},
    });
    return table;
}

}  // namespace tapwright
