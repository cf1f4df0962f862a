// The help window's text: every line in order, blue, 12 points with 5-point gaps, read-only.
#include "guitests.h"

#include "help/helptext.h"
#include "help/helpwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <cmath>

class HelpWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheHelpTextLineByLine()
    {
        TForm_help help;
        QCOMPARE(help.windowTitle(), QStringLiteral("帮助"));
        QCOMPARE(help.size(), QSize(746, 443));
        QVERIFY(help.RichEdit_help->isReadOnly());

        // Text blocks alternate: a line at 12 points, then an empty gap at 5 points.
        QTextBlock block = help.RichEdit_help->document()->begin();
        for (std::string_view line : help::helpLines()) {
            QVERIFY(block.isValid());
            QCOMPARE(block.text(), QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
            const QTextCharFormat format = block.begin().fragment().charFormat();
            QCOMPARE(format.fontPointSize(), 12.0);
            QCOMPARE(format.foreground().color(), QColor(Qt::blue));
            block = block.next();
            QVERIFY(block.text().isEmpty());
            QCOMPARE(block.charFormat().fontPointSize(), 5.0);
            block = block.next();
        }
        QVERIFY(!block.isValid());
        QCOMPARE(help::helpLines().back(), std::string_view("  5. 上述所有数据均只供参考，使用时需根据设计资料作核实工作。"));
    }

    void keepsItsSize()
    {
        TForm_help help;
        QCOMPARE(help.minimumSize(), QSize(746, 443));
        QCOMPARE(help.maximumSize(), QSize(746, 443));
        help.resize(900, 600);
        QCOMPARE(help.size(), QSize(746, 443));
    }

    // A line that wraps keeps between its wrapped lines the gap that
    // separates one line of the text from the next.
    void wrappedLinesKeepTheGapOfSeparateLines()
    {
        TForm_help help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTextDocument *document = help.RichEdit_help->document();
        QAbstractTextDocumentLayout *layout = document->documentLayout();
        const auto firstLineTop = [&](const QTextBlock &block) {
            return layout->blockBoundingRect(block).top() + block.layout()->lineAt(0).y();
        };

        std::vector<QTextBlock> lines;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty())
                lines.push_back(block);
        }
        // Lines 3 and 4 of the text ("  1. 左右架构…", "  2. 弧垂…") are short.
        const qreal separatePitch = firstLineTop(lines[3]) - firstLineTop(lines[2]);
        const auto wrapped = std::find_if(lines.begin(), lines.end(),
                                          [](const QTextBlock &block) { return block.layout()->lineCount() > 1; });
        QVERIFY(wrapped != lines.end());
        const QTextLayout *text = wrapped->layout();
        const qreal wrappedPitch = text->lineAt(1).y() - text->lineAt(0).y();
        QVERIFY2(std::abs(wrappedPitch - separatePitch) <= 1.0,
                 qPrintable(QStringLiteral("%1 / %2").arg(wrappedPitch).arg(separatePitch)));
        help.hide();
    }
};

std::unique_ptr<QObject> makeHelpWindowTest()
{
    return std::make_unique<HelpWindowTest>();
}

#include "test_gui_help.moc"
