#include "cli/CliSession.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "document/FirDoc.h"
#include "fileio/FileAccess.h"
#include "platform/FileSystem.h"

namespace tapwright::cli {

CliSession::CliSession(std::ostream& err, bool assumeYes, bool verbose)
    : ui_(err, assumeYes, verbose), installed_(ui_), app_(frames_) {
    // Nothing is shown after a design or an import: a terminal has no plot windows.
    PreferenceValues& preferences = app_.Preferences();
    preferences.m_bDesignViewCoeffs = false;
    preferences.m_bDesignViewFreq = false;
    preferences.m_bDesignViewImp = false;
    preferences.m_bReadViewCoeffs = false;
    preferences.m_bReadViewFreq = false;
    preferences.m_bReadViewImp = false;
    // A project of a newer version is read all the same; the command carries on.
    ui_.ShowAsWarning(NewerVersionMessage());
}

CFirDoc* CliSession::NewProject(TemplateId id) {
    CFirDoc* document = app_.NewDocument(id);
    if (document == nullptr) {
        Error("The project's specification editor could not be made.");
    }
    return document;
}

CFirDoc* CliSession::OpenProject(const std::string& path, ExitCode& failure) {
    // The application tells the user why a file cannot be opened; whether that was the file
    // itself or its contents decides the exit status.
    const bool readable = CanOpenForReading(path);
    CFirDoc* document = app_.OpenDocument(path);
    if (document == nullptr) {
        failure = readable ? ExitCode::BadInput : ExitCode::FileError;
    }
    return document;
}

ExitCode CliSession::SaveProject(CFirDoc& document, const std::string& path) {
    // The editors here have no form whose typed edits would have to be written back before
    // the save: every flow has already rebuilt the specification from their fields. The
    // write-back is left out, since a simple editor would only refuse its empty form over a
    // filter without bands (imported coefficients).
    if (const auto failure = WriteFileReplacing(path, document.WriteProject())) {
        Error(CannotSaveMessage(path, *failure));
        return ExitCode::FileError;
    }
    document.SetModifiedFlag(false);
    document.SetPathName(path);
    return ExitCode::Success;
}

void CliSession::Error(const std::string& text) {
    Show(text, MessageIcon::Stop);
}

void CliSession::Show(const std::string& text, MessageIcon icon) {
    ui_.ShowMessage(text, MessageButtons::Ok, icon, {});
}

bool CliSession::Ask(const std::string& question) {
    return ui_.ShowMessage(question, MessageButtons::YesNo, MessageIcon::Question, {}) ==
           MessageResult::Yes;
}

ExitCode VerdictOf(const CFirData& filter) {
    if (filter.GetNumBands() == 0 || filter.MeetsSpec()) {
        return ExitCode::Success;
    }
    return ExitCode::SpecificationNotMet;
}

bool HasProjectExtension(const CFirApp& app, const std::string& path, TemplateId id) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == app.GetTemplate(id).GetDocString(DocStringField::FilterExtension);
}

}  // namespace tapwright::cli
