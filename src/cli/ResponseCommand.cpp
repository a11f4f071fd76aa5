#include "cli/ResponseCommand.h"

#include <iostream>
#include <map>

#include "cli/CliSession.h"
#include "cli/NumberChecks.h"
#include "document/FirDoc.h"

namespace tapwright::cli {

namespace {

const std::map<std::string, ResponseKind> kKinds = {
    {"magnitude", ResponseKind::Magnitude},
    {"phase", ResponseKind::Phase},
    {"unwrapped-phase", ResponseKind::UnwrappedPhase},
    {"phase-delay", ResponseKind::PhaseDelay},
    {"group-delay", ResponseKind::GroupDelay},
};

const std::map<std::string, ChannelSelection> kSelections = {
    {"inphase", ChannelSelection::Inphase},
    {"quadrature", ChannelSelection::Quadrature},
    {"both", ChannelSelection::InphaseAndQuadrature},
    {"complex", ChannelSelection::ComplexFilter},
};

}  // namespace

ResponseCommand::ResponseCommand(CLI::App& parent)
    : Command(parent, "response", "Tabulate the frequency response of a project's coefficients") {
    CLI::App& options = Options();
    options.add_option("PROJECT", project_, "Project file (.tws or .twa)")
        ->required()
        ->type_name("FILE");
    options
        .add_option("--kind", kind_,
                    "magnitude (dB), phase, unwrapped-phase (degrees), phase-delay or "
                    "group-delay (in the reciprocal unit of Fs); default magnitude")
        ->transform(CLI::CheckedTransformer(kKinds).description(""))
        ->type_name("KIND");
    options
        .add_option("--select", selection_,
                    "inphase, quadrature, both (two columns) or complex; default inphase")
        ->transform(CLI::CheckedTransformer(kSelections).description(""))
        ->type_name("COEFFICIENTS");
    options
        .add_option("--from", from_,
                    "First frequency, in the unit of Fs (default 0, or -Fs/2 for complex)")
        ->check(FiniteNumberCheck());
    options.add_option("--to", to_, "Last frequency, in the unit of Fs (default Fs/2)")
        ->check(FiniteNumberCheck());
    options.add_option("--points", points_, "Number of frequencies")
        ->check(CLI::Range(1, kMaxPoints))
        ->capture_default_str();
}

bool ResponseCommand::CheckSelection(CliSession& session, const CFirData& filter) const {
    if (filter.GetNumPoints() == 0) {
        session.Error("The filter has no coefficients.");
        return false;
    }
    if (selection_ != ChannelSelection::Inphase && filter.IsReal()) {
        session.Error(
            "The coefficients are real: --select quadrature, both and complex need a "
            "complex filter.");
        return false;
    }
    return true;
}

ExitCode ResponseCommand::Run(CliSession& session) {
    ExitCode failure = ExitCode::Success;
    CFirDoc* document = session.OpenProject(project_, failure);
    if (document == nullptr) {
        return failure;
    }
    const CFirData& filter = document->Filter();
    if (!CheckSelection(session, filter)) {
        return ExitCode::BadInput;
    }
    const double halfFs = filter.GetSampleRate() / 2.0;
    const double from =
        from_.value_or(selection_ == ChannelSelection::ComplexFilter ? -halfFs : 0.0);
    const double to = to_.value_or(halfFs);
    if (points_ > 1 && !(from < to)) {
        session.Error("The first frequency must be below the last.");
        return ExitCode::BadInput;
    }
    WriteResponse(std::cout,
                  EvaluateResponse(filter, kind_, selection_, EvenlySpaced(from, to, points_)));
    return VerdictOf(filter);
}

}  // namespace tapwright::cli
