// The project file of CFirDoc: the filter record, the Filter dialogs' settings, the
// data-files record and the document's own fields, in the order they have always had.

#include "document/FirDoc.h"

#include "platform/Archive.h"

namespace tapwright {

namespace {

// A filter always has an Inphase and a Quadrature column.
constexpr std::int64_t kFilterColumns = 2;
// Version 3 wrote a float after the quantize bits that no later version has.
constexpr std::size_t kVersion3TrailingBytes = 4;

// Refuses a filter record that does not hold exactly two columns, before any column is read
// or allocated. The name and the column count are read on a copy of the reader.
void RequireTwoColumns(const ArchiveReader& archive) {
    ArchiveReader ahead = archive;
    ahead.ReadText();
    ArchiveReader::RequireInRange(ahead.ReadU32(), kFilterColumns, kFilterColumns, "column count");
}

}  // namespace

void CFirDoc::WriteFilter(ArchiveWriter& archive) const {
    filter_.CDataSetIO::Serialize(archive, kProjectVersion);
    filter_.SerializeLumenFields(archive);
    filter_.SerializeSpecification(archive);
}

void CFirDoc::ReadFilter(ArchiveReader& archive, int version) {
    RequireTwoColumns(archive);
    filter_.CDataSetIO::Serialize(archive, version);
    filter_.SerializeLumenFields(archive);
    filter_.SerializeSpecification(archive);
    filter_.RequireSoundSpecification();
}

void CFirDoc::WriteContents(ArchiveWriter& archive) const {
    WriteState(archive);
    // After everything older readers expect, so that they read the rest as before.
    WriteWindowRecord(archive, WindowPlacements());
}

void CFirDoc::WriteState(ArchiveWriter& archive) const {
    WriteFilter(archive);
    dialogs_.sine.Serialize(archive);
    dialogs_.mix.Serialize(archive);
    dialogs_.scale.Serialize(archive);
    dialogs_.fill.Serialize(archive);
    dataFiles_.Serialize(archive);
    dialogs_.window.Serialize(archive);
    archive.WriteI32(storedFlag_);
    archive.WriteF64(storedValue_);
    dialogs_.quantize.Serialize(archive);
}

void CFirDoc::ReadContents(ArchiveReader& archive, int version) {
    ReadFilter(archive, version);
    dialogs_.sine.Serialize(archive);
    dialogs_.mix.Serialize(archive);
    dialogs_.scale.Serialize(archive);
    dialogs_.fill.Serialize(archive);
    if (version >= 4) {
        dataFiles_.Serialize(archive, version);
    }
    dialogs_.window.Serialize(archive);
    storedFlag_ = archive.ReadI32();
    storedValue_ = archive.ReadF64();
    dialogs_.quantize.Serialize(archive);
    if (version == 3) {
        archive.Skip(kVersion3TrailingBytes);
    }
    if (version >= kWindowsVersion) {
        // Older readers ignore this record; a damaged one costs the windows, not the
        // project.
        try {
            windowsToRestore_ = ReadWindowRecord(archive, version);
        } catch (const ArchiveError&) {
            windowsToRestore_.clear();
        }
    }
}

}  // namespace tapwright
