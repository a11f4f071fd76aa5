#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tapwright {

class ArchiveReader;
class ArchiveWriter;
class CDataSet;
class CView;
class FileWriter;

// The document base: the views on a project, its title and path, the modified flag, and the
// project file with its version. A project is written to memory and then to disk through a
// temporary file; it is read from memory into a newly made document, so that a file that
// cannot be read leaves no half-read document behind.
class CSerDoc {
public:
    // The version every save writes, which is also the newest layout the reader knows.
    static constexpr std::uint16_t kProjectVersion = 7;
    // The first version whose files hold every field of the filter and its settings; older
    // files open modified, since saving adds fields. Later versions only add records after
    // those fields.
    static constexpr std::uint16_t kCompleteFieldsVersion = 5;
    // The oldest version that can be read.
    static constexpr std::uint16_t kOldestProjectVersion = 3;
    // Versions have grown by one with each new layout: a number above this one is no version
    // that can exist, and the file is damaged rather than newer.
    static constexpr std::uint16_t kHighestPossibleProjectVersion = 255;
    static constexpr const char* kNewerVersionMessage =
        "This Project file is for a newer version of this program. Please download\n"
        "the latest version of the program from the Quillon Web Site at:\n";

    CSerDoc() = default;
    CSerDoc(const CSerDoc&) = delete;
    CSerDoc& operator=(const CSerDoc&) = delete;
    virtual ~CSerDoc() = default;

    // ---- Views --------------------------------------------------------------------------

    // The views are owned by their frames; the document only knows them, in the order they
    // were added.
    void AddView(CView& view);
    void RemoveView(CView& view);
    const std::vector<CView*>& GetViews() const { return views_; }

    // Tells every view but the sender about a change: hint names it, object is the data set
    // concerned (null: any).
    void UpdateAllViews(CView* sender, std::uint32_t hint = 0, CDataSet* object = nullptr);

    // ---- Title, path and modified flag --------------------------------------------------

    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // The file the project was last read from or saved to; empty for a new project.
    const std::string& GetPathName() const { return pathName_; }
    // Takes the path the project is kept under; its file name becomes the title.
    void SetPathName(std::string pathName);

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // kProjectVersion for a new project, the version read for an opened one.
    std::uint16_t GetVersion() const { return version_; }
    // Whether the project was read from a file of a newer version than this program writes.
    bool IsFromNewerVersion() const { return version_ > kProjectVersion; }

    // ---- Project file -------------------------------------------------------------------

    // The project as the bytes of a file of the current version.
    std::vector<std::uint8_t> WriteProject() const;

    // Reads a project into this newly made document: the version, then the contents. A
    // newer version is read with the current layout and, once that has succeeded, the user is
    // warned; an older one marks the document modified, since saving it will change the
    // file. Raises ArchiveError, without the warning, when the bytes hold no complete project
    // or a version that cannot exist; the document must then be discarded.
    void ReadProject(std::span<const std::uint8_t> bytes);

    // Announces the save to the views, then writes the project to path. On success the
    // document is no longer modified. On failure the user is told why, the file at path is
    // as it was, the document stays modified, and the result is false.
    bool SaveTo(const std::string& path, FileWriter& writer);

    // ---- Undo steps ---------------------------------------------------------------------

    // A command is about to change the project: what it changes until the matching EndStep
    // becomes one step of the project's history, named for the command, and marks the
    // project modified unless marksModified is false. A step begun inside another joins it.
    // Documents without a history ignore both.
    virtual void BeginStep(const std::string& /*name*/, bool /*marksModified*/) {}
    virtual void EndStep() {}

protected:
    // Views that hold edits write them back into the document.
    virtual void OnBeforeSave() {}
    // The project has just been written to its file.
    virtual void OnSaved() {}
    // The document's fields after the version, in the layout of the current version.
    virtual void WriteContents(ArchiveWriter& archive) const = 0;
    // The same fields as a file of the given version holds them.
    virtual void ReadContents(ArchiveReader& archive, int version) = 0;

private:
    std::vector<CView*> views_;
    std::string title_;
    std::string pathName_;
    bool modified_ = false;
    std::uint16_t version_ = kProjectVersion;
};

// The warning shown for a project of a newer version.
std::string NewerVersionMessage();

// Makes everything a command changes while it lives one step of the document's history.
class UndoStep {
public:
    UndoStep(CSerDoc& document, const std::string& name, bool marksModified = true)
        : document_(document) {
        document_.BeginStep(name, marksModified);
    }
    ~UndoStep() { document_.EndStep(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    CSerDoc& document_;
};

// The message of a save that failed.
std::string CannotSaveMessage(const std::string& path, const std::string& reason);

}  // namespace tapwright
