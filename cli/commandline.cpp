#include "cli/commandline.h"

#include "app/run/batchoutputs.h"
#include "cli/commandoutputs.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace cli {

bool CommandLine::wantsReport() const
{
    return pdfFile || wmfBase || emfBase || svgDir || pngDir || textsFile;
}

namespace {

void checkCombination(const CommandLine &command)
{
    if (!command.spanSources.empty() && (command.inputFile || command.optionsFile))
        throw UsageError{"跨线文件不能与 --input 或 --options 同时使用"};
    if (!command.summaryFiles.empty() && command.spanSources.empty())
        throw UsageError{"--summary 只用于跨线文件的批量计算"};
    for (const std::string &file : command.summaryFiles) {
        if (!app::isCsvSummary(file) && !app::isXlsxSummary(file))
            throw UsageError{"--summary 的文件名应以 .csv 或 .xlsx 结尾: " + file};
    }
}

} // namespace

bool CommandLine::writesToStandardOutput() const
{
    return jsonFile == standardOutputName || textsFile == standardOutputName || pdfFile == standardOutputName
        || saveSpanFile == standardOutputName;
}

const char *usageText()
{
    return "用法: tenrix-calc [选项] [跨线文件或文件夹...]\n"
           "计算软导线跨线并输出结果. 不带选项时计算程序的默认跨线并打印第1页汇总表.\n"
           "\n"
           "  FILE.tenrix      计算跨线文件(代替 --input 和 --options), 可用下列全部输出选项\n"
           "  --save-span FILE 将输入写成跨线文件(.tenrix); 未要求其他输出时不计算\n"
           "  --input FILE     读取上次输入文件(temp_input.dat格式),缺省为程序默认输入\n"
           "  --options FILE   读取选项文件(default.dat格式),缺省为程序默认选项\n"
           "  --json FILE      将全部计算结果写成JSON文件\n"
           "  --pdf FILE       将计算书写成一个PDF文件(跨线文件有计算书信息时含封面、目录等)\n"
           "  --wmf BASE       写出 BASE_NO_01.wmf ... BASE_NO_17.wmf\n"
           "  --emf BASE       写出 BASE_NO_01.emf ... BASE_NO_17.emf\n"
           "  --svg DIR        每页一个SVG文件\n"
           "  --png DIR        每页一个PNG文件\n"
           "  --dpi N          PNG分辨率, 缺省96\n"
           "  --black          计算结果用黑色文字\n"
           "  --texts FILE     列出计算书中的全部文字(制表符分隔)\n"
           "  --design-check   计算书增加第18页设计校核(跨线文件按其自身的“输出设计校核页”设置)\n"
           "  --checks FILE    读取设计校核设置(JSON), 缺省按型号取额定强度, 安全系数按DL/T 5222\n"
           "  --help           显示本说明\n"
           "  --version        显示程序名称和版本\n"
           "\n"
           "多个跨线文件或文件夹(取其中的 *.tenrix, 按文件名顺序)为批量计算, 只能输出:\n"
           "  --summary FILE   汇总表, 每个跨线一行; FILE 以 .csv 或 .xlsx 结尾, 可给两次\n"
           "  --pdf FILE       全部跨线的计算书依次写入一个PDF文件, 每个跨线和每页一个书签\n"
           "\n"
           "--json, --texts, --pdf 和 --save-span 的 FILE 为 - 时写到标准输出(只能有一个), 此时不再打印汇总表;\n"
           "批量计算的 --pdf 为 - 时, 计算结果的统计行改写到标准错误.\n"
           "每个输出先写入同一文件夹中的临时文件, 全部写好后才一起替换原有文件; 有一个写入失败时原有文件都保持不变.\n"
           "被 Ctrl-C 或 SIGTERM 中止时删除全部临时文件, 原有文件保持不变, 退出码 130 或 143.\n"
           "\n"
           "退出码: 0 成功, 2 参数错误, 3 计算出错, 4 输入检查未通过或输入文件无法读取, 5 有输出未能写入.\n"
           "批量计算时某个跨线未通过检查或计算出错不影响其他跨线, 退出码取各跨线中最严重的.\n";
}

CommandLine parseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine command;
    const auto valueOf = [&](size_t &i) -> std::string {
        if (i + 1 >= arguments.size())
            throw UsageError{"选项 " + arguments[i] + " 缺少参数"};
        return arguments[++i];
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &arg = arguments[i];
        if (arg == "--help" || arg == "-h")
            command.help = true;
        else if (arg == "--version")
            command.version = true;
        else if (arg == "--input")
            command.inputFile = valueOf(i);
        else if (arg == "--options")
            command.optionsFile = valueOf(i);
        else if (arg == "--json")
            command.jsonFile = valueOf(i);
        else if (arg == "--pdf")
            command.pdfFile = valueOf(i);
        else if (arg == "--wmf")
            command.wmfBase = valueOf(i);
        else if (arg == "--emf")
            command.emfBase = valueOf(i);
        else if (arg == "--svg")
            command.svgDir = valueOf(i);
        else if (arg == "--png")
            command.pngDir = valueOf(i);
        else if (arg == "--texts")
            command.textsFile = valueOf(i);
        else if (arg == "--checks")
            command.designCheckFile = valueOf(i);
        else if (arg == "--save-span")
            command.saveSpanFile = valueOf(i);
        else if (arg == "--summary")
            command.summaryFiles.push_back(valueOf(i));
        else if (arg == "--design-check")
            command.designCheckPage = true;
        else if (arg == "--black")
            command.black = true;
        else if (arg == "--dpi") {
            const std::string text = valueOf(i);
            int dpi = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
            if (error != std::errc() || end != text.data() + text.size() || dpi < 10 || dpi > 1200)
                throw UsageError{"--dpi 的值应为10到1200之间的整数: " + text};
            command.dpi = dpi;
        } else if (!arg.empty() && arg[0] != '-')
            command.spanSources.push_back(arg);
        else
            throw UsageError{"无法识别的参数: " + arg};
    }
    // Standard output carries one output whole; a set of files cannot go there.
    const std::vector<std::pair<const char *, const std::optional<std::string> *>> single{
        {"--json", &command.jsonFile},
        {"--texts", &command.textsFile},
        {"--pdf", &command.pdfFile},
        {"--save-span", &command.saveSpanFile}};
    std::vector<std::string> toStandardOutput;
    for (const auto &[option, file] : single) {
        if (*file == standardOutputName)
            toStandardOutput.push_back(option);
    }
    if (toStandardOutput.size() > 1)
        throw UsageError{toStandardOutput[0] + " 和 " + toStandardOutput[1] + " 不能同时写到标准输出"};
    const std::vector<std::pair<const char *, const std::optional<std::string> *>> sets{{"--wmf", &command.wmfBase},
                                                                                        {"--emf", &command.emfBase},
                                                                                        {"--svg", &command.svgDir},
                                                                                        {"--png", &command.pngDir}};
    for (const auto &[option, name] : sets) {
        if (*name == standardOutputName)
            throw UsageError{std::string(option) + " 写出多个文件, 不能写到标准输出(-)"};
    }
    for (const std::string &file : command.summaryFiles) {
        if (file == standardOutputName)
            throw UsageError{"--summary 不能写到标准输出(-), 请给出以 .csv 或 .xlsx 结尾的文件名"};
    }
    checkCombination(command);
    return command;
}

} // namespace cli
