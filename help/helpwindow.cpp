#include "help/helpwindow.h"

#include "help/helptext.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {

constexpr int clientWidth = 746;
constexpr int clientHeight = 443;
constexpr int margin = 8;
constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;

constexpr int lineSize_pt = 12;
// An empty paragraph this small separates the lines by a narrow gap.
constexpr int gapSize_pt = 5;

QTextCharFormat helpFormat(int points)
{
    QTextCharFormat format;
    format.setForeground(QColor(Qt::blue));
    format.setFontPointSize(points);
    return format;
}

} // namespace

TForm_help::TForm_help(QWidget *parent)
    : QDialog(parent)
    , RichEdit_help(new QTextEdit(this))
    , Button_ok(new QPushButton(QStringLiteral("确定"), this))
{
    setObjectName(QStringLiteral("Form_help"));
    setWindowTitle(QStringLiteral("帮助"));
    setModal(false);
    setFixedSize(clientWidth, clientHeight);

    RichEdit_help->setObjectName(QStringLiteral("RichEdit_help"));
    RichEdit_help->setReadOnly(true);
    RichEdit_help->setAcceptRichText(false);
    RichEdit_help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit_help->setGeometry(margin, margin, clientWidth - 2 * margin,
                               clientHeight - 3 * margin - buttonHeight);

    Button_ok->setObjectName(QStringLiteral("Button_ok"));
    Button_ok->setGeometry((clientWidth - buttonWidth) / 2, clientHeight - margin - buttonHeight, buttonWidth,
                           buttonHeight);
    Button_ok->setDefault(true);
    connect(Button_ok, &QPushButton::clicked, this, &QDialog::accept);

    fillHelpText();
}

void TForm_help::fillHelpText()
{
    RichEdit_help->clear();
    RichEdit_help->setCurrentCharFormat(helpFormat(11));

    // A line too long for the box wraps; its wrapped lines keep the same gap
    // as separate lines. So every line of a paragraph is followed by the
    // height of a 5-point line, and the empty 5-point paragraph after each
    // line of the text takes no height of its own.
    QFont gapFont = RichEdit_help->font();
    gapFont.setPointSize(gapSize_pt);
    QTextBlockFormat lineFormat;
    lineFormat.setLineHeight(QFontMetricsF(gapFont).height(), QTextBlockFormat::LineDistanceHeight);
    QTextBlockFormat gapFormat;
    gapFormat.setLineHeight(0, QTextBlockFormat::FixedHeight);

    QTextCursor cursor(RichEdit_help->document());
    bool first = true;
    for (std::string_view line : help::helpLines()) {
        if (!first) {
            cursor.insertBlock(lineFormat, helpFormat(lineSize_pt));
        } else {
            cursor.setBlockFormat(lineFormat);
            cursor.setBlockCharFormat(helpFormat(lineSize_pt));
        }
        first = false;
        cursor.insertText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())),
                          helpFormat(lineSize_pt));
        cursor.insertBlock(gapFormat, helpFormat(gapSize_pt));
    }
    RichEdit_help->moveCursor(QTextCursor::Start);
}
