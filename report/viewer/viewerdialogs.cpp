#include "report/viewer/viewerdialogs.h"

#include "common/widgets/usersettings.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTreeView>

namespace report {

namespace {

const QString lastFolderKey = QStringLiteral("fileDialogs/lastFolder");

/// The extension of a filter such as "PDF 文件 (*.pdf)", without the dot.
QString filterSuffix(const QString &nameFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

/**
 * The files of Qt's file dialog with their dates written in the program's
 * locale: the file model writes them in the desktop's, which on an English
 * or unset desktop gives "9 Dec 2026 02:28:41" among Chinese texts.
 */
class LocaleDateFiles final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        constexpr int dateColumn = 3;
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (files != nullptr && index.column() == dateColumn && role == Qt::DisplayRole)
            return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

// The detail list of Qt's file dialog sizes its columns for short English
// headers and dates; a Chinese date with weekday and time is cut. Each column
// gets at least the width of its widest entry.
void widenListColumns(QFileDialog &dialog)
{
    auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (list == nullptr)
        return;
    QHeaderView *header = list->header();
    header->setMinimumSectionSize(60);
    header->resizeSection(0, 260);
    const QFontMetrics metrics(list->font());
    // Size, kind and date at their widest: "1023.99 KiB", "WMF 图像 文件" and "2026/12/31 23:59".
    header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("1023.99 KiB")) + 24);
    header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("WMF 图像 文件")) + 24);
    header->resizeSection(3, metrics.horizontalAdvance(QLocale().toString(QDateTime(QDate(2026, 12, 31), QTime(23, 59)),
                                                                          QLocale::ShortFormat)) + 24);
}

} // namespace

void prepareFileDialog(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new LocaleDateFiles(&dialog));
    widenListColumns(dialog);
    dialog.resize(760, 460);

    // Every file dialog starts where the last one was confirmed: a project's
    // files live together, wherever the program was started.
    const QString lastFolder = common::UserSettings().value(lastFolderKey).toString();
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        dialog.setDirectory(lastFolder);
    QObject::connect(&dialog, &QDialog::accepted, &dialog, [&dialog] {
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty())
            return;
        const QFileInfo first(chosen.front());
        common::UserSettings().setValue(lastFolderKey,
                                        first.isDir() ? first.absoluteFilePath() : first.absolutePath());
    });
}

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget *parent, const QString &title, const QStringList &nameFilters,
                                            const QString &suggestedName)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title);
    prepareFileDialog(*dialog);
    // Pages are replaced without a question, as they always were: saving
    // the same report again is the usual case.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(nameFilters);
    dialog->setDefaultSuffix(filterSuffix(nameFilters.value(0)));
    QFileDialog *shown = dialog.get();
    QObject::connect(shown, &QFileDialog::filterSelected, shown,
                     [shown](const QString &filter) { shown->setDefaultSuffix(filterSuffix(filter)); });
    dialog->selectFile(suggestedName);
    return dialog;
}

std::unique_ptr<QPrintDialog> makePrintDialog(QPrinter &printer, QWidget *parent)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    // Printing into a PDF file is offered even where no printer is set up.
    dialog->setOption(QAbstractPrintDialog::PrintToFile);
    // The viewer decides which pages go out; a page range would not apply.
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog;
}

QString QtViewerDialogs::saveFileName(QWidget *parent, const QString &title, const QStringList &nameFilters,
                                      const QString &suggestedName)
{
    const std::unique_ptr<QFileDialog> dialog = makeSaveDialog(parent, title, nameFilters, suggestedName);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

bool QtViewerDialogs::setUpPrinter(QWidget *parent, QPrinter &printer)
{
    return makePrintDialog(printer, parent)->exec() == QDialog::Accepted;
}

} // namespace report
