// A batch of span files made from the golden cases, with one damaged file and
// one refused span among them: the outcomes, the CSV and workbook summaries
// and the joined PDF with its outline. The figures of the summary are
// compared with the cases' checked expected.json, not with the program.
#include "app/model/lastinputfile.h"
#include "app/model/spanfile.h"
#include "app/run/batchfigures.h"
#include "app/run/calculationpipeline.h"
#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"
#include "app/run/summarycsv.h"
#include "app/run/summaryxlsx.h"
#include "common/filewriteerror.h"
#include "engine/loadstate.h"
#include "engine/windswing.h"
#include "options/model/optionsmodel.h"
#include "report/exporters.h"
#include "support/scriptedmessenger.h"
#include "support/temporaryfolder.h"

#include <nlohmann/json.hpp>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path casesFolder = TENRIX_CASES_DIR;
/// The batch in name order: four computed spans, a damaged file and a refused span.
const std::vector<std::string> computedCases{"default-span", "four-leads", "single-conductor", "tight-sag"};
constexpr int pagesPerSpan = 17;

/// The span file of a golden case's two data files, as tenrix-calc --save-span
/// writes it, with "输出设计校核页" cleared: 17 pages a span.
void saveCaseAsSpan(const std::string &caseName, const fs::path &spanFile, const common::BookData &book = {})
{
    app::SpanFile span;
    span.window.setBook(book);
    span.designCheck.includeCheckPage = false;
    app::loadNamedLastInputs(span.window, casesFolder / caseName / "temp_input.dat");
    options::OptionsModel optionsModel(casesFolder / caseName / "default.dat");
    optionsModel.loadNamedOptionsFile();
    span.options = options::calculationTexts(optionsModel);
    span.reserved = options::reservedNumbers(optionsModel.snapshot());
    app::writeSpanFile(spanFile, span);
}

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + separator.size())
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::string command(const std::string &line)
{
    std::string output;
    FILE *pipe = ::popen(line.c_str(), "r");
    for (char buffer[4096]; pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr;)
        output += buffer;
    if (pipe != nullptr)
        ::pclose(pipe);
    return output;
}

std::size_t count(const std::string &text, const std::string &part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

class Batch : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new TemporaryFolder;
        int number = 1;
        for (const std::string &name : computedCases)
            saveCaseAsSpan(name, folder->file(std::to_string(number++) + "-" + name + ".tenrix"));
        writeBytes(folder->file("5-damaged.tenrix"), R"({"format": "tenrix-span", "version": 1, "span": {"spanLength_m": 36}})");
        saveCaseAsSpan("refused-zero-area", folder->file("6-refused-zero-area.tenrix"));
        writeBytes(folder->file("notes.txt"), "not a span");

        app::BatchSettings settings;
        settings.pages = app::ReportPages::Teal;
        pdf = new app::BatchPdf(folder->file("all.pdf"));
        settings.makeFinisher = pdf->finishers();
        const std::atomic<bool> notCancelled = false;
        run = new app::BatchRun(app::runBatch(
            app::batchFiles({folder->path()}), settings,
            [](std::size_t finished, std::size_t total, const fs::path &computing) {
                progress.push_back({finished, total, computing.filename().string()});
            },
            notCancelled));
    }
    static void TearDownTestSuite()
    {
        delete run;
        delete pdf;
        delete folder;
    }

    static const std::vector<app::SpanOutcome> &spans() { return run->spans; }

    static inline TemporaryFolder *folder = nullptr;
    static inline app::BatchRun *run = nullptr;
    static inline app::BatchPdf *pdf = nullptr;
    struct ProgressStep
    {
        std::size_t finished;
        std::size_t total;
        std::string computing;
    };
    static inline std::vector<ProgressStep> progress;
};

TEST_F(Batch, EverySpanHasItsOutcomeInNameOrder)
{
    ASSERT_EQ(spans().size(), 6u);
    EXPECT_FALSE(run->cancelled);
    for (std::size_t i = 0; i < computedCases.size(); ++i) {
        EXPECT_EQ(spans()[i].file.filename().string(), std::to_string(i + 1) + "-" + computedCases[i] + ".tenrix");
        EXPECT_EQ(spans()[i].status, app::SpanStatus::Computed) << spans()[i].message;
    }
    EXPECT_EQ(spans()[4].status, app::SpanStatus::Refused);
    EXPECT_NE(spans()[4].message.find("5-damaged.tenrix"), std::string::npos) << spans()[4].message;
    EXPECT_NE(spans()[4].message.find("\"span.spanLength_m\""), std::string::npos) << spans()[4].message;
    EXPECT_EQ(spans()[5].status, app::SpanStatus::Refused);
    EXPECT_EQ(spans()[5].message, "数据合理性检查出错误信息: 单根截面(mm2)应大于0,请修改.");
    // Progress names each span as it starts, then says all are done.
    ASSERT_EQ(progress.size(), 7u);
    std::vector<std::string> named;
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_LT(progress[i].finished, 6u);
        EXPECT_EQ(progress[i].total, 6u);
        named.push_back(progress[i].computing);
    }
    std::sort(named.begin(), named.end());
    EXPECT_EQ(named.front(), "1-default-span.tenrix");
    EXPECT_EQ(named.back(), "6-refused-zero-area.tenrix");
    EXPECT_EQ(progress.back().finished, 6u);
    EXPECT_EQ(progress.back().computing, "");
}

TEST_F(Batch, CancelledBeforeTheStartComputesNothing)
{
    const std::atomic<bool> cancelled = true;
    const app::BatchRun batch = app::runBatch(app::batchFiles({folder->path()}), {}, {}, cancelled);
    EXPECT_TRUE(batch.cancelled);
    EXPECT_TRUE(std::none_of(batch.spans.begin(), batch.spans.end(),
                             [](const app::SpanOutcome &span) { return span.status == app::SpanStatus::Computed; }));
}

TEST(BatchFiles, AFolderWithoutSpanFilesIsRefused)
{
    const TemporaryFolder empty;
    writeBytes(empty.file("span.tenrix.bak"), "{}");
    EXPECT_THROW(app::batchFiles({empty.path()}), app::SpanFileError);
}

// The summary's figures against each case's checked results: the largest of
// the page-1 column over the design states, with that state, and the beam loads.
TEST_F(Batch, CsvHasBomCrLfHeaderAndTheCheckedFigures)
{
    const fs::path csvFile = folder->file("summary.csv");
    app::writeSummaryCsv(csvFile, spans());
    const std::string csv = readBytes(csvFile);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(count(csv, "\r\n"), 7u);
    EXPECT_EQ(count(csv, "\n"), 7u) << "every line ends in CR LF";
    const std::vector<std::string> lines = split(csv.substr(3), "\r\n");
    EXPECT_EQ(lines[0].rfind("文件,跨线名称,电压等级(kV),跨距L(m),高差h(m),控制弧垂f(m),导线型号,分裂根数,最大H(kN),最大H工况,", 0),
              0u) << lines[0];
    EXPECT_EQ(split(lines[0], ",").back(), "状态");

    for (std::size_t i = 0; i < computedCases.size(); ++i) {
        const std::vector<std::string> row = split(lines[i + 1], ",");
        ASSERT_EQ(row.size(), 53u) << lines[i + 1];
        EXPECT_EQ(row[row.size() - 2], "") << "no warning for a checked case";
        EXPECT_EQ(row[42] + row[43] + row[44] + row[45] + row[46], "") << "no short circuit asked for";
        EXPECT_EQ(row[47] + row[48] + row[49] + row[50] + row[51], "") << "no clearance asked for";
        EXPECT_EQ(row.back(), "计算完成");
        std::ifstream expectedFile(casesFolder / computedCases[i] / "expected.json");
        const nlohmann::json expected = nlohmann::json::parse(expectedFile);
        const auto largest = [&](const char *key) {
            int state = 0;
            for (int s = 1; s < engine::designStateCount; ++s) {
                if (expected["summary"][s][key].get<double>() > expected["summary"][state][key].get<double>())
                    state = s;
            }
            return std::make_pair(expected["summary"][state][key].get<double>(), state);
        };
        const auto expectFigure = [&](std::size_t column, double value) {
            EXPECT_NEAR(std::stod(row[column]), value, 0.0005 + 1e-9) << computedCases[i] << " column " << column;
        };
        const auto [tension, tensionState] = largest("tensionPhase_kN");
        expectFigure(8, tension);
        EXPECT_EQ(row[9], engine::loadStateLabel(tensionState));
        const auto [sag, sagState] = largest("sag_m");
        expectFigure(10, sag);
        EXPECT_EQ(row[11], engine::loadStateLabel(sagState));
        expectFigure(12, largest("reactionAPhase_kN").first);
        expectFigure(13, largest("reactionBPhase_kN").first);
        expectFigure(14, largest("lateralForceAPhase_kN").first);
        expectFigure(15, largest("lateralForceBPhase_kN").first);
        const nlohmann::json &beam = expected["beamLoadsPhase_kN"];
        expectFigure(16, beam.at("stringingA").get<double>());
        expectFigure(18, beam.at("threePhaseMaintenanceA").get<double>());
        expectFigure(21, beam.at("singlePhaseMaintenanceB").get<double>());
        EXPECT_EQ(row[7], expected["span"]["bundleCount"].dump());
        // The cases string at the default temperatures: 15 degC, the fourth, is the cut length's.
        EXPECT_EQ(row[31], "15");
        expectFigure(32, expected["cutLength"][3]["lengthSub_m"].get<double>());
        // Each structure's largest true vertical load of one phase, with its state.
        for (const auto &[side, column] : {std::pair{"A", 37}, std::pair{"B", 39}}) {
            const nlohmann::json &loads = expected["structureLoads"][side];
            const std::string state = loads["governing"]["vertical"].get<std::string>();
            for (const nlohmann::json &entry : loads["states"])
                if (entry["state"] == state)
                    expectFigure(std::size_t(column), entry["verticalPhase_kN"].get<double>());
        }
    }
    // The damaged file's row: its name and why, nothing else.
    const std::vector<std::string> damaged = split(lines[5], ",");
    EXPECT_EQ(fs::path(damaged[0]).filename(), "5-damaged.tenrix");
    EXPECT_EQ(damaged[1], "");
    EXPECT_NE(damaged.back().find("跨线文件"), std::string::npos);
}

TEST_F(Batch, WorkbookHasTheSummaryAndThePageOneTables)
{
    const fs::path workbook = folder->file("summary.xlsx");
    app::writeSummaryWorkbook(workbook, spans());
    const std::string summary = command("unzip -p '" + workbook.string() + "' xl/worksheets/sheet1.xml");
    const std::string pageOne = command("unzip -p '" + workbook.string() + "' xl/worksheets/sheet2.xml");
    EXPECT_EQ(count(summary, "<row "), 7u);
    EXPECT_EQ(count(summary, "<t>计算完成</t>"), 4u);
    EXPECT_EQ(count(summary, "<t>数据合理性检查出错误信息: 单根截面(mm2)应大于0,请修改.</t>"), 1u);
    // Figures are numbers: the default span's largest RA of 4.814 kN (最大荷载).
    EXPECT_NE(summary.find(R"(<c r="M2"><v>4.814</v></c>)"), std::string::npos);
    EXPECT_EQ(count(pageOne, "<row "), 1u + computedCases.size() * engine::designStateCount);
    EXPECT_NE(pageOne.find("<t>单相上人低温</t>"), std::string::npos);
}

TEST_F(Batch, PdfHasEverySpansPagesAndAnOutlineEntryPerSpanAndPage)
{
    const fs::path pdfFile = folder->file("all.pdf");
    pdf->write(pdfFile, spans());
    QPDF written;
    written.processFile(pdfFile.string().c_str());
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(written).getAllPages();
    ASSERT_EQ(pages.size(), computedCases.size() * pagesPerSpan);

    QPDFOutlineDocumentHelper outline(written);
    std::vector<QPDFOutlineObjectHelper> entries = outline.getTopLevelOutlines();
    ASSERT_EQ(entries.size(), computedCases.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].getTitle(),
                  "220kV#1主变进线间隔跨线 (" + std::to_string(i + 1) + "-" + computedCases[i] + ".tenrix)");
        EXPECT_EQ(entries[i].getDestPage().getObjGen(), pages[i * pagesPerSpan].getObjectHandle().getObjGen());
        std::vector<QPDFOutlineObjectHelper> kids = entries[i].getKids();
        ASSERT_EQ(kids.size(), std::size_t(pagesPerSpan));
        EXPECT_EQ(kids[0].getTitle(), "第1页 输入数据和计算结果汇总");
        EXPECT_EQ(kids[1].getTitle(), "第2页 各种工况下的荷载计算表");
        EXPECT_EQ(kids[16].getTitle(), "第17页 安装划印状态方程求解");
        EXPECT_EQ(kids[16].getDestPage().getObjGen(),
                  pages[i * pagesPerSpan + 16].getObjectHandle().getObjGen());
    }

    // A span's pages are drawn in the batch as in its own PDF, operator for operator.
    const app::SpanFile first = app::readSpanFile(folder->file("1-" + computedCases[0] + ".tenrix")).span;
    ScriptedMessenger messenger;
    const app::CalculationRun alone = app::runCalculationPipeline(
        first.window, first.options, app::DesignCheckRequest{first.designCheck, false}, app::ReportPages::Teal,
        app::UnusualValues::Compute, messenger, app::FrontMatter::Omitted, first.shortCircuit, first.clearances);
    ASSERT_EQ(alone.pages.size(), std::size_t(pagesPerSpan));
    const std::optional<QByteArray> own = report::PdfExporter().fileContents(alone.pages, QStringLiteral("a.pdf"));
    ASSERT_TRUE(own.has_value());
    QPDF ownPdf;
    ownPdf.processMemoryFile("a.pdf", own->constData(), std::size_t(own->size()));
    const std::vector<QPDFPageObjectHelper> ownPages = QPDFPageDocumentHelper(ownPdf).getAllPages();
    ASSERT_EQ(ownPages.size(), std::size_t(pagesPerSpan));
    const auto contentOf = [](QPDFPageObjectHelper page) {
        const std::shared_ptr<Buffer> data = page.getObjectHandle().getKey("/Contents").getStreamData();
        return std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
    };
    for (std::size_t page = 0; page < ownPages.size(); ++page)
        EXPECT_EQ(contentOf(pages[page]), contentOf(ownPages[page])) << "page " << page + 1;
}

TEST_F(Batch, OutputsThatCannotBeWrittenLeaveNothing)
{
    const fs::path missingFolder = folder->file("no-such-folder");
    EXPECT_THROW(app::writeSummaryCsv(missingFolder / "s.csv", spans()), common::FileWriteError);
    EXPECT_THROW(app::writeSummaryWorkbook(missingFolder / "s.xlsx", spans()), common::FileWriteError);
    EXPECT_THROW(pdf->write(missingFolder / "all.pdf", spans()), common::FileWriteError);
    EXPECT_FALSE(fs::exists(missingFolder));
}

// A batch whose spans carry book data is one book: one cover (from the first
// such span) and one contents before every span's pages; a span without
// book data keeps its 17 pages.
TEST(BatchBook, OneCoverAndContentsBeforeEverySpan)
{
    TemporaryFolder folder;
    common::BookData book;
    book.projectName = "某220kV变电站新建工程";
    saveCaseAsSpan("default-span", folder.file("1.tenrix"));
    saveCaseAsSpan("four-leads", folder.file("2.tenrix"), book);
    saveCaseAsSpan("single-conductor", folder.file("3.tenrix"), book);

    app::BatchSettings settings;
    settings.pages = app::ReportPages::Teal;
    app::BatchPdf pdf(folder.file("book.pdf"));
    settings.makeFinisher = pdf.finishers();
    const std::atomic<bool> notCancelled = false;
    const app::BatchRun run = app::runBatch(app::batchFiles({folder.path()}), settings,
                                            [](std::size_t, std::size_t, const fs::path &) {}, notCancelled);
    pdf.write(folder.file("book.pdf"), run.spans);

    QPDF written;
    written.processFile(folder.file("book.pdf").string().c_str());
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(written).getAllPages();
    // Cover and contents, 17 plain pages, and two books of 17 + 6 pages.
    constexpr std::size_t bookPages = 23;
    ASSERT_EQ(pages.size(), 2 + 17 + 2 * bookPages);

    QPDFOutlineDocumentHelper outline(written);
    std::vector<QPDFOutlineObjectHelper> entries = outline.getTopLevelOutlines();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].getTitle(), "封面");
    EXPECT_EQ(entries[1].getTitle(), "目录");
    EXPECT_EQ(entries[1].getDestPage().getObjGen(), pages[1].getObjectHandle().getObjGen());
    const std::size_t firstPages[] = {2, 2 + 17, 2 + 17 + bookPages};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(entries[2 + i].getDestPage().getObjGen(), pages[firstPages[i]].getObjectHandle().getObjGen());
    EXPECT_EQ(entries[2].getKids()[0].getTitle(), "第1页 输入数据和计算结果汇总");
    std::vector<QPDFOutlineObjectHelper> bookKids = entries[3].getKids();
    ASSERT_EQ(bookKids.size(), bookPages);
    EXPECT_EQ(bookKids[0].getTitle(), "计算依据");
    EXPECT_EQ(bookKids[bookPages - 1].getTitle(), "跨线示意图");
}

} // namespace

TEST(BatchReasons, AMessageNamingNoCheckIsItsTextAlone)
{
    TemporaryFolder folder;
    app::SpanFile span;
    span.window.setText(app::EditBox::Edit_f, "0");
    app::writeSpanFile(folder.file("zero-sag.tenrix"), span);
    const std::atomic<bool> notCancelled = false;
    const app::BatchRun run =
        app::runBatch({folder.file("zero-sag.tenrix")}, app::BatchSettings{}, {}, notCancelled);
    ASSERT_EQ(run.spans.size(), 1u);
    EXPECT_EQ(run.spans[0].status, app::SpanStatus::Refused);
    EXPECT_EQ(run.spans[0].message, "允许弧垂必须大于0,一般取跨度的1/15 ~ 1/30,请修改.");
}

// The span file's own "输出设计校核页" decides; the batch's switch adds the page to every span.
TEST(BatchPages, EachSpanKeepsItsOwnDesignCheckPageSwitch)
{
    TemporaryFolder folder;
    app::SpanFile span;
    span.designCheck.includeCheckPage = false;
    app::writeSpanFile(folder.file("1-without.tenrix"), span);
    span.designCheck.includeCheckPage = true;
    app::writeSpanFile(folder.file("2-with.tenrix"), span);
    // A finisher sees each span's pages before the batch lets them go.
    struct PageCounter : app::SpanFinisher
    {
        std::vector<std::size_t> &counts;
        explicit PageCounter(std::vector<std::size_t> &c) : counts(c) {}
        void finish(app::SpanOutcome &span, std::size_t index) override
        {
            counts.at(index) = span.run->pages.size();
        }
        void close() override {}
    };
    const std::atomic<bool> notCancelled = false;
    app::BatchSettings settings;
    settings.pages = app::ReportPages::Teal;
    const auto pageCounts = [&] {
        std::vector<std::size_t> counts(2);
        settings.makeFinisher = [&counts] { return std::make_unique<PageCounter>(counts); };
        app::runBatch(app::batchFiles({folder.path()}), settings, {}, notCancelled);
        return counts;
    };
    EXPECT_EQ(pageCounts(), (std::vector<std::size_t>{17, 18}));
    settings.designCheckPage = true;
    EXPECT_EQ(pageCounts(), (std::vector<std::size_t>{18, 18}));
}

// The short-circuit columns take the largest forces of the two temperatures
// and the smaller a_min, as the engine computed them for the span; the
// clearance columns the least distance left and the verdict, naming what
// fails and how many requirements were left blank.
TEST(BatchShortCircuit, TheSummaryTakesTheLargestForcesAndTheLeastClearances)
{
    TemporaryFolder folder;
    app::SpanFile span;
    span.shortCircuit.initialCurrent = "40";
    span.shortCircuit.firstDuration = "0.5";
    span.shortCircuit.springConstant = "1000";
    span.shortCircuit.thermalStrainConstant = "0.27"; // NAHLGJQ-1440 does not tell its ratio
    span.clearances.phaseSpacing = "3.5";
    span.clearances.earthDistance = "3";
    span.clearances.halfWidth = "0.126";
    span.clearances.phaseToPhaseShortCircuit = "0.1";
    span.clearances.phaseToEarthSwitching = "100";
    app::writeSpanFile(folder.file("fault.tenrix"), span);
    struct Keeper : app::SpanFinisher
    {
        app::CalculationRun &kept;
        explicit Keeper(app::CalculationRun &k) : kept(k) {}
        void finish(app::SpanOutcome &outcome, std::size_t) override { kept = *outcome.run; }
        void close() override {}
    };
    app::CalculationRun engineRun;
    app::BatchSettings settings;
    settings.makeFinisher = [&engineRun] { return std::make_unique<Keeper>(engineRun); };
    const std::atomic<bool> notCancelled = false;
    const app::BatchRun run = app::runBatch({folder.file("fault.tenrix")}, settings, {}, notCancelled);
    ASSERT_EQ(run.spans.size(), 1u);
    ASSERT_EQ(run.spans[0].status, app::SpanStatus::Computed) << run.spans[0].message;
    ASSERT_TRUE(engineRun.shortCircuit && engineRun.clearances);
    const engine::ShortCircuitResult &fault = *engineRun.shortCircuit;

    const app::TableRow summary = run.spans[0].figures.summary.row();
    const std::vector<std::string> &header = app::summaryFigureHeader();
    ASSERT_EQ(summary.size(), header.size());
    const auto cell = [&](const char *name) {
        return summary[std::size_t(std::find(header.begin(), header.end(), name) - header.begin())].text;
    };
    const auto figure = [&](const char *name) { return std::stod(cell(name)); };
    const auto &[cold, hot] = fault.cases;
    EXPECT_NEAR(figure("短路摆动拉力Ft,d(kN)"), std::max(cold.values.tensileForce_N, hot.values.tensileForce_N) / 1000,
                0.0005);
    std::optional<double> drop;
    for (const std::optional<double> &force : {cold.values.dropForce_N, hot.values.dropForce_N})
        if (force)
            drop = std::max(drop.value_or(0), *force);
    if (drop) {
        EXPECT_NEAR(figure("短路后落下拉力Ff,d(kN)"), *drop / 1000, 0.0005);
    } else {
        EXPECT_EQ(cell("短路后落下拉力Ff,d(kN)"), "");
    }
    EXPECT_NEAR(figure("最小相间距离amin(m)"), fault.minimumClearance_m, 0.0005);
    EXPECT_NEAR(figure("短路设计荷载(kN)"), fault.designLoad_N / 1000, 0.0005);
    EXPECT_EQ(cell("热稳定"), fault.thermal.met ? "满足" : "不满足");

    // Between phases only the short circuit is asked: a_min − 2r. To earth
    // only 操作电压, whose 100 m cannot be met; six more are left blank.
    EXPECT_NEAR(figure("最小相间剩余距离(m)"), fault.minimumClearance_m - 0.252, 0.0005);
    EXPECT_EQ(cell("相间距离工况"), "短路相间");
    const double swing = engine::windSwing(engineRun.result, engine::switching).displacement_m;
    EXPECT_NEAR(figure("最小对地剩余距离(m)"), 3 - swing - 0.126, 0.0005);
    EXPECT_EQ(cell("对地距离工况"), "操作电压对地");
    EXPECT_EQ(cell("电气距离校验"), "不满足(操作电压对地;6项未校核)");
}
