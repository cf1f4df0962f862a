// The dialog 计算书信息 from the menu 文件(F): what it confirms goes into the
// span, and the design company and the engineer's name carry over to the
// next span.
#include "guiprogram.h"
#include "guitests.h"

#include "app/widgets/bookdialog.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using Book = common::BookData;

class BookDialogTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    /// Opens the dialog through the menu; \a answer fills it and closes it.
    void openBook(std::function<void(TForm_jssxx &)> answer)
    {
        mProgram->dialogs.expect([answer](QDialog &dialog) { answer(static_cast<TForm_jssxx &>(dialog)); });
        window().Action_book->trigger();
    }

private Q_SLOTS:
    void confirmedFieldsGoIntoTheSpan()
    {
        QVERIFY(!window().document()->isChanged(window().currentSpan()));
        openBook([](TForm_jssxx &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("计算书信息"));
            dialog.edit(&Book::projectName)->setText(QStringLiteral("某220kV变电站"));
            QTest::keyClicks(dialog.edit(&Book::revision), QStringLiteral("B"));
            dialog.edit(&Book::checkedBy)->setText(QStringLiteral("李四"));
            dialog.accept();
        });
        QCOMPARE(window().model().book().projectName, std::string("某220kV变电站"));
        QCOMPARE(window().model().book().revision, std::string("B"));
        QCOMPARE(window().model().book().checkedBy, std::string("李四"));
        QVERIFY(window().document()->isChanged(window().currentSpan()));

        // 取消 leaves the span's book as it was.
        openBook([](TForm_jssxx &dialog) {
            QCOMPARE(dialog.edit(&Book::projectName)->text(), QStringLiteral("某220kV变电站"));
            dialog.edit(&Book::projectName)->clear();
            dialog.reject();
        });
        QCOMPARE(window().model().book().projectName, std::string("某220kV变电站"));
    }

    void companyAndEngineerCarryOverToASpanWithoutThem()
    {
        openBook([](TForm_jssxx &dialog) {
            QVERIFY(dialog.edit(&Book::company)->text().isEmpty());
            dialog.edit(&Book::company)->setText(QStringLiteral("某电力设计院"));
            dialog.edit(&Book::calculatedBy)->setText(QStringLiteral("张三"));
            dialog.edit(&Book::checkedBy)->setText(QStringLiteral("李四"));
            dialog.accept();
        });

        mProgram->messenger.expect(common::MessageAnswer::Discard);
        window().Action_new->trigger();
        QVERIFY(window().model().book().isEmpty());
        openBook([](TForm_jssxx &dialog) {
            QCOMPARE(dialog.edit(&Book::company)->text(), QStringLiteral("某电力设计院"));
            QCOMPARE(dialog.edit(&Book::calculatedBy)->text(), QStringLiteral("张三"));
            // The other signatures are the span's own.
            QVERIFY(dialog.edit(&Book::checkedBy)->text().isEmpty());
            // A span's own engineer stays; an emptied company is not remembered as empty.
            dialog.edit(&Book::calculatedBy)->setText(QStringLiteral("王五"));
            dialog.edit(&Book::company)->clear();
            dialog.accept();
        });
        QCOMPARE(window().model().book().company, std::string());

        openBook([](TForm_jssxx &dialog) {
            QCOMPARE(dialog.edit(&Book::calculatedBy)->text(), QStringLiteral("王五"));
            QCOMPARE(dialog.edit(&Book::company)->text(), QStringLiteral("某电力设计院"));
            dialog.reject();
        });
    }
};

std::unique_ptr<QObject> makeBookDialogTest()
{
    return std::make_unique<BookDialogTest>();
}

#include "test_gui_bookdialog.moc"
