// Keyboard and clipboard in the main window's number fields: a paste goes in
// whole when typing would let every character in, else it is refused whole, the editing shortcuts and the cursor keys
// work, and typing on a cell without editor leaves the selection alone.
#include "guiprogram.h"
#include "guitests.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>


using app::EditBox;

class ClipboardTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    static void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }

private Q_SLOTS:
    void aPasteThatIsNoNumberIsRefusedWhole()
    {
        QLineEdit *span = window().edit(EditBox::Edit_L);
        span->setFocus();
        span->selectAll();
        const QString before = span->text();
        setClipboard(QStringLiteral("220kV#1主变进线间隔跨线"));
        mProgram->messenger.expect();
        QTest::keyClick(span, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(span->text(), before);
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
        QCOMPARE(mProgram->messenger.shown[0].text, std::string("粘贴的内容“220kV#1主变进线间隔跨线”不是有效的数值,未粘贴."));
        QCOMPARE(mProgram->messenger.shown[0].caption, std::string("语法检查"));

        // Shift+Insert and the middle button take the same road.
        mProgram->messenger.expect();
        QTest::keyClick(span, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(span->text(), before);

        // A number copied from a spreadsheet cell, line break and all, goes in.
        span->selectAll();
        setClipboard(QStringLiteral("42.5\r\n"));
        QTest::keyClick(span, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(span->text(), QStringLiteral("42.5"));
        QCOMPARE(window().model().text(EditBox::Edit_L), "42.5");
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{2});
    }

    void gridCellPasteTakesDigitsAndPointsOnly()
    {
        TForm_zcx &w = window();
        w.SGrid_hz->setFocus();
        w.SGrid_hz->setCurrentCell(5, 2);
        auto *editor = w.SGrid_hz->findChild<QLineEdit *>(QStringLiteral("SGrid_hzEditor"));
        QVERIFY(editor != nullptr);
        editor->selectAll();
        setClipboard(QStringLiteral("2.5\n"));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QStringLiteral("2.5"));
        QCOMPARE(w.model().cell(2, 5), "2.5");
        editor->selectAll();
        setClipboard(QStringLiteral("ab2.5"));
        mProgram->messenger.expect();
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text(), QStringLiteral("2.5"));
    }

    void editingShortcutsAndCursorKeysWork()
    {
        QLineEdit *sag = window().edit(EditBox::Edit_f);
        sag->setFocus();
        replaceText(sag, QStringLiteral("12.5"));
        QTest::keyClick(sag, Qt::Key_Home);
        QTest::keyClick(sag, Qt::Key_Delete);
        QTest::keyClick(sag, Qt::Key_End);
        QTest::keyClick(sag, Qt::Key_Left);
        QTest::keyClick(sag, Qt::Key_Backspace);
        QCOMPARE(sag->text(), QStringLiteral("25"));

        QTest::keyClick(sag, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(sag->selectedText(), QStringLiteral("25"));
        QTest::keyClick(sag, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("25"));
        QTest::keyClick(sag, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(sag->text(), QStringLiteral(""));
        QTest::keyClick(sag, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(sag->text(), QStringLiteral("25"));
        QTest::keyClick(sag, Qt::Key_End);
        QTest::keyClick(sag, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(sag->text(), QStringLiteral("2525"));
        QCOMPARE(window().model().text(EditBox::Edit_f), "2525");
    }

    void typingOnACellWithoutEditorKeepsTheSelection()
    {
        TForm_zcx &w = window();
        w.SGrid_hz->setFocus();
        w.SGrid_hz->setCurrentCell(9, 1); // "此处不填"
        QTest::keyClicks(w.SGrid_hz, QStringLiteral("N"));
        QCOMPARE(w.SGrid_hz->currentRow(), 9);
        QCOMPARE(w.SGrid_hz->currentColumn(), 1);
        QTest::keyClick(w.SGrid_hz, Qt::Key_Up);
        QCOMPARE(w.SGrid_hz->currentRow(), 8);
    }
};

std::unique_ptr<QObject> makeClipboardTest()
{
    return std::make_unique<ClipboardTest>();
}

#include "test_gui_clipboard.moc"
