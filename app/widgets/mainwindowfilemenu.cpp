// The main window's menu "文件(F)": span files and their book's data, the
// two data files of earlier versions, and the batch of many spans.
#include "app/widgets/mainwindow.h"

#include "app/model/lastinputfile.h"
#include "app/widgets/bookdialog.h"
#include "common/filewriteerror.h"
#include "common/messenger.h"
#include "common/widgets/dialogrunner.h"
#include "common/widgets/qtutf8.h"
#include "common/widgets/usersettings.h"
#include "options/dialog/optionsdialog.h"
#include "options/model/optionsfile.h"
#include "options/model/optionsmodel.h"
#include "options/model/optionstexts.h"
#include "report/viewer/resultviewer.h"
#include "report/viewer/viewerdialogs.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>


using common::toQString;
using common::toUtf8;

namespace {

const QString spanFilter = QStringLiteral("跨线文件 (*.tenrix)");
const std::string spanFileCaption = "跨线文件";
const QString recentFilesKey = QStringLiteral("recentFiles");

std::filesystem::path toPath(const QString &file)
{
    return std::filesystem::path(file.toStdString());
}

QString absolute(const QString &file)
{
    return QFileInfo(file).absoluteFilePath();
}

} // namespace

void TForm_zcx::buildMenu()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    Menu_file = MainMenu->addMenu(QStringLiteral("文件(&F)"));
    Menu_file->setObjectName(QStringLiteral("Menu_file"));

    const auto addAction = [this](const char *name, const QString &text, const QKeySequence &keys, auto handler) {
        QAction *action = Menu_file->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    Action_new = addAction("Action_new", QStringLiteral("新建"), QKeySequence(Qt::CTRL | Qt::Key_N),
                           [this] { FileNewClick(); });
    Action_open = addAction("Action_open", QStringLiteral("打开..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                            [this] { FileOpenClick(); });
    Action_save = addAction("Action_save", QStringLiteral("保存"), QKeySequence(Qt::CTRL | Qt::Key_S),
                            [this] { FileSaveClick(); });
    Action_saveAs = addAction("Action_saveAs", QStringLiteral("另存为..."),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { FileSaveAsClick(); });
    Menu_recent = Menu_file->addMenu(QStringLiteral("最近打开的文件"));
    Menu_recent->setObjectName(QStringLiteral("Menu_recent"));
    connect(Menu_recent, &QMenu::aboutToShow, this, &TForm_zcx::FileRecentShow);
    Menu_file->addSeparator();
    Action_book = addAction("Action_book", QStringLiteral("计算书信息..."), {}, [this] { FileBookClick(); });
    Menu_file->addSeparator();
    Action_import = addAction("Action_import", QStringLiteral("导入 temp_input.dat/default.dat..."), {},
                              [this] { FileImportClick(); });
    Action_export = addAction("Action_export", QStringLiteral("导出为 temp_input.dat/default.dat..."), {},
                              [this] { FileExportClick(); });
    Menu_file->addSeparator();
    Action_batch = addAction("Action_batch", QStringLiteral("批量计算..."), {}, [this] { FileBatchClick(); });
    Menu_file->addSeparator();
    Action_exit = addAction("Action_exit", QStringLiteral("退出"), {}, [this] { Button_closeClick(); });

    std::vector<std::string> stored;
    for (const QString &file : common::UserSettings().value(recentFilesKey).toStringList())
        stored.push_back(toUtf8(file));
    mRecentFiles = app::RecentFiles(stored);
}

app::SpanFile TForm_zcx::currentSpan() const
{
    app::SpanFile span;
    span.window = mModel;
    span.shortCircuit = mShortCircuit;
    span.clearances = mClearances;
    if (mWindows.options != nullptr) {
        span.options = mWindows.options->optionsTexts();
        span.reserved = options::reservedNumbers(mWindows.options->model().snapshot());
    }
    if (mDocument)
        span.document = mDocument->keptDocument();
    return span;
}

std::string TForm_zcx::calculationInputsText() const
{
    app::SpanFile span = currentSpan();
    span.document = nlohmann::ordered_json::object();
    if (mWindows.options != nullptr)
        span.designCheck = mWindows.options->designCheckOptions();
    return app::spanFileText(span);
}

void TForm_zcx::refreshCaption()
{
    if (mDocument)
        setWindowTitle(toQString(mDocument->caption(currentSpan())));
    // Every change of an input passes here: the viewer and the panel of the
    // governing figures learn at once whether they still show the inputs' results.
    if (mComputedInputs.empty())
        return;
    const bool current = calculationInputsText() == mComputedInputs;
    if (mWindows.viewer != nullptr)
        mWindows.viewer->setReportCurrent(current);
    showGoverning(current);
}

void TForm_zcx::spanFileMessage(const std::string &text, common::MessageIcon icon)
{
    mMessenger.show({text, spanFileCaption, icon, common::MessageButtons::Ok});
}

bool TForm_zcx::settleUnsavedChanges(bool *discarded)
{
    if (!mDocument || !mDocument->isChanged(currentSpan()))
        return true;
    switch (mMessenger.show({mDocument->saveQuestion(), app::programCaption, common::MessageIcon::Question,
                             common::MessageButtons::SaveDiscardCancel})) {
    case common::MessageAnswer::Save:
        return FileSaveClick();
    case common::MessageAnswer::Discard:
        if (discarded != nullptr)
            *discarded = true;
        return true;
    default:
        return false;
    }
}

QStringList TForm_zcx::chooseFiles(const QString &caption, int fileMode, bool saving, const QString &suggested)
{
    QFileDialog dialog(this, caption);
    report::prepareFileDialog(dialog);
    dialog.setFileMode(static_cast<QFileDialog::FileMode>(fileMode));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (fileMode != QFileDialog::Directory) {
        dialog.setNameFilter(spanFilter);
        dialog.setDefaultSuffix(QStringLiteral("tenrix"));
    }
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (mDialogs.run(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void TForm_zcx::showSpan(const app::SpanFile &span)
{
    mModel = span.window;
    mShortCircuit = span.shortCircuit;
    mClearances = span.clearances;
    if (mWindows.options != nullptr)
        mWindows.options->showSettings(span.options, span.reserved);
    showModel();
}

void TForm_zcx::rememberRecentFile(const QString &file)
{
    mRecentFiles.add(toUtf8(absolute(file)));
    storeRecentFiles();
}

void TForm_zcx::storeRecentFiles() const
{
    QStringList files;
    for (const std::string &file : mRecentFiles.files())
        files.append(toQString(file));
    common::UserSettings().setValue(recentFilesKey, files);
}

bool TForm_zcx::openSpanFile(const QString &file)
{
    app::ReadSpan read;
    try {
        read = app::readSpanFile(toPath(file));
    } catch (const app::SpanFileError &error) {
        spanFileMessage(error.what(), common::MessageIcon::Error);
        return false;
    }
    showSpan(read.span);
    app::SpanFile opened = currentSpan();
    opened.document = read.span.document;
    mDocument->setSaved(toPath(absolute(file)), opened);
    rememberRecentFile(file);
    refreshCaption();
    if (!read.missingKeys.empty())
        spanFileMessage(app::missingKeysNote(toUtf8(file), read.missingKeys), common::MessageIcon::Information);
    return true;
}

bool TForm_zcx::saveSpanFile(const QString &file)
{
    const app::SpanFile span = currentSpan();
    try {
        app::writeSpanFile(toPath(file), span);
    } catch (const common::FileWriteError &error) {
        spanFileMessage("跨线文件 " + toUtf8(file) + " 未能保存: " + error.reason() + ",原有文件保持不变.",
                        common::MessageIcon::Error);
        return false;
    } catch (const nlohmann::json::exception &) {
        spanFileMessage("跨线文件 " + toUtf8(file) + " 未能保存: 输入中有无法保存的字符.", common::MessageIcon::Error);
        return false;
    }
    mDocument->setSaved(toPath(absolute(file)), span);
    rememberRecentFile(file);
    refreshCaption();
    return true;
}

void TForm_zcx::FileNewClick()
{
    if (!settlePendingExitCheck() || !settleUnsavedChanges())
        return;
    // The options are the settings every span shares; a new span keeps them.
    // The short circuit and the clearances are the span's own and start blank.
    mModel = app::MainWindowModel();
    mShortCircuit = options::ShortCircuitOptions();
    mClearances = options::ClearanceOptions();
    showModel();
    mDocument->startUntitled(currentSpan());
    refreshCaption();
}

void TForm_zcx::FileOpenClick()
{
    if (!settlePendingExitCheck() || !settleUnsavedChanges())
        return;
    const QStringList files = chooseFiles(QStringLiteral("打开跨线文件"), QFileDialog::ExistingFile, false);
    if (!files.isEmpty())
        openSpanFile(files.front());
}

bool TForm_zcx::FileSaveClick()
{
    if (!mDocument->hasFile())
        return FileSaveAsClick();
    return saveSpanFile(toQString(mDocument->file().string()));
}

bool TForm_zcx::FileSaveAsClick()
{
    const QString suggested = mDocument->hasFile() ? toQString(mDocument->file().string())
                                                   : toQString(mModel.text(app::EditBox::Edit_bt)) + QStringLiteral(".tenrix");
    const QStringList files = chooseFiles(QStringLiteral("跨线文件另存为"), QFileDialog::AnyFile, true, suggested);
    return !files.isEmpty() && saveSpanFile(files.front());
}

void TForm_zcx::FileRecentShow()
{
    const std::vector<std::string> missing =
        mRecentFiles.removeMissing([](const std::string &file) { return QFileInfo::exists(toQString(file)); });
    if (!missing.empty())
        storeRecentFiles();
    Menu_recent->clear();
    int number = 0;
    for (const std::string &file : mRecentFiles.files()) {
        const QFileInfo info(toQString(file));
        QAction *action = Menu_recent->addAction(
            QStringLiteral("&%1 %2  (%3)").arg(++number).arg(info.fileName(), QDir::toNativeSeparators(info.path())));
        connect(action, &QAction::triggered, this, [this, file] {
            if (settlePendingExitCheck() && settleUnsavedChanges() && !openSpanFile(toQString(file))) {
                mRecentFiles.remove(file);
                storeRecentFiles();
            }
        });
    }
    if (mRecentFiles.files().empty())
        Menu_recent->addAction(QStringLiteral("(无)"))->setEnabled(false);
    if (!missing.empty()) {
        Menu_recent->addSeparator();
        Menu_recent->addAction(toQString(app::missingRecentFilesNote(missing)))->setEnabled(false);
    }
}

void TForm_zcx::FileBookClick()
{
    if (!settlePendingExitCheck())
        return;
    TForm_jssxx dialog(mModel.book(), this);
    if (mDialogs.run(dialog) != QDialog::Accepted)
        return;
    mModel.setBook(dialog.book());
    // Confirmed, the book counts as a change of the span, as the options do.
    mDocument->markChanged();
    refreshCaption();
}

void TForm_zcx::FileImportClick()
{
    if (!settlePendingExitCheck() || !settleUnsavedChanges())
        return;
    const QStringList folders =
        chooseFiles(QStringLiteral("导入 temp_input.dat/default.dat: 选择文件夹"), QFileDialog::Directory, false);
    if (folders.isEmpty())
        return;
    const QDir folder(folders.front());
    const QString inputFile = folder.filePath(QString::fromLatin1(app::lastInputFileName));
    const QString optionsFile = folder.filePath(QString::fromLatin1(options::optionsFileName));
    if (!QFileInfo::exists(inputFile) && !QFileInfo::exists(optionsFile)) {
        spanFileMessage("文件夹 " + toUtf8(folders.front()) + " 中没有 temp_input.dat 或 default.dat.",
                        common::MessageIcon::Error);
        return;
    }

    // Each file is read as at program start, onto the built-in defaults.
    app::SpanFile span = currentSpan();
    if (QFileInfo::exists(optionsFile)) {
        options::OptionsModel imported(toPath(optionsFile));
        if (!imported.loadOptionsFile()) {
            spanFileMessage("文件 " + toUtf8(optionsFile) + " 不完整或无法读取(应有40个数),未导入.",
                            common::MessageIcon::Error);
            return;
        }
        imported.showOptions();
        span.options = options::calculationTexts(imported);
        span.reserved = options::reservedNumbers(imported.snapshot());
    }
    if (QFileInfo::exists(inputFile)) {
        span.window = app::MainWindowModel();
        if (!app::loadLastInputs(span.window, toPath(inputFile))) {
            spanFileMessage("文件 " + toUtf8(inputFile) + " 无法读取,未导入.", common::MessageIcon::Error);
            return;
        }
    }
    // The imported span is a span of its own: saving it must never overwrite
    // the span file that was open before.
    showSpan(span);
    mDocument->startUntitled(currentSpan());
    mDocument->markChanged();
    refreshCaption();
}

void TForm_zcx::FileExportClick()
{
    if (!settlePendingExitCheck())
        return;
    const QStringList folders =
        chooseFiles(QStringLiteral("导出为 temp_input.dat/default.dat: 选择文件夹"), QFileDialog::Directory, false);
    if (folders.isEmpty())
        return;
    const QDir folder(folders.front());
    const QString inputFile = folder.filePath(QString::fromLatin1(app::lastInputFileName));
    const QString optionsFile = folder.filePath(QString::fromLatin1(options::optionsFileName));

    options::OptionsModel exported = mWindows.options != nullptr ? mWindows.options->model() : options::OptionsModel();
    if (const auto badCell = exported.storeOptions()) {
        spanFileMessage("选项中气象表 " + options::conditionCellLabel(*badCell) + " 数据有误,未导出.",
                        common::MessageIcon::Error);
        return;
    }
    if (QFileInfo::exists(inputFile) || QFileInfo::exists(optionsFile)) {
        const common::Message question{"文件夹 " + toUtf8(folders.front()) + " 中已有 temp_input.dat 或 default.dat,是否替换?",
                                    spanFileCaption, common::MessageIcon::Question, common::MessageButtons::OkCancel};
        if (mMessenger.show(question) != common::MessageAnswer::Ok)
            return;
    }
    try {
        options::writeOptionsFile(toPath(optionsFile), exported.snapshot());
    } catch (const common::FileWriteError &error) {
        spanFileMessage("文件 " + toUtf8(optionsFile) + " 未能写入: " + error.reason() + ".",
                        common::MessageIcon::Error);
        return;
    }
    if (const app::LastInputSave saved = app::saveLastInputs(mModel, toPath(inputFile)); !saved)
        spanFileMessage("文件 " + toUtf8(inputFile) + " 未能写入: " + saved.failure + ".", common::MessageIcon::Error);
}
