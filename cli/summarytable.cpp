#include "cli/summarytable.h"

#include "app/run/batchfigures.h"
#include "engine/numberformatting.h"

#include <string>
#include <vector>

namespace cli {

using namespace engine;

namespace {

// Columns on a terminal: CJK characters take two, everything else one.
int displayWidth(const std::string &text)
{
    int width = 0;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string padLeft(const std::string &text, int width)
{
    return std::string(std::max(0, width - displayWidth(text)), ' ') + text;
}

std::string padRight(const std::string &text, int width)
{
    return text + std::string(std::max(0, width - displayWidth(text)), ' ');
}

void printTable(std::ostream &out, const std::vector<std::vector<std::string>> &rows)
{
    std::vector<int> widths;
    for (const auto &row : rows)
        for (size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    for (const auto &row : rows) {
        for (size_t c = 0; c < row.size(); ++c)
            out << (c == 0 ? padRight(row[c], widths[c]) : "  " + padLeft(row[c], widths[c]));
        out << '\n';
    }
}

std::string kN(float value)
{
    return formatNumber(value, 3);
}

} // namespace

void printSummary(std::ostream &out, const CalculationInput &input, const CalculationResult &result)
{
    out << input[slot::spanTitle] << "  (" << input[slot::voltageLevel] << "kV, 跨距 " << input[slot::spanLength]
        << " m, 分裂根数 " << result.span.bundleCount << ")\n\n";

    std::vector<std::vector<std::string>> states = {app::pageOneHeader()};
    for (const app::TableRow &row : app::pageOneRows(result)) {
        std::vector<std::string> &texts = states.emplace_back();
        for (const app::TableCell &cell : row)
            texts.push_back(cell.text);
    }
    printTable(out, states);

    const BeamLoads &beam = result.beamLoads;
    out << "\n横梁附加荷载(kN)\n";
    printTable(out, {{"", "紧线时", "三相上人", "单相上人"},
                     {"A侧", kN(beam.stringingA), kN(beam.threePhaseA), kN(beam.singlePhaseA)},
                     {"B侧", kN(beam.stringingB), kN(beam.threePhaseB), kN(beam.singlePhaseB)}});

    out << "\n施工放线张力表\n";
    std::vector<std::vector<std::string>> stringing = {
        {"温度(℃)"}, {"安装 H(kN)"}, {"安装 f(m)"}, {"划印 H(kN)"}, {"划印 f(m)"}, {"下料长度(m)"}};
    for (const StringingRow &row : result.stringingTable) {
        stringing[0].push_back(formatNumber(row.temperature, 0));
        stringing[1].push_back(kN(row.installationTension));
        stringing[2].push_back(kN(row.installationSag));
        stringing[3].push_back(kN(row.markingTension));
        stringing[4].push_back(kN(row.markingSag));
    }
    for (const CutLength &cut : result.cutLengths)
        stringing[5].push_back(cut.solved ? formatNumber(cut.length, 3) : "未求得");
    printTable(out, stringing);
}

} // namespace cli
