#include "cli/ExportFlow.h"

#include "cli/CliSession.h"
#include "document/FirDoc.h"
#include "fileio/DataFormat.h"
#include "fileio/DataSetIO.h"

namespace tapwright::cli {

namespace {

std::int32_t WaveSizeIndex(int bits) {
    return bits == 16 ? 1 : 0;
}

// A common rate has its own index; any other rate given is the project's own, which the
// export checks against the project.
std::int32_t WaveRateIndex(int rate) {
    return CDataFormat::CommonRateIndex(static_cast<std::uint32_t>(rate))
        .value_or(CDataFormat::kProjectRateIndex);
}

bool IsProjectRate(const CFirDoc& document, int rate) {
    CDataFormat format;
    format.SetProjectRate(document.Filter().GetFrequencyUnits().GetSampleRateHz());
    return format.GetProjectRate() == static_cast<std::uint32_t>(rate);
}

std::vector<double> ValuesOf(const CDataColumn& column) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < column.GetNumPoints(); ++i) {
        values.push_back(column.GetAt(i));
    }
    return values;
}

std::string OfferedNames(FormatDirection direction) {
    std::string names;
    for (const FormatTableRow& row : FormatTable()) {
        if (row.Offers(direction)) {
            names += names.empty() ? "" : ", ";
            names += "\"" + std::string(row.name) + "\"";
        }
    }
    return names;
}

}  // namespace

CLI::Option* ExportArguments::AddTo(CLI::App& app) {
    CLI::Option* formatOption =
        app.add_option("--format", format, "Coefficient file format, as the formats command lists")
            ->type_name("NAME");
    app.add_flag("--complex", complex,
                 "Write both channels, Inphase and Quadrature, into the file");
    app.add_option("--wave-bits", waveBits, "WAVE sample size in bits")
        ->check(CLI::IsMember({8, 16}).description(""))
        ->type_name("8|16");
    app.add_option("--wave-rate", waveRate,
                   "WAVE sample frequency in Hz: 8000, 11025, 16000, 22050, 32000, 44100, "
                   "48000, 88200, 96000 or the project's sampling frequency")
        ->check(CLI::PositiveNumber.description(""))
        ->type_name("HZ");
    app.add_option("--c-name", cName, "Name of the C array")->type_name("NAME");
    app.add_option("--c-type", cType, "Element type of the C array")->type_name("TYPE");
    app.add_option("--asm-name", asmName, "Base name of the assembly labels and equates")
        ->type_name("NAME");
    return formatOption;
}

FormatOptionsAnswer ExportArguments::Answer() const {
    FormatOptionsAnswer answer;
    if (waveBits) {
        answer.waveSizeIndex = WaveSizeIndex(*waveBits);
    }
    if (waveRate) {
        answer.waveRateIndex = WaveRateIndex(*waveRate);
    }
    answer.cName = cName;
    answer.cType = cType;
    answer.asmName = asmName;
    return answer;
}

bool CheckFormatName(CliSession& session, const std::string& name, FormatDirection direction) {
    const FormatTableRow* row = FindFormatRow(name);
    if (row != nullptr && row->Offers(direction)) {
        return true;
    }
    const bool reading = direction == FormatDirection::Read;
    session.Error("\"" + name + "\" is not a format for " + (reading ? "reading" : "writing") +
                  ".\nThe formats are " + OfferedNames(direction) + ".");
    return false;
}

ExitCode ExportCoefficients(CliSession& session, CFirDoc& document, const std::string& path,
                            const ExportArguments& arguments) {
    if (!CheckFormatName(session, arguments.format, FormatDirection::Write)) {
        return ExitCode::BadInput;
    }
    // The desktop program offers Export Coefficients only for a filter with coefficients,
    // and "Is Complex" only for complex ones.
    if (!document.HasPoints()) {
        session.Error("The filter has no coefficients to export.");
        return ExitCode::BadInput;
    }
    if (arguments.complex && document.Filter().IsReal()) {
        session.Error("The coefficients are real: --complex needs a complex filter.");
        return ExitCode::BadInput;
    }
    // Coefficients that are not finite are refused by every format: bad input, not a file
    // that could not be written.
    const CFirData& filter = document.Filter();
    const std::vector<double> inphase = ValuesOf(filter.Inphase());
    const std::vector<double> quadrature =
        arguments.complex ? ValuesOf(filter.Quadrature()) : std::vector<double>();
    if (const auto refused = NonFiniteMessage(inphase, quadrature)) {
        session.Error(*refused);
        return ExitCode::BadInput;
    }
    if (arguments.waveRate &&
        !CDataFormat::CommonRateIndex(static_cast<std::uint32_t>(*arguments.waveRate)) &&
        !IsProjectRate(document, *arguments.waveRate)) {
        session.Error("--wave-rate " + std::to_string(*arguments.waveRate) +
                      " is neither a common rate nor the project's sampling frequency.\n"
                      "The rates are 8000, 11025, 16000, 22050, 32000, 44100, 48000, 88200 "
                      "and 96000 Hz, and the project's own in whole Hz.");
        return ExitCode::BadInput;
    }
    CliUserInterface& ui = session.Ui();
    ui.AnswerDataFiles({{path, arguments.format}, std::nullopt, arguments.complex});
    ui.AnswerFormatOptions(arguments.Answer());
    if (document.ExportCoefficients()) {
        return ExitCode::Success;
    }
    // A file that could not be written is a file error; anything else refused the data
    // before a file was touched: an option the dialog refused, or the overflow question
    // answered No.
    return document.DataFiles().LastWriteOutcome() == WriteOutcome::FileError
               ? ExitCode::FileError
               : ExitCode::BadInput;
}

}  // namespace tapwright::cli
