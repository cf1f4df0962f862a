#include "app/viewerdialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTreeView>

namespace app {

namespace {

/// The extension of a filter such as "PDF 文件 (*.pdf)", without the dot.
QString filterSuffix(const QString &nameFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(nameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

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
    // Size, kind and date: widest as "1023.99 KB", "wmf 文件" and "2026/12/31 23:59".
    header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("1,023.99 KB")) + 24);
    header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("wmf 文件 文件")) + 24);
    header->resizeSection(3, metrics.horizontalAdvance(QStringLiteral("2026/12/31 23:59:59")) + 24);
}

} // namespace

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget *parent, const QString &title, const QStringList &nameFilters,
                                            const QString &suggestedName)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Pages are replaced without a question, as they always were: saving
    // the same report again is the usual case.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setNameFilters(nameFilters);
    dialog->setDefaultSuffix(filterSuffix(nameFilters.value(0)));
    QFileDialog *shown = dialog.get();
    QObject::connect(shown, &QFileDialog::filterSelected, shown,
                     [shown](const QString &filter) { shown->setDefaultSuffix(filterSuffix(filter)); });
    dialog->selectFile(suggestedName);
    widenListColumns(*dialog);
    dialog->resize(760, 460);
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

} // namespace app
