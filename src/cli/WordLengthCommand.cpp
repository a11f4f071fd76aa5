#include "cli/WordLengthCommand.h"

#include <cstdio>
#include <iostream>

#include "cli/CliSession.h"
#include "cli/JsonText.h"
#include "document/FirDoc.h"

namespace tapwright::cli {

namespace {

Json OptionalBits(const std::optional<std::int32_t>& bits) {
    return bits ? Json(*bits) : Json();
}

Json ToJson(const std::vector<WordLengthRow>& rows) {
    Json list = Json::array();
    for (const WordLengthRow& row : rows) {
        list.push_back({{"taps", row.taps},
                        {"bits_rounding", OptionalBits(row.bitsRounding)},
                        {"bits", OptionalBits(row.bits)},
                        {"integers", row.integers},
                        {"coefficients", row.coefficients},
                        {"design_margin_db", row.designMarginDb}});
    }
    return {{"rows", std::move(list)}};
}

std::string BitsText(const std::optional<std::int32_t>& bits) {
    return bits ? std::to_string(*bits) : "-";
}

void WriteTable(std::ostream& out, const std::vector<WordLengthRow>& rows) {
    char line[128];
    std::snprintf(line, sizeof line, "%6s %16s %6s %6s %18s\n", "Taps", "Bits (rounding)",
                  "Bits", "Saved", "Design margin dB");
    out << line;
    for (const WordLengthRow& row : rows) {
        const std::string saved = row.bits && row.bitsRounding
                                      ? std::to_string(*row.bitsRounding - *row.bits)
                                      : "-";
        char margin[32] = "-";
        if (row.bits) {
            std::snprintf(margin, sizeof margin, "%.3f", row.designMarginDb);
        }
        std::snprintf(line, sizeof line, "%6d %16s %6s %6s %18s\n", row.taps,
                      BitsText(row.bitsRounding).c_str(), BitsText(row.bits).c_str(),
                      saved.c_str(), margin);
        out << line;
    }
}

TemplateId TemplateOf(const CFirDoc& document) {
    return document.IsAdvanced() ? kTemplateAdvanced : kTemplateSimple;
}

}  // namespace

WordLengthCommand::WordLengthCommand(CLI::App& parent)
    : Command(parent, "wordlength",
              "Find the fewest coefficient bits that meet a project's specification at its "
              "length and the next ones (exit 0 when some length has one, 1 otherwise)") {
    CLI::App& options = Options();
    options.add_option("PROJECT", project_, "Project file (.tws or .twa)")
        ->required()
        ->type_name("FILE");
    options.add_option("--extra-taps", extraTaps_, "How many longer lengths to try as well")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    options.add_option("--max-bits", maxBits_, "The longest word length to try")
        ->check(CLI::Range(kMinWordBits, kMaxWordBits))
        ->capture_default_str();
    options.add_flag("--json", json_, "Print one JSON object instead of a table");
    CLI::Option* output =
        options
            .add_option("--project", output_,
                        "Save a copy of the project holding one row's quantized coefficients")
            ->type_name("FILE");
    options.add_option("--taps", taps_, "The row saved with --project (default the first)")
        ->needs(output);
}

ExitCode WordLengthCommand::Run(CliSession& session) {
    ExitCode failure = ExitCode::Success;
    CFirDoc* document = session.OpenProject(project_, failure);
    if (document == nullptr) {
        return failure;
    }
    CFirData& filter = document->Filter();
    const auto refusal = filter.CheckSpecification();
    if (filter.GetNumBands() == 0 || refusal) {
        // A project without bands has nothing to refuse; one with bands says what is wrong.
        if (filter.GetNumBands() > 0) {
            session.Error(*refusal);
        }
        session.Error("The project has no specification that can be designed.");
        return ExitCode::BadInput;
    }
    if (output_ && !HasProjectExtension(session.App(), *output_, TemplateOf(*document))) {
        session.Error(document->IsAdvanced() ? "An advanced project is saved as \".twa\"."
                                             : "A simple project is saved as \".tws\".");
        return ExitCode::BadInput;
    }
    const auto status = [&session](const std::string& text) { session.Ui().ShowStatus(text); };
    const std::vector<WordLengthRow> rows =
        ComputeWordLengthTable(filter, {extraTaps_, maxBits_}, status);
    if (json_) {
        std::cout << JsonText(ToJson(rows));
    } else {
        WriteTable(std::cout, rows);
    }
    if (!AnyWordLengthFound(rows)) {
        session.Error(NoWordLengthMessage(maxBits_));
        return ExitCode::SpecificationNotMet;
    }
    return output_ ? SaveChosenRow(session, *document, rows) : ExitCode::Success;
}

ExitCode WordLengthCommand::SaveChosenRow(CliSession& session, CFirDoc& document,
                                          const std::vector<WordLengthRow>& rows) {
    const WordLengthRow* chosen = &rows.front();
    if (taps_) {
        chosen = nullptr;
        for (const WordLengthRow& row : rows) {
            chosen = row.taps == *taps_ ? &row : chosen;
        }
        if (chosen == nullptr) {
            session.Error("The table has no row of " + std::to_string(*taps_) + " taps.");
            return ExitCode::BadInput;
        }
    }
    if (!ApplyWordLengthRow(document.Filter(), *chosen)) {
        session.Error("No word length up to " + std::to_string(maxBits_) +
                      " bits meets the specification at " + std::to_string(chosen->taps) +
                      " taps; nothing was saved.");
        return ExitCode::SpecificationNotMet;
    }
    document.Dialogs().quantize.bits = *chosen->bits;
    return session.SaveProject(document, *output_);
}

}  // namespace tapwright::cli
