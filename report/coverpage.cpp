#include "report/bookpages.h"

#include "report/fittedtext.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

#include <array>
#include <string>
#include <utility>

namespace report {

namespace {

QString text(const std::string &value)
{
    return QString::fromStdString(value);
}

// The project data, one row each, label and value.
void drawProjectTable(PageCanvas &canvas, const common::BookData &book)
{
    const std::array<std::pair<const char *, const std::string *>, 6> rows = {{
        {"工程名称", &book.projectName},
        {"工程编号(卷册检索号)", &book.projectNumber},
        {"设计阶段", &book.designStage},
        {"计算书编号", &book.bookNumber},
        {"版次", &book.revision},
        {"日期", &book.date},
    }};
    const RuledTable table({294, 494, 894}, 330, 28, int(rows.size()));
    table.drawRules(canvas);
    for (int row = 0; row < table.rowCount(); ++row) {
        table.text(canvas, 0, row, QString::fromUtf8(rows[std::size_t(row)].first), 10);
        table.leftText(canvas, 1, row, text(*rows[std::size_t(row)].second), 10);
    }
}

// The signatures: each role with the name typed and room for the hand.
void drawSignatureBlock(PageCanvas &canvas, const common::BookData &book)
{
    const std::array<std::pair<const char *, const std::string *>, 4> roles = {{
        {"计算", &book.calculatedBy},
        {"校核", &book.checkedBy},
        {"审核", &book.reviewedBy},
        {"批准", &book.approvedBy},
    }};
    const RuledTable table({294, 394, 554, 754, 894}, 530, 30, int(roles.size()) + 1);
    table.drawRules(canvas);
    const char *headings[] = {"职责", "姓名", "签名", "日期"};
    for (int column = 0; column < 4; ++column)
        table.text(canvas, column, 0, QString::fromUtf8(headings[column]), 10);
    for (int row = 1; row < table.rowCount(); ++row) {
        table.text(canvas, 0, row, QString::fromUtf8(roles[std::size_t(row - 1)].first), 10);
        table.text(canvas, 1, row, text(*roles[std::size_t(row - 1)].second), 10);
    }
}

} // namespace

void drawCoverPage(PageCanvas &canvas, const common::BookData &book, const QString &subject)
{
    drawTitledFrame(canvas, QString());
    drawMarkupText(594, 210, 28, QStringLiteral("MC"), QString::fromUtf8(bookTitle), canvas);
    drawFittedText(canvas, {60, 250, 1128, 290}, 594, 270, 16, QStringLiteral("MC"), subject);
    drawProjectTable(canvas, book);
    drawSignatureBlock(canvas, book);
    drawFittedText(canvas, {60, 740, 1128, 780}, 594, 760, 16, QStringLiteral("MC"), text(book.company));
    applyPageDefaults(canvas);
}

} // namespace report
