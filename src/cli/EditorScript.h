#pragma once

namespace tapwright {
class CFirDoc;
class COneBand;
class CRspSpec;
}  // namespace tapwright

namespace tapwright::cli {

class CliSession;
class SpecArguments;

// Gives the project the sampling frequency of the command line, then puts the specification
// into the editor's fields. The simple editor only holds the fields until a design turns
// them into bands; the band editor takes each band into its table as it comes, with the
// units of its columns set first. False when the editor refused something (it has said
// why).
bool FillSimpleEditor(CFirDoc& document, COneBand& editor, const SpecArguments& spec);
bool FillBandEditor(CliSession& session, CFirDoc& document, CRspSpec& editor,
                    const SpecArguments& spec);

}  // namespace tapwright::cli
