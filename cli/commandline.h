#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

/// What tenrix-calc was asked to do.
struct CommandLine
{
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

    /// True when any report output is asked for (they need the page drawing).
    bool wantsReport() const;
    /// True when the JSON or the texts go to standard output, which then carries nothing else.
    bool writesToStandardOutput() const;
};

/// Thrown for arguments the command does not understand; what() says why.
struct UsageError
{
    std::string message;
};

/// @throws UsageError
CommandLine parseCommandLine(const std::vector<std::string> &arguments);

/// The help text.
const char *usageText();

} // namespace cli
