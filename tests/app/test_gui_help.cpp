// The help window's text: every line in order, blue, 12 points with 5-point gaps, read-only.
#include "guitests.h"

#include "help/helptext.h"
#include "help/helpwindow.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

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
};

std::unique_ptr<QObject> makeHelpWindowTest()
{
    return std::make_unique<HelpWindowTest>();
}

#include "test_gui_help.moc"
