// The project file reader: a project that is read writes again and reads back to the same
// bytes, every shorter piece of those bytes is refused, nothing else is shown than the
// warning about a newer version, and only after the project was read.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/FirApp.h"
#include "document/FirDoc.h"
#include "platform/Archive.h"
#include "platform/FrameFactory.h"
#include "support/FuzzSupport.h"

namespace tapwright::fuzz {

namespace {

// Cuts tried in a written project, spread over its bytes (every byte of a new project is
// tried by the unit tests; here the fuzzed contents move the field boundaries around).
constexpr std::size_t kSpreadCuts = 32;

// A desktop without windows: the projects are only read and written.
class NoFrames : public FrameFactory {
public:
    CView* CreateFrame(CSerDoc&, ViewKind) override { return nullptr; }
    void ActivateFrame(CView&) override {}
    void DestroyFrame(CView&) override {}
};

CFirApp& App() {
    static NoFrames frames;
    static CFirApp app(frames);
    return app;
}

// The project read into a new document, as opening a file does; null when the bytes hold no
// complete project.
std::unique_ptr<CFirDoc> Read(Input bytes) {
    auto document = std::make_unique<CFirDoc>(App(), App().GetTemplate(kTemplateAdvanced));
    try {
        document->ReadProject(bytes);
    } catch (const ArchiveError&) {
        return nullptr;
    }
    return document;
}

std::uint32_t VersionOf(Input bytes) {
    return bytes.size() < 2 ? 0 : static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8);
}

// The newer-version warning comes only after the whole project has been read: a file that
// is refused shows nothing here (the application then says it is damaged).
void CheckMessages(const RecordingUserInterface& ui, std::uint32_t version, bool read) {
    if (!read || version <= CSerDoc::kProjectVersion) {
        Require(ui.Messages().empty(),
                "a refused project, or one of a known version, is read without a message");
        return;
    }
    Require(ui.Messages().size() == 1 && ui.Messages().front().text == NewerVersionMessage() &&
                ui.Messages().front().icon == MessageIcon::Stop,
            "a newer project shows the newer-version warning once");
}

void CheckFilter(const CFirData& filter, std::size_t inputSize) {
    Require(filter.GetNumColumns() == 2, "a filter read has its two channels");
    for (std::int32_t c = 0; c < filter.GetNumColumns(); ++c) {
        const auto points = static_cast<std::size_t>(filter.GetColumn(c).GetNumPoints());
        Require(points <= inputSize / sizeof(double), "a channel holds no more samples than stored");
    }
    Require(filter.GetNumBands() <= filter.GetBandCapacity() &&
                filter.GetBandCapacity() <= CFirData::kMaxStoredBandCapacity,
            "the bands read fit the band capacity read");
}

// Every strict prefix of a project's fields lacks something and must be refused; a cut in
// the trailing windows record costs only the windows.
void CheckCutsAreRefused(const std::vector<std::uint8_t>& written, const CFirDoc& document) {
    ArchiveWriter windows;
    WriteWindowRecord(windows, document.WindowPlacements());
    const std::size_t fieldsEnd = written.size() - windows.TakeBytes().size();
    const std::size_t step = std::max<std::size_t>(1, fieldsEnd / kSpreadCuts);
    for (std::size_t cut = 0; cut < fieldsEnd; cut += step) {
        Require(Read(Input(written).first(cut)) == nullptr, "a project cut short is refused");
    }
    Require(Read(Input(written).first(fieldsEnd - 1)) == nullptr,
            "a project without the last byte of its fields is refused");
    Require(Read(Input(written).first(written.size() - 1)) != nullptr,
            "a project cut in its windows record is read without the windows");
}

// What a user does next with an opened project must work on whatever it holds: export the
// coefficients in the filter's own format with its stored options, copy the visible range.
void CheckOpenedProjectIsUsable(CFirDoc& document) {
    CFirData& filter = document.Filter();
    CDataFormat format = filter.GetFormat();
    static_cast<void>(filter.WriteBytes(format, 0, filter.IsReal() ? -1 : 1));
    document.CopyFilterToClipboard();
}

void CheckProjectReader(Input input) {
    RecordingUserInterface ui;
    std::unique_ptr<CFirDoc> document;
    {
        const AllocationWatch watch;
        document = Read(input);
        RequireModestAllocations(watch, input.size());
    }
    const std::uint32_t version = VersionOf(input);
    CheckMessages(ui, version, document != nullptr);
    if (!document) {
        return;
    }
    Require(version <= CSerDoc::kHighestPossibleProjectVersion,
            "a version that cannot exist is refused");
    document->Filter().RequireSoundSpecification();
    Require(document->GetVersion() == version, "the document keeps the version read");
    Require(document->IsModified() == (version < CSerDoc::kCompleteFieldsVersion),
            "only an older project opens modified");
    CheckFilter(document->Filter(), input.size());

    ui.Clear();
    const std::vector<std::uint8_t> written = document->WriteProject();
    const std::unique_ptr<CFirDoc> reread = Read(written);
    Require(reread != nullptr && ui.Messages().empty(), "a project written is read again");
    Require(!reread->IsModified(), "a project written by this version opens unmodified");
    Require(reread->WriteProject() == written, "a project read back writes the same bytes");
    CheckCutsAreRefused(written, *reread);

    ui.Clear();
    CheckOpenedProjectIsUsable(*document);
}

}  // namespace

}  // namespace tapwright::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tapwright::fuzz::CheckProjectReader({data, size});
    return 0;
}
