// SPDX-License-Identifier: GPL-3.0-or-later
// tavoric-cli input, form and notes: the input data report, the observation form and the notes
// report of a project file, written as the desktop program writes them.
#include <optional>
#include <string>
#include <vector>

#include "cli/command_input.h"
#include "cli/commands.h"
#include "cli/option_values.h"
#include "cli/report_output.h"
#include "cli/terminal_progress.h"
#include "core/codec.h"
#include "core/message_texts.h"
#include "core/settings.h"
#include "core/text.h"
#include "reports/input_data_report.h"
#include "reports/notes_report.h"
#include "reports/observation_form.h"

namespace tavoric {

namespace {

// A report command's project file and where its report goes.
struct ReportArguments {
    std::string projectPath;
    ReportOutput output;
};

// Reads the words of a report command: --txt and --csv, the command's own options and the one
// project file. takeOption(words, i) takes the option at words[i], moving i past its value, and
// returns false for a word it does not know. Returns nothing on wrong use, after the messages.
template <typename OptionTaker>
std::optional<ReportArguments> ParseReportArguments(std::string_view command,
                                                    std::vector<std::string> words,
                                                    OptionTaker takeOption) {
    const std::optional<ReportOutput> output = TakeReportOutputOptions(words);
    if (!output) {
        return std::nullopt;
    }
    ReportArguments parsed{.projectPath = {}, .output = *output};
    bool wrongUse = false;
    for (std::size_t i = 0; i < words.size() && !wrongUse; ++i) {
        if (words[i].starts_with("--")) {
            wrongUse = !takeOption(words, i);
        } else if (parsed.projectPath.empty()) {
            parsed.projectPath = words[i];
        } else {
            wrongUse = true;
        }
    }
    if (wrongUse || parsed.projectPath.empty()) {
        UsageError(command);
        return std::nullopt;
    }
    if (!OutputsSpareInput(parsed.output, parsed.projectPath)) {
        return std::nullopt;
    }
    return parsed;
}

bool NoOwnOptions(const std::vector<std::string>&, std::size_t&) {
    return false;
}

// The report of the project: loads it, lets the producer write the report's lines with the report
// look of the user's settings file and sends each line where the arguments say as it is made.
template <typename Producer>
int WriteProjectReport(const ReportArguments& arguments, Producer produce) {
    Survey survey;
    if (!OpenSurvey(arguments.projectPath, survey)) {
        return kExitFileError;
    }
    const ReportSettings settings = LoadReportSettings();
    return WriteReportLines(arguments.output, [&](ReportLineSink& lines) {
        TerminalProgress progress;
        produce(lines, settings, survey, progress);
    });
}

// "routes,sections": the blocks named are in the report, the others are not.
bool ChooseBlocks(std::string_view names, InputReportOptions& options) {
    bool InputReportOptions::*const blocks[] = {
        &InputReportOptions::routes, &InputReportOptions::sections, &InputReportOptions::places,
        &InputReportOptions::plates};
    for (bool InputReportOptions::*block : blocks) {
        options.*block = false;
    }
    const EnumeratedOption& option = EnumeratedOptionOf("input", "--include");
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
        const std::optional<std::size_t> index = ChosenOptionValue(option, name, "AA00224");
        if (!index) {
            return false;
        }
        options.*blocks[*index] = true;
    }
    return true;
}

int RunInputReport(const std::vector<std::string>& words) {
    InputReportOptions options;
    const auto arguments = ParseReportArguments(
        "input", words,
        [&options, included = false](const std::vector<std::string>& w, std::size_t& i) mutable {
            if (w[i] != "--include" || i + 1 == w.size() || !FirstTime(w[i], included)) {
                return false;
            }
            return ChooseBlocks(w[++i], options);
        });
    if (!arguments) {
        return kExitUsage;
    }
    return WriteProjectReport(*arguments,
                              [&options](ReportLineSink& lines, const ReportSettings& settings,
                                         const Survey& survey, Progress& progress) {
                                  WriteInputDataReport(lines, settings, survey, options, progress);
                              });
}

int RunObservationForm(const std::vector<std::string>& words) {
    ObservationFormOptions options;
    const auto arguments = ParseReportArguments(
        "form", words, [&options](const std::vector<std::string>& w, std::size_t& i) {
            bool given = !options.separatorBetweenSlots;
            if (w[i] != "--no-separator" || !FirstTime(w[i], given)) {
                return false;
            }
            options.separatorBetweenSlots = false;
            return true;
        });
    if (!arguments) {
        return kExitUsage;
    }
    return WriteProjectReport(*arguments,
                              [&options](ReportLineSink& lines, const ReportSettings& settings,
                                         const Survey& survey, Progress& progress) {
                                  WriteObservationForm(lines, settings, survey, options, progress);
                              });
}

int RunNotesReport(const std::vector<std::string>& words) {
    const auto arguments = ParseReportArguments("notes", words, NoOwnOptions);
    if (!arguments) {
        return kExitUsage;
    }
    return WriteProjectReport(
        *arguments, [](ReportLineSink& lines, const ReportSettings& settings, const Survey& survey,
                       Progress&) { WriteNotesReport(lines, settings, survey); });
}

}  // namespace

CliCommand InputCommand() {
    return {"input", "AA00427", "AA00428", RunInputReport};
}

CliCommand FormCommand() {
    return {"form", "AA00429", "AA00430", RunObservationForm};
}

CliCommand NotesCommand() {
    return {"notes", "AA00431", "AA00432", RunNotesReport};
}

}  // namespace tavoric
