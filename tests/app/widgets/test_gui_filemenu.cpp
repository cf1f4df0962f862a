// The 文件(F) menu as the user meets it: span files saved, reopened, asked
// about before they are left, refused when damaged, and the old data files
// carried in and out.
#include "guiprogram.h"
#include "guitests.h"

#include "app/model/spandocument.h"
#include "app/model/spanfile.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTest>


using app::EditBox;

namespace {

/// Answers a file dialog with \a path as if the user had typed it and pressed the dialog's OK.
ScriptedDialogRunner::Answer choose(const QString &path)
{
    return [path](QDialog &dialog) {
        auto &files = static_cast<QFileDialog &>(dialog);
        files.selectFile(path);
        dialog.accept(); // QFileDialog::accept(), which checks the name like the button
    };
}

/// Answers a file dialog of several files with \a names, all in \a folder.
ScriptedDialogRunner::Answer chooseSeveral(const QString &folder, const QStringList &names)
{
    return [folder, names](QDialog &dialog) {
        auto &files = static_cast<QFileDialog &>(dialog);
        files.setDirectory(folder);
        files.selectFile(QStringLiteral("\"") + names.join(QStringLiteral("\" \"")) + QStringLiteral("\""));
        dialog.accept();
    };
}

QString caption(const QString &file = {})
{
    const QString program = QString::fromUtf8(app::programCaption);
    return file.isEmpty() ? program : program + QStringLiteral(" - ") + file;
}

} // namespace

class FileMenuTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    QString path(const QString &name) const { return mFolder->filePath(name); }

    /// Types \a length as the span and saves the span as \a name through 另存为....
    void saveAs(const QString &name, const QString &length)
    {
        replaceText(window().edit(EditBox::Edit_L), length);
        mProgram->dialogs.expect(choose(path(name)));
        window().Action_saveAs->trigger();
    }

private Q_SLOTS:
    void theCaptionFollowsTheFileAndItsUnsavedChanges()
    {
        QCOMPARE(window().windowTitle(), caption());
        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("40"));
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("a.tenrix")));
        QVERIFY(QFile::exists(path(QStringLiteral("a.tenrix"))));

        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("41"));
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("a.tenrix*")));

        // 保存 writes to the file it came from without asking for a name.
        const std::size_t dialogsBefore = mProgram->dialogs.shown.size();
        window().Action_save->trigger();
        QCOMPARE(mProgram->dialogs.shown.size(), dialogsBefore);
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("a.tenrix")));
        const app::ReadSpan read = app::readSpanFile(path(QStringLiteral("a.tenrix")).toStdString());
        QCOMPARE(read.span.window.text(EditBox::Edit_L), std::string("41"));
        QVERIFY(mProgram->messenger.shown.empty());
    }

    void leavingUnsavedChangesAsksFirst()
    {
        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("40"));
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("41"));

        // 取消 keeps the span as it is.
        mProgram->messenger.expect(common::MessageAnswer::Cancel);
        window().Action_new->trigger();
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
        QCOMPARE(mProgram->messenger.shown[0].text, std::string("保存对 a.tenrix 的修改吗?"));
        QCOMPARE(mProgram->messenger.shown[0].buttons, common::MessageButtons::SaveDiscardCancel);
        QCOMPARE(window().edit(EditBox::Edit_L)->text(), QStringLiteral("41"));

        // 保存 writes the change, then the new span starts from the defaults.
        mProgram->messenger.expect(common::MessageAnswer::Save);
        window().Action_new->trigger();
        QCOMPARE(window().windowTitle(), caption());
        QVERIFY(window().edit(EditBox::Edit_L)->text() != QStringLiteral("41"));
        QCOMPARE(app::readSpanFile(path(QStringLiteral("a.tenrix")).toStdString()).span.window.text(EditBox::Edit_L),
                 std::string("41"));

        // 不保存 leaves the file as it was.
        QVERIFY(window().openSpanFile(path(QStringLiteral("a.tenrix"))));
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("42"));
        mProgram->messenger.expect(common::MessageAnswer::Discard);
        window().Action_new->trigger();
        QCOMPARE(app::readSpanFile(path(QStringLiteral("a.tenrix")).toStdString()).span.window.text(EditBox::Edit_L),
                 std::string("41"));
    }

    void aDamagedFileIsRefusedAndChangesNothing()
    {
        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("40"));
        QFile damaged(path(QStringLiteral("b.tenrix")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\"format\": \"tenrix-span\", \"version\": 1, ");
        damaged.close();

        mProgram->dialogs.expect(choose(path(QStringLiteral("b.tenrix"))));
        mProgram->messenger.expect();
        window().Action_open->trigger();
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
        const common::Message &refusal = mProgram->messenger.shown[0];
        QCOMPARE(refusal.icon, common::MessageIcon::Error);
        QVERIFY(refusal.text.find("b.tenrix") != std::string::npos);
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("a.tenrix")));
        QCOMPARE(window().edit(EditBox::Edit_L)->text(), QStringLiteral("40"));
    }

    void aSpanFileThatCannotBeSavedSaysWhy()
    {
        mProgram->messenger.expect();
        saveAs(QStringLiteral("missing/a.tenrix"), QStringLiteral("40"));
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
        QCOMPARE(mProgram->messenger.shown[0].text,
                 "跨线文件 " + path(QStringLiteral("missing/a.tenrix")).toStdString() + " 未能保存: 文件夹不存在,原有文件保持不变.");
        QCOMPARE(window().windowTitle(), caption());
    }

    void recentFilesListTheOpenedOnesAndDropTheMissing()
    {
        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("40"));
        saveAs(QStringLiteral("b.tenrix"), QStringLiteral("41"));
        QVERIFY(QFile::remove(path(QStringLiteral("a.tenrix"))));

        Q_EMIT window().Menu_recent->aboutToShow();
        const QList<QAction *> entries = window().Menu_recent->actions();
        QVERIFY(entries.size() >= 2);
        QVERIFY(entries[0]->text().contains(QStringLiteral("b.tenrix")));
        QVERIFY(entries.last()->text().contains(QStringLiteral("a.tenrix")));
        QVERIFY(!entries.last()->isEnabled());

        // The entry opens its file.
        window().Action_new->trigger();
        entries[0]->trigger();
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("b.tenrix")));
        QCOMPARE(window().edit(EditBox::Edit_L)->text(), QStringLiteral("41"));
    }

    void theDataFilesGoOutAndComeBackThroughAFolder()
    {
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("40"));
        const QString folder = path(QStringLiteral("old"));
        QVERIFY(QDir().mkpath(folder));
        mProgram->dialogs.expect(choose(folder));
        window().Action_export->trigger();
        QVERIFY(QFile::exists(folder + QStringLiteral("/temp_input.dat")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/default.dat")));

        // The import replaces the window's span, so unsaved edits are asked about first.
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("50"));
        mProgram->messenger.expect(common::MessageAnswer::Discard);
        mProgram->dialogs.expect(choose(folder));
        window().Action_import->trigger();
        QCOMPARE(window().edit(EditBox::Edit_L)->text(), QStringLiteral("40"));
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
    }

    void anImportIntoAnOpenSpanFileOpensAsAnUntitledSpan()
    {
        const QString folder = path(QStringLiteral("old"));
        QVERIFY(QDir().mkpath(folder));
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("40"));
        mProgram->dialogs.expect(choose(folder));
        window().Action_export->trigger();

        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("45"));
        mProgram->dialogs.expect(choose(folder));
        window().Action_import->trigger();
        QCOMPARE(window().edit(EditBox::Edit_L)->text(), QStringLiteral("40"));
        QCOMPARE(window().windowTitle(), caption());

        // Saving asks for a name; a.tenrix keeps what it had.
        mProgram->dialogs.expect(choose(path(QStringLiteral("imported.tenrix"))));
        window().Action_save->trigger();
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("imported.tenrix")));
        QCOMPARE(app::readSpanFile(path(QStringLiteral("a.tenrix")).toStdString()).span.window.text(EditBox::Edit_L),
                 std::string("45"));
        QVERIFY(mProgram->messenger.shown.empty());
    }

    void discardedEditsOnClosingReachNoFile()
    {
        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("40"));
        window().close();
        mProgram.emplace();
        QVERIFY(window().openSpanFile(path(QStringLiteral("a.tenrix"))));
        const QByteArray lastInputs = [] {
            QFile file(QStringLiteral("temp_input.dat"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("99"));
        mProgram->messenger.expect(common::MessageAnswer::Discard);
        window().close();
        QFile file(QStringLiteral("temp_input.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), lastInputs);
        QCOMPARE(app::readSpanFile(path(QStringLiteral("a.tenrix")).toStdString()).span.window.text(EditBox::Edit_L),
                 std::string("40"));
    }

    void aBatchWritesItsSummaryAndPdfAndNamesTheSpanItCouldNotRead()
    {
        saveAs(QStringLiteral("a.tenrix"), QStringLiteral("40"));
        saveAs(QStringLiteral("b.tenrix"), QStringLiteral("45"));
        QFile damaged(path(QStringLiteral("c.tenrix")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a span");
        damaged.close();

        mProgram->messenger.expect(common::MessageAnswer::Files);
        mProgram->dialogs.expect(chooseSeveral(path({}), {QStringLiteral("a.tenrix"), QStringLiteral("c.tenrix"),
                                                          QStringLiteral("b.tenrix")}));
        mProgram->dialogs.expect(choose(path(QStringLiteral("汇总"))));
        mProgram->messenger.expect();
        window().Action_batch->trigger();

        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{2});
        const common::Message &done = mProgram->messenger.shown[1];
        QCOMPARE(done.caption, std::string("批量计算"));
        // A span that was not computed is a warning, though the files were written.
        QCOMPARE(done.icon, common::MessageIcon::Warning);
        const QString text = QString::fromStdString(done.text);
        QVERIFY2(text.startsWith(QStringLiteral("批量计算: 共 3 个跨线, 计算完成 2 个.\nc.tenrix: ")),
                 qPrintable(text));
        QVERIFY(QFileInfo(path(QStringLiteral("汇总.xlsx"))).size() > 0);
        QVERIFY(QFileInfo(path(QStringLiteral("汇总.pdf"))).size() > 0);
        // The batch leaves the span in the window alone.
        QCOMPARE(window().windowTitle(), caption(QStringLiteral("b.tenrix")));
    }

    void aBatchOfAFolderTakesItsSpanFilesAndSaysWhenThereAreNone()
    {
        const QString folder = path(QStringLiteral("spans"));
        QVERIFY(QDir().mkpath(folder));
        mProgram->messenger.expect(common::MessageAnswer::Folder);
        mProgram->dialogs.expect(choose(folder));
        mProgram->messenger.expect();
        window().Action_batch->trigger();
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{2});
        QCOMPARE(mProgram->messenger.shown[1].icon, common::MessageIcon::Error);
        QVERIFY(QDir(folder).isEmpty());

        saveAs(QStringLiteral("spans/b.tenrix"), QStringLiteral("45"));
        saveAs(QStringLiteral("spans/a.tenrix"), QStringLiteral("40"));
        mProgram->messenger.expect(common::MessageAnswer::Folder);
        mProgram->dialogs.expect(choose(folder));
        mProgram->dialogs.expect(choose(path(QStringLiteral("汇总.csv"))));
        mProgram->messenger.expect();
        window().Action_batch->trigger();
        QCOMPARE(QString::fromStdString(mProgram->messenger.shown.back().text).section(u'\n', 0, 0),
                 QStringLiteral("批量计算: 共 2 个跨线, 计算完成 2 个."));
        QCOMPARE(mProgram->messenger.shown.back().icon, common::MessageIcon::Information);
        QFile summary(path(QStringLiteral("汇总.csv")));
        QVERIFY(summary.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = summary.readAll().split('\n');
        // Header, a.tenrix, b.tenrix (name order, not the order saved), and the empty end.
        QCOMPARE(rows.size(), 4);
        QVERIFY(rows[1].startsWith(QFile::encodeName(path(QStringLiteral("spans/a.tenrix")))));
        QVERIFY(QFile::exists(path(QStringLiteral("汇总.pdf"))));
    }
};

std::unique_ptr<QObject> makeFileMenuTest()
{
    return std::make_unique<FileMenuTest>();
}

#include "test_gui_filemenu.moc"
