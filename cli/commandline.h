#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

/// What tenrix-calc was asked to do.
struct CommandLine
{
    /// Span files (.tenrix) and folders of them, in the order given.
    std::vector<std::string> spanSources;
    std::optional<std::string> saveSpanFile;  ///< the span file of the inputs, written before any calculation
    std::vector<std::string> summaryFiles;    ///< batch summaries, each .csv or .xlsx
    std::optional<std::string> inputFile;    ///< temp_input.dat to load instead of the defaults
    std::optional<std::string> optionsFile;  ///< default.dat to load instead of the defaults
    std::optional<std::string> jsonFile;     ///< "-" for standard output
    std::optional<std::string> pdfFile;
    std::optional<std::string> wmfBase;      ///< BASE_NO_01.wmf .. BASE_NO_17.wmf
    std::optional<std::string> emfBase;
    std::optional<std::string> svgDir;
    std::optional<std::string> pngDir;
    std::optional<std::string> textsFile;    ///< "-" for standard output
    std::optional<std::string> designCheckFile;  ///< the design-check settings as JSON; the defaults without
    bool designCheckPage = false;  ///< the report gets page 18 "设计校核"
    int dpi = 96;
    bool black = false;
    bool help = false;
    bool version = false; ///< --version: the program's name and version, nothing else

    /// True when any report output is asked for (they need the page drawing).
    bool wantsReport() const;
    /// True when a result is asked for: a report output or the JSON.
    bool wantsResultFile() const { return wantsReport() || jsonFile; }
    /// True when the JSON or the texts go to standard output, which then carries nothing else.
    bool writesToStandardOutput() const;
};

/// Thrown for arguments the command does not understand; what() says why.
struct UsageError
{
    std::string message;
};

/// @throws UsageError, also for options that do not go together
CommandLine parseCommandLine(const std::vector<std::string> &arguments);


/// The help text.
const char *usageText();

} // namespace cli
