#pragma once

namespace tapwright {
class COneBand;
class CRspSpec;
}  // namespace tapwright

namespace tapwright::cli {

class CliSession;
class SpecArguments;

// Types the specification into an editor's fields, the way a user fills its form, with
// the sampling frequency set through its "FS" button first. False when the editor refused
// something (it has said why).
bool FillSimpleEditor(CliSession& session, COneBand& editor, const SpecArguments& spec);
bool FillBandEditor(CliSession& session, CRspSpec& editor, const SpecArguments& spec);

}  // namespace tapwright::cli
