#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFileDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace report {

/**
 * The platform dialogs the result viewer opens: the save-file dialog and the
 * printer set-up. The viewer asks them through this interface so that tests
 * answer without a modal loop.
 */
class ViewerDialogs
{
public:
    virtual ~ViewerDialogs() = default;

    /**
     * Asks for the name of a file to save.
     * @param title          window title, e.g. "保存当前页"
     * @param nameFilters    e.g. {"Windows 图元文件 (*.wmf)", "增强型图元文件 (*.emf)"}, the first chosen;
     *                       a name typed without extension gets that of the chosen filter
     * @param suggestedName  the name the dialog starts with, e.g. "220kV#1主变进线间隔跨线.wmf"
     * @return the chosen name, or an empty text when the user cancelled
     */
    virtual QString saveFileName(QWidget *parent, const QString &title, const QStringList &nameFilters,
                                 const QString &suggestedName) = 0;

    /**
     * The printer set-up: choice of printer (or a PDF file), paper and
     * orientation, written into \a printer.
     * @return true when the user confirmed
     */
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer) = 0;
};

/// ViewerDialogs with the dialogs of makeSaveDialog() and makePrintDialog().
class QtViewerDialogs final : public ViewerDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &title, const QStringList &nameFilters,
                         const QString &suggestedName) override;
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override;
};

/**
 * Gives \a dialog the look of every file dialog of the program: Qt's own
 * dialog, the same on every desktop and in Chinese with Qt's translation,
 * in detail view with dates in the locale's short form and list columns wide
 * enough for their contents. It starts in the folder the last confirmed
 * file dialog ended in (kept in the user's settings), and remembers its own.
 */
void prepareFileDialog(QFileDialog &dialog);

/**
 * The save dialog as the viewer shows it, not yet shown: Qt's own dialog,
 * the same on every desktop and in Chinese with Qt's translation, starting
 * where the last confirmed file dialog ended, with \a suggestedName, its
 * list columns wide enough for their contents. Existing files are replaced
 * without a question.
 */
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget *parent, const QString &title, const QStringList &nameFilters,
                                            const QString &suggestedName);

/// The printer set-up as the viewer shows it, not yet shown.
std::unique_ptr<QPrintDialog> makePrintDialog(QPrinter &printer, QWidget *parent);

} // namespace report
