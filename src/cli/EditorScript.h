#pragma once

namespace tapwright {
class CFirDoc;
class CRspSpec;
}  // namespace tapwright

namespace tapwright::cli {

class CliSession;
class SpecArguments;

// Gives the project the sampling frequency of --fs and --units, when either is given.
void ApplySampleRate(CFirDoc& document, const SpecArguments& spec);

// Puts the band specification into the band editor: the units of its columns, the response
// type, tap count and grid density, and each --band into its table as "Add" takes a typed
// band. False when the editor refused a band (it has said why).
bool FillBandEditor(CliSession& session, CRspSpec& editor, const SpecArguments& spec);

}  // namespace tapwright::cli
