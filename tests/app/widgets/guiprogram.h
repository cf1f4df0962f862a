#pragma once

#include "app/widgets/programwindows.h"
#include "common/widgets/dialogrunner.h"
#include "common/widgets/usersettings.h"
#include "support/scriptedmessenger.h"

#include <QDialog>
#include <QObject>
#include <QSettings>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

/// A fresh current directory for one test, so that the program's files never touch the user's.
class TemporaryCurrentDirectory
{
public:
    TemporaryCurrentDirectory() : mPrevious(QDir::currentPath()) { QDir::setCurrent(mDirectory.path()); }
    ~TemporaryCurrentDirectory() { QDir::setCurrent(mPrevious); }

    TemporaryCurrentDirectory(const TemporaryCurrentDirectory &) = delete;
    TemporaryCurrentDirectory &operator=(const TemporaryCurrentDirectory &) = delete;

    QString filePath(const QString &name) const { return mDirectory.filePath(name); }

private:
    QTemporaryDir mDirectory;
    QString mPrevious;
};

/**
 * Answers the main window's modal dialogs from a script instead of a modal
 * loop: each answer drives the dialog and closes it with accept() or
 * reject(). A dialog without a scripted answer is cancelled.
 */
class ScriptedDialogRunner : public common::DialogRunner
{
public:
    using Answer = std::function<void(QDialog &)>;

    void expect(Answer answer) { mAnswers.push_back(std::move(answer)); }

    int run(QDialog &dialog) override
    {
        shown.push_back(&dialog);
        dialog.setResult(QDialog::Rejected);
        if (mAnswers.empty()) {
            dialog.reject();
        } else {
            Answer answer = std::move(mAnswers.front());
            mAnswers.pop_front();
            answer(dialog);
        }
        return dialog.result();
    }

    /// The dialogs run so far, in order.
    std::vector<QDialog *> shown;

private:
    std::deque<Answer> mAnswers;
};

inline void acceptDialog(QDialog &dialog)
{
    dialog.accept();
}

/// The seven windows as the program creates them, with scripted messages and dialogs.
struct GuiProgram
{
    /// \a answers: the messages expected while the windows are created, and later.
    explicit GuiProgram(std::deque<common::MessageAnswer> answers = {})
        : messenger(std::move(answers)), windows(std::make_unique<app::ProgramWindows>(messenger, dialogs))
    {
    }

    TForm_zcx &main() { return windows->Form_zcx; }
    TForm_print &viewer() { return windows->Form_print; }

    /// Texts of the messages shown so far.
    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const common::Message &message : messenger.shown)
            texts.push_back(message.text);
        return texts;
    }

    ScriptedMessenger messenger;
    ScriptedDialogRunner dialogs;
    std::unique_ptr<app::ProgramWindows> windows;
};

/**
 * The base of the main window's test classes: before each test the program
 * starts afresh, as a new user's first run, in a current directory of its
 * own, and shows its main window, active; after the test the program ends,
 * then its directory goes.
 */
class MainWindowTestCase : public QObject
{
    Q_OBJECT

protected:
    std::optional<TemporaryCurrentDirectory> mFolder;
    std::optional<GuiProgram> mProgram;
    TForm_zcx &window() { return mProgram->main(); }
    TForm_print &viewer() { return mProgram->viewer(); }

private Q_SLOTS:
    void init()
    {
        mFolder.emplace();
        common::UserSettings().clear(); // no recent files
        mProgram.emplace();
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    void cleanup()
    {
        mProgram.reset();
        mFolder.reset();
    }
};

/// Replaces the text of \a edit as the user would: select all, Backspace, then type \a keys.
inline void replaceText(QLineEdit *edit, const QString &keys)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

/// The text the load grid shows in cell (\a column, \a row).
inline QString cellText(const TForm_zcx &window, int column, int row)
{
    return window.SGrid_hz->item(row, column)->text();
}
