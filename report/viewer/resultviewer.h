#pragma once

#include "report/reportpage.h"
#include "report/resultpages.h"
#include "report/viewer/viewerdialogs.h"
#include "report/viewer/viewerzoom.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>
#include <span>

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QRectF;
class QScrollArea;
class QToolBar;
class QToolButton;

namespace common {
class Messenger;
}

namespace report {
class PageView;
class ReportExporter;
enum class ViewerIcon;
} // namespace report

/**
 * The result viewer `Form_print`: holds the pages of the calculation
 * report (the 17 of the method, page 18 of the design check, and a book's
 * own pages around them), listed by their titles, shows one at a time with zoom and panning, saves the shown page
 * or all pages as Windows metafiles or the whole report as one PDF, and
 * prints the shown page or all pages.
 *
 * A modeless top-level window, created once and shown again after every
 * calculation; closing only hides it, so pages and zoom last for the run.
 * Before the first calculation every page slot holds the empty grid of
 * page 1.
 */
class TForm_print : public QMainWindow
{
    Q_OBJECT

public:
    /// Pages of the method, which every report has; the design check and a book add theirs.
    static constexpr int kPageCount = 17;

    /**
     * @param messenger  shows the viewer's questions and messages; must outlive the viewer
     * @param dialogs    the save-file and printer dialogs; null for the platform's own
     */
    explicit TForm_print(common::Messenger &messenger, std::unique_ptr<report::ViewerDialogs> dialogs = nullptr,
                         QWidget *parent = nullptr);
    ~TForm_print() override;

    /**
     * The next report has \a count pages (17, 18 with the design check, more
     * for a book): the page store and the page choice get that many; new
     * slots hold the placeholder.
     * @throws std::out_of_range for fewer than 17
     */
    void setPageCount(int count);

    /**
     * Replaces stored page \a pageIndex (0 .. pageCount() - 1) by a copy of
     * \a page; the page's title ("第3页 最高温度时的M、D计算", or "第N页" for
     * a page without one) becomes its entry in the page list. The shown
     * picture changes only with the next showPage().
     * @throws std::out_of_range for another index
     */
    void storePage(int pageIndex, const report::ReportPage &page);

    /// Shows \a text in the status line ("设计校核: 不满足 (...)"); an empty text clears it.
    void showDesignCheckStatus(const QString &text);

    /**
     * Shows a copy of stored page \a pageIndex (0..16) at the current zoom.
     * @throws std::out_of_range for another index
     */
    void showPage(int pageIndex);

    /// The number of stored pages: 17, or 18 after a report with the design check.
    int pageCount() const { return static_cast<int>(mPages.size()); }

    /// Stored page \a pageIndex; @throws std::out_of_range outside the stored pages.
    const report::ReportPage &storedPage(int pageIndex) const;

    /// The page shown now, a copy of a stored one.
    const report::ReportPage &shownPage() const;

    /// Size of the shown picture, pixels.
    report::PictureSize pictureSize() const { return mZoom.size(); }

    /**
     * Writes the shown page to \a fileName: a placeable Windows metafile
     * when the name ends in ".wmf" (any case), else an enhanced metafile.
     * A failure is reported through the messenger.
     * @return true when the file was written
     */
    bool saveShownPage(const QString &fileName);

    /**
     * Writes all stored pages as placeable Windows metafiles, named after
     * \a chosenFileName: "b.wmf" gives "b_NO_01.wmf" .. "b_NO_17.wmf".
     * Stops at the first failure and reports it.
     * @return true when every page was written
     */
    bool saveAllPages(const QString &chosenFileName);

    /// Writes all stored pages into one PDF at \a fileName; a failure is reported.
    bool exportPdf(const QString &fileName);

    /**
     * The name of the span the stored pages report on; the save dialogs
     * suggest a file name built from it (report::fileNameForSpan()).
     */
    void setSpanName(const QString &spanName);
    QString spanName() const { return mSpanName; }

    /**
     * Whether the stored pages were computed from the inputs now on screen.
     * While they were not, the viewer says so in red ("输入已修改,计算书不是当前数据")
     * and saving, exporting and printing ask before they go on.
     */
    void setReportCurrent(bool current);
    bool isReportCurrent() const { return mReportCurrent; }

Q_SIGNALS:
    /// "计算结果用黑色文字显示" was ticked or cleared: the pages want drawing anew.
    void resultColourChanged();

public:

    // Handlers of the toolbar, the page choice and the picture.
    void ToolButton1Click();   ///< zoom in
    void ToolButton2Click();   ///< zoom out
    void ToolButton3Click();   ///< fit the page width into the visible area
    void ToolButton4Click();   ///< fit the page height into the visible area
    void ToolButton15Click();  ///< initial size, 1188 x 840
    void ComboBox1Change(int index);
    void ToolButton8Click();   ///< save the shown page
    void ToolButton9Click();   ///< save all pages
    void ToolButton11Click();  ///< print the shown page
    void ToolButton12Click();  ///< print all pages
    void ToolButtonPdfClick(); ///< export the whole report as one PDF
    void ToolButton14Click();  ///< close the viewer
    void Image1MouseDown(QPoint position);
    void Image1MouseUp(QPoint position);

    QToolBar *ToolBar1;
    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QToolButton *ToolButton3;
    QToolButton *ToolButton4;
    QToolButton *ToolButton15;
    QLabel *Label1;
    /// "输入已修改,计算书不是当前数据", shown while the pages are not those of the inputs on screen.
    QLabel *Label_stale;
    /// Page choice "第1页" .. "第17页" (.. "第18页" with the design check).
    QComboBox *ComboBox1;
    QToolButton *ToolButton8;
    QToolButton *ToolButton9;
    QToolButton *ToolButton11;
    QToolButton *ToolButton12;
    QToolButton *ToolButtonPdf;
    QToolButton *ToolButton14;
    /// Results in black instead of teal; read by the calculation when it draws the pages.
    QCheckBox *CheckBox_print_color;
    QScrollArea *ScrollBox_image;
    report::PageView *Image1;

private:
    /// Before saving, exporting or printing stale pages: whether the user wants to go on.
    bool goOnWithStaleReport(const std::string &action);
    /**
     * Prints \a pages on \a printer, each stretched into the report's area
     * of the printable page (report::reportPrintArea()). Each page is its own
     * print job on a printer; into a file they all go in one job, since a
     * second job would overwrite the first. When \a waitWhilePrinting, the
     * job stays open under the message "正在打印..." until the user closes
     * it. A printer that cannot start is reported.
     * @return true when every page was handed to the printer
     */
    bool printPages(QPrinter &printer, std::span<const report::ReportPage> pages, bool waitWhilePrinting);
    void buildToolBar();
    QToolButton *addToolButton(const QString &objectName, report::ViewerIcon icon, const QString &hint);
    void applyPictureSize();
    /// Printer set-up with the orientation question; false when the user cancelled.
    bool setUpPrinter(QPrinter &printer);
    /// One print job of \a pages, each on its own sheet, stretched into \a targetRect.
    bool printJob(QPrinter &printer, std::span<const report::ReportPage> pages, const QRectF &targetRect,
                  bool waitWhilePrinting);
    QPrinter &printer();
    void reportFailure(const QString &text);
    /// The span's file name with the extension of \a format.
    QString suggestedFileName(const report::ReportExporter &format) const;

    common::Messenger &mMessenger;
    std::unique_ptr<report::ViewerDialogs> mDialogs;
    std::unique_ptr<QPrinter> mPrinter;
    void checkPageIndex(int pageIndex) const;

    std::vector<report::ReportPage> mPages;
    report::ViewerZoom mZoom;
    QString mSpanName;
    bool mReportCurrent = true;
};

namespace report {

/// The result viewer as the calculate command sees it: where the pages go and the colour they are wanted in.
class ViewerPages final : public ResultPages
{
public:
    explicit ViewerPages(TForm_print &viewer) : mViewer(viewer) {}

    bool resultsInBlack() const override;
    void setPageCount(int count) override;
    void storePage(int pageIndex, const report::ReportPage &page) override;
    void showDesignCheckStatus(const std::string &text) override;
    void showFirstPage() override;

private:
    TForm_print &mViewer;
};

} // namespace report
