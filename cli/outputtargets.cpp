#include "cli/outputtargets.h"

#include "cli/commandoutputs.h"
#include "common/filefailurereason.h"
#include "common/replacefile.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace cli {

namespace {

namespace fs = std::filesystem;

bool checkFile(const std::string &file, std::ostream &errors)
{
    if (file == standardOutputName)
        return true;
    try {
        common::FileSetReplacement::checkTarget(file);
        return true;
    } catch (const common::FileWriteError &error) {
        errors << error.what() << '\n';
        return false;
    }
}

/// A folder the pages go into, made when missing: it, or the nearest folder above it that exists, must take files.
bool checkFolder(const std::string &folder, std::ostream &errors)
{
    fs::path existing = fs::absolute(folder).lexically_normal();
    std::error_code error;
    while (!fs::exists(existing, error) && existing.has_relative_path())
        existing = existing.parent_path();
    int cause = 0;
    if (!fs::is_directory(existing, error))
        cause = ENOTDIR;
    else if (::access(existing.c_str(), W_OK | X_OK) != 0)
        cause = errno;
    if (cause == 0)
        return true;
    errors << "无法写入文件夹 “" << folder << "”: " << common::fileFailureReason(common::FileAccess::Write, cause)
           << '\n';
    return false;
}

} // namespace

bool checkOutputTargets(const CommandLine &command, std::ostream &errors)
{
    std::vector<std::string> files(command.summaryFiles.begin(), command.summaryFiles.end());
    for (const auto &file : {command.pdfFile, command.jsonFile, command.textsFile, command.saveSpanFile}) {
        if (file)
            files.push_back(*file);
    }
    if (command.wmfBase)
        files.push_back(*command.wmfBase + "_NO_01.wmf");
    if (command.emfBase)
        files.push_back(*command.emfBase + "_NO_01.emf");
    bool good = true;
    for (const std::string &file : files)
        good = checkFile(file, errors) && good;
    for (const auto &folder : {command.svgDir, command.pngDir}) {
        if (folder)
            good = checkFolder(*folder, errors) && good;
    }
    return good;
}

} // namespace cli
