// tenrix-batch-bench [COUNT [PROGRAM]]: a batch at the scale of a grid
// company's substations, through this build's tenrix-calc or PROGRAM (an
// older build, to compare). COUNT span files (1 000 unless given), varied in span, height
// difference, sag, conductor, bundle, jumpers and leads, go through
// tenrix-calc twice: to the two summaries alone, and to every output (both
// summaries and the joined PDF). Each run is a child process, so its wall
// time and its own peak memory (getrusage of the child) are what a user gets.
// Targets for 1 000 spans on 2 cores: every output under 9 s, the PDF under
// 8 ms a span, the summaries alone under 0.5 s; peak memory that does not
// grow with the batch (under 250 MB for 10 000 spans).
#include "app/model/conductorcatalogue.h"
#include "app/model/spanfile.h"

#include <QTemporaryDir>

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

/// Span \a i of the batch: every catalogue conductor in turn, one to four
/// sub-conductors, 20 to 79 m, sags of 1/15 to 1/24 of the span, and each
/// of the four combinations of jumpers with zero to two leads.
app::SpanFile variedSpan(int i)
{
    app::SpanFile span;
    app::MainWindowModel &window = span.window;
    window.setText(app::EditBox::Edit_bt, "批量测试跨线" + std::to_string(i));
    window.setVoltageIndex(1 + i % 6);
    const double length_m = 20 + (i * 7) % 60;
    window.setText(app::EditBox::Edit_L, decimal(length_m));
    window.setText(app::EditBox::Edit_h, decimal((i % 5) * 1.5));
    window.setText(app::EditBox::Edit_f, decimal(length_m / (15 + i % 10)));
    window.pickConductor(i % app::conductorCount);
    window.setText(app::EditBox::Edit_dx_flgs, std::to_string(1 + i % 4));

    using app::PresenceBox;
    const int variant = i % 4;
    window.setTicked(PresenceBox::CheckBox_tx1, variant != 3);
    window.setTicked(PresenceBox::CheckBox_tx2, variant != 2);
    const int leads = variant % 3;
    const std::vector<PresenceBox> leadBoxes{PresenceBox::CheckBox_yx1, PresenceBox::CheckBox_yx2};
    for (int lead = 0; lead < 2; ++lead) {
        const PresenceBox box = leadBoxes[lead];
        window.setTicked(box, lead < leads);
        if (lead >= leads)
            continue;
        const int column = app::columnOf(box);
        const app::ConductorEntry &conductor = app::conductorCatalogue()[(i + 7 * lead) % app::conductorCount];
        window.setCell(column, app::loadtable::conductorTypeRow, conductor.typeName);
        window.setCell(column, app::loadtable::unitWeightRow, conductor.unitWeight);
        window.setCell(column, app::loadtable::diameterRow, conductor.diameter);
        // Each lead's distance is from the one before it (P1's from structure A).
        window.setCell(column, app::loadtable::relativeDistanceRow, decimal(length_m * (lead == 0 ? 0.3 : 0.25)));
    }
    return span;
}

struct ChildRun
{
    int exitCode = -1;
    double wall_s = 0;
    double cpu_s = 0; ///< user and system time on all cores: what other loads on the machine change least
    long peakMemory_MB = 0;
};

/// Runs \a arguments as a child and measures it; the child's peak resident memory comes from its own rusage.
ChildRun runChild(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage
    {
    };
    ::wait4(child, &status, 0, &usage);
    ChildRun run;
    run.wall_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.cpu_s = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakMemory_MB = usage.ru_maxrss / 1024;
    return run;
}

void print(const char *what, int count, const ChildRun &run)
{
    std::printf("%-28s %6d 个跨线  %8.2f s  %8.1f 跨线/s  %7.2f ms/跨线  CPU %8.2f s  峰值内存 %5ld MB  退出码 %d\n",
                what, count, run.wall_s, count / run.wall_s, 1000 * run.wall_s / count, run.cpu_s, run.peakMemory_MB,
                run.exitCode);
}

} // namespace

int main(int argc, char *argv[])
{
    int count = 1000;
    const std::string_view countText = argc > 1 ? argv[1] : "1000";
    const auto [end, fault] = std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (fault != std::errc() || end != countText.data() + countText.size() || count < 1) {
        std::fprintf(stderr, "用法: tenrix-batch-bench [跨线个数 [tenrix-calc程序]]\n");
        return 2;
    }
    QTemporaryDir folder;
    const fs::path spans = fs::path(folder.path().toStdString()) / "spans";
    fs::create_directory(spans);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "span-%05d.tenrix", i);
        app::writeSpanFile(spans / name, variedSpan(i));
    }
    const fs::path out = fs::path(folder.path().toStdString());
    const std::string calc = argc > 2 ? argv[2] : TENRIX_CALC;
    print("汇总表(CSV + XLSX)", count,
          runChild({calc, spans, "--summary", out / "s.csv", "--summary", out / "s.xlsx"}));
    print("全部输出(汇总表 + PDF)", count,
          runChild({calc, spans, "--summary", out / "a.csv", "--summary", out / "a.xlsx", "--pdf", out / "a.pdf"}));
    std::error_code error;
    std::printf("PDF %.1f MB\n", double(fs::file_size(out / "a.pdf", error)) / (1024 * 1024));
    return 0;
}
