#include "app/viewerdialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>

namespace app {

QString QtViewerDialogs::saveFileName(QWidget *parent, const QString &title, const QString &nameFilter,
                                      const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, QString(), nameFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // Pages are replaced without a question, as they always were: saving
    // the same report again is the usual case.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtViewerDialogs::setUpPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // Printing into a PDF file is offered even where no printer is set up.
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    // The viewer decides which pages go out; a page range would not apply.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace app
