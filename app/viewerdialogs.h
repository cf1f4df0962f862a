#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace app {

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
     * @param nameFilter     e.g. "Metafiles (*.wmf)"
     * @param defaultSuffix  added when the user types a name without one, without the dot
     * @return the chosen name, or an empty text when the user cancelled
     */
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &nameFilter,
                                 const QString &defaultSuffix) = 0;

    /**
     * The printer set-up: choice of printer (or a PDF file), paper and
     * orientation, written into \a printer.
     * @return true when the user confirmed
     */
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer) = 0;
};

/// ViewerDialogs with QFileDialog and QPrintDialog.
class QtViewerDialogs final : public ViewerDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &title, const QString &nameFilter,
                         const QString &defaultSuffix) override;
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override;
};

} // namespace app
