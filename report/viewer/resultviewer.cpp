#include "report/viewer/resultviewer.h"

#include "common/checkmessages.h"
#include "common/messenger.h"
#include "common/widgets/dropdownstyle.h"
#include "report/exporters.h"
#include "report/pagepainter.h"
#include "report/pages.h"
#include "report/pagestyle.h"
#include "report/reportexporter.h"
#include "report/savenames.h"
#include "report/viewer/pageview.h"
#include "report/viewer/paperratio.h"
#include "report/viewer/printlayout.h"
#include "report/viewer/viewerdialogs.h"
#include "report/viewer/viewericons.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

constexpr const char *staleReportText = "输入已修改,计算书不是当前数据";

const QString metafileFilter = QStringLiteral("Metafiles (*.wmf)");

/// What every slot shows before the first calculation: the empty grid of page 1.
report::ReportPage placeholderPage()
{
    report::ReportPage page(report::reportPageWidth, report::reportPageHeight);
    report::applyPageDefaults(page);
    report::drawSummaryPageFixed(page);
    return page;
}

/// "第N页": the page list's entry for a page without a title of its own.
QString pageNumberEntry(int pageIndex)
{
    return QStringLiteral("第%1页").arg(pageIndex + 1);
}

QString pageListEntry(const report::ReportPage &page, int pageIndex)
{
    return page.title().isEmpty() ? pageNumberEntry(pageIndex) : page.title();
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

TForm_print::TForm_print(common::Messenger &messenger, std::unique_ptr<report::ViewerDialogs> dialogs, QWidget *parent)
    : QMainWindow(parent)
    , mMessenger(messenger)
    , mDialogs(dialogs ? std::move(dialogs) : std::make_unique<report::QtViewerDialogs>())
{
    setObjectName(QStringLiteral("Form_print"));
    setWindowTitle(QStringLiteral("软导线实用力学计算---结果输出"));
    resize(1100, 760);
    setWindowState(Qt::WindowMaximized);

    buildToolBar();

    ScrollBox_image = new QScrollArea(this);
    ScrollBox_image->setObjectName(QStringLiteral("ScrollBox_image"));
    ScrollBox_image->setBackgroundRole(QPalette::Dark);
    ScrollBox_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox_image->setWidgetResizable(false);
    Image1 = new report::PageView;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox_image->setWidget(Image1);
    setCentralWidget(ScrollBox_image);

    Label_stale = new QLabel(QString::fromUtf8(staleReportText), this);
    Label_stale->setObjectName(QStringLiteral("Label_stale"));
    Label_stale->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    statusBar()->addPermanentWidget(Label_stale);
    Label_stale->hide();

    const report::ReportPage placeholder = placeholderPage();
    mPages.assign(kPageCount, placeholder);
    Image1->setPage(placeholder);
    applyPictureSize();

    connect(Image1, &report::PageView::pressed, this, &TForm_print::Image1MouseDown);
    connect(Image1, &report::PageView::released, this, &TForm_print::Image1MouseUp);
}

TForm_print::~TForm_print() = default;

QToolButton *TForm_print::addToolButton(const QString &objectName, report::ViewerIcon icon, const QString &hint)
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(objectName);
    button->setIcon(report::viewerIcon(icon));
    button->setText(hint);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setMinimumWidth(40);
    ToolBar1->addWidget(button);
    return button;
}

void TForm_print::buildToolBar()
{
    using report::ViewerIcon;

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    ToolButton1 = addToolButton(QStringLiteral("ToolButton1"), ViewerIcon::ZoomIn, QStringLiteral("放大显示"));
    ToolButton2 = addToolButton(QStringLiteral("ToolButton2"), ViewerIcon::ZoomOut, QStringLiteral("缩小显示"));
    ToolBar1->addSeparator();
    ToolButton3 = addToolButton(QStringLiteral("ToolButton3"), ViewerIcon::FitWidth,
                                QStringLiteral("调整到一页宽显示"));
    ToolButton4 = addToolButton(QStringLiteral("ToolButton4"), ViewerIcon::FitHeight,
                                QStringLiteral("调整到一页高显示"));
    ToolBar1->addSeparator();
    ToolButton15 = addToolButton(QStringLiteral("ToolButton15"), ViewerIcon::InitialSize,
                                 QStringLiteral("初始大小"));
    ToolBar1->addSeparator();

    Label1 = new QLabel(QStringLiteral("选择查看"), ToolBar1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setContentsMargins(6, 0, 4, 0);
    ToolBar1->addWidget(Label1);
    ComboBox1 = new QComboBox(ToolBar1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("选择不同页面查看"));
    // A book's pages all show at once: cover, contents, its own pages and the method's.
    ComboBox1->setMaxVisibleItems(30);
    for (int page = 0; page < kPageCount; ++page)
        ComboBox1->addItem(pageNumberEntry(page));
    ComboBox1->setCurrentIndex(0);
    // Room for a title such as "第3页 最高温度时的M、D计算"; the open list shows the longer ones whole.
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(28);
    Label1->setBuddy(ComboBox1);
    ToolBar1->addWidget(ComboBox1);
    ToolBar1->addSeparator();

    ToolButton8 = addToolButton(QStringLiteral("ToolButton8"), ViewerIcon::SavePage, QStringLiteral("保存当前页"));
    ToolButton9 = addToolButton(QStringLiteral("ToolButton9"), ViewerIcon::SaveAllPages,
                                QStringLiteral("保存所有页"));
    ToolButtonPdf = addToolButton(QStringLiteral("ToolButtonPdf"), ViewerIcon::ExportPdf,
                                  QStringLiteral("导出PDF"));
    ToolButtonPdf->setToolTip(QStringLiteral("将全部计算书页面保存为一个PDF文件"));
    ToolButtonPdf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolBar1->addSeparator();
    ToolButton11 = addToolButton(QStringLiteral("ToolButton11"), ViewerIcon::PrintPage,
                                 QStringLiteral("打印当前页"));
    ToolButton12 = addToolButton(QStringLiteral("ToolButton12"), ViewerIcon::PrintAllPages,
                                 QStringLiteral("打印所有页"));
    ToolBar1->addSeparator();
    ToolButton14 = addToolButton(QStringLiteral("ToolButton14"), ViewerIcon::Back, QStringLiteral("返回"));
    ToolBar1->addSeparator();

    CheckBox_print_color = new QCheckBox(QStringLiteral("计算结果用黑色文字显示"), ToolBar1);
    CheckBox_print_color->setObjectName(QStringLiteral("CheckBox_print_color"));
    CheckBox_print_color->setToolTip(QStringLiteral("选此项便于黑白打印机输出时更清晰"));
    ToolBar1->addWidget(CheckBox_print_color);
    connect(CheckBox_print_color, &QCheckBox::toggled, this, &TForm_print::resultColourChanged);

    // Page Up and Page Down turn the pages, whatever part of the viewer has the focus.
    auto *previousPage = new QAction(this);
    previousPage->setShortcuts({QKeySequence(Qt::Key_PageUp)});
    connect(previousPage, &QAction::triggered, this,
            [this] { ComboBox1->setCurrentIndex(std::max(0, ComboBox1->currentIndex() - 1)); });
    auto *nextPage = new QAction(this);
    nextPage->setShortcuts({QKeySequence(Qt::Key_PageDown)});
    connect(nextPage, &QAction::triggered, this,
            [this] { ComboBox1->setCurrentIndex(std::min(ComboBox1->count() - 1, ComboBox1->currentIndex() + 1)); });
    addActions({previousPage, nextPage});
    ToolButton1->setShortcut(QKeySequence::ZoomIn);
    ToolButton2->setShortcut(QKeySequence::ZoomOut);
    ToolButton8->setShortcut(QKeySequence::Save);
    ToolButton11->setShortcut(QKeySequence::Print);

    connect(ToolButton1, &QToolButton::clicked, this, &TForm_print::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm_print::ToolButton2Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TForm_print::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TForm_print::ToolButton4Click);
    connect(ToolButton15, &QToolButton::clicked, this, &TForm_print::ToolButton15Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm_print::ComboBox1Change);
    connect(ToolButton8, &QToolButton::clicked, this, &TForm_print::ToolButton8Click);
    connect(ToolButton9, &QToolButton::clicked, this, &TForm_print::ToolButton9Click);
    connect(ToolButtonPdf, &QToolButton::clicked, this, &TForm_print::ToolButtonPdfClick);
    connect(ToolButton11, &QToolButton::clicked, this, &TForm_print::ToolButton11Click);
    connect(ToolButton12, &QToolButton::clicked, this, &TForm_print::ToolButton12Click);
    connect(ToolButton14, &QToolButton::clicked, this, &TForm_print::ToolButton14Click);
}

void TForm_print::checkPageIndex(int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= pageCount())
        throw std::out_of_range("report page index outside the stored pages");
}

void TForm_print::setPageCount(int count)
{
    if (count < kPageCount)
        throw std::out_of_range("a report has at least its 17 pages");
    mPages.resize(static_cast<std::size_t>(count), placeholderPage());
    const QSignalBlocker quiet(ComboBox1);
    while (ComboBox1->count() > count)
        ComboBox1->removeItem(ComboBox1->count() - 1);
    while (ComboBox1->count() < count)
        ComboBox1->addItem(pageNumberEntry(ComboBox1->count()));
}

void TForm_print::setReportCurrent(bool current)
{
    mReportCurrent = current;
    Label_stale->setVisible(!current);
}

bool TForm_print::goOnWithStaleReport(const std::string &action)
{
    if (mReportCurrent)
        return true;
    return mMessenger.show({std::string(staleReportText) + ". 仍要" + action + "吗?", "计算书", common::MessageIcon::Warning,
                            common::MessageButtons::OkCancel})
           == common::MessageAnswer::Ok;
}

void TForm_print::showDesignCheckStatus(const QString &text)
{
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

void TForm_print::storePage(int pageIndex, const report::ReportPage &page)
{
    checkPageIndex(pageIndex);
    mPages[static_cast<std::size_t>(pageIndex)] = page;
    ComboBox1->setItemText(pageIndex, pageListEntry(page, pageIndex));
    common::widenListToEntries(*ComboBox1);
}

void TForm_print::showPage(int pageIndex)
{
    checkPageIndex(pageIndex);
    Image1->setPage(mPages[static_cast<std::size_t>(pageIndex)]);
}

const report::ReportPage &TForm_print::storedPage(int pageIndex) const
{
    checkPageIndex(pageIndex);
    return mPages[static_cast<std::size_t>(pageIndex)];
}

const report::ReportPage &TForm_print::shownPage() const
{
    return Image1->page();
}

void TForm_print::applyPictureSize()
{
    const report::PictureSize size = mZoom.size();
    Image1->resize(size.width, size.height);
}

void TForm_print::ToolButton1Click()
{
    mZoom.zoomIn();
    applyPictureSize();
}

void TForm_print::ToolButton2Click()
{
    mZoom.zoomOut();
    applyPictureSize();
}

// The fits use the visible area without scroll bars, less a scroll bar where
// the fitted picture will need one across the other direction, so that a
// page fitted to the width never needs a horizontal scroll bar.
void TForm_print::ToolButton3Click()
{
    const QSize visible = ScrollBox_image->maximumViewportSize();
    int width = visible.width();
    if (report::paperHeightForWidth(width) > visible.height())
        width -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox_image);
    mZoom.fitWidth(width);
    applyPictureSize();
}

void TForm_print::ToolButton4Click()
{
    const QSize visible = ScrollBox_image->maximumViewportSize();
    int height = visible.height();
    if (report::paperWidthForHeight(height) > visible.width())
        height -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox_image);
    mZoom.fitHeight(height);
    applyPictureSize();
}

void TForm_print::ToolButton15Click()
{
    mZoom.restoreInitialSize();
    applyPictureSize();
}

void TForm_print::ComboBox1Change(int index)
{
    if (index >= 0 && index < pageCount())
        showPage(index);
}

void TForm_print::Image1MouseDown(QPoint position)
{
    mZoom.press(position.x(), position.y());
}

void TForm_print::Image1MouseUp(QPoint position)
{
    const report::ScrollShift shift = mZoom.release(position.x(), position.y());
    QScrollBar *horizontal = ScrollBox_image->horizontalScrollBar();
    QScrollBar *vertical = ScrollBox_image->verticalScrollBar();
    horizontal->setValue(horizontal->value() + shift.dx);
    vertical->setValue(vertical->value() + shift.dy);
}

void TForm_print::reportFailure(const QString &text)
{
    common::showError(mMessenger, utf8(text), common::errorCaption);
}

bool TForm_print::saveShownPage(const QString &fileName)
{
    const std::unique_ptr<report::ReportExporter> exporter = report::exporterForFileName(fileName);
    if (exporter->write(shownPage(), fileName))
        return true;
    reportFailure(exporter->errorString());
    return false;
}

bool TForm_print::saveAllPages(const QString &chosenFileName)
{
    QString error;
    if (report::saveAllPages(std::span<const report::ReportPage>(mPages), chosenFileName, &error))
        return true;
    reportFailure(error);
    return false;
}

bool TForm_print::exportPdf(const QString &fileName)
{
    report::PdfExporter exporter(mSpanName);
    if (exporter.write(std::span<const report::ReportPage>(mPages), fileName))
        return true;
    reportFailure(exporter.errorString());
    return false;
}

void TForm_print::setSpanName(const QString &spanName)
{
    mSpanName = spanName;
}

QString TForm_print::suggestedFileName(const report::ReportExporter &format) const
{
    return report::fileNameForSpan(mSpanName) + u'.' + format.suffix();
}

// The shown page goes out as the chosen name's extension says (see
// saveShownPage()), so both metafile kinds are offered; "全部保存" always
// writes placeable metafiles.
void TForm_print::ToolButton8Click()
{
    if (!goOnWithStaleReport("保存"))
        return;
    const report::WmfExporter wmf;
    const report::EmfExporter emf;
    // The name says which page it holds, as "全部保存" names its pages.
    const QString suggested = report::fileNameForSpan(mSpanName)
                              + QStringLiteral("_NO_%1.").arg(ComboBox1->currentIndex() + 1, 2, 10, QLatin1Char('0'))
                              + wmf.suffix();
    const QString fileName = mDialogs->saveFileName(this, QStringLiteral("保存当前页"),
                                                    {wmf.nameFilter(), emf.nameFilter()}, suggested);
    if (!fileName.isEmpty())
        saveShownPage(fileName);
}

void TForm_print::ToolButton9Click()
{
    if (!goOnWithStaleReport("保存"))
        return;
    const report::WmfExporter wmf;
    const QString fileName =
        mDialogs->saveFileName(this, QStringLiteral("全部保存"), {wmf.nameFilter()}, suggestedFileName(wmf));
    if (!fileName.isEmpty())
        saveAllPages(fileName);
}

void TForm_print::ToolButtonPdfClick()
{
    if (!goOnWithStaleReport("导出"))
        return;
    const report::PdfExporter pdf;
    const QString fileName =
        mDialogs->saveFileName(this, QStringLiteral("导出PDF"), {pdf.nameFilter()}, suggestedFileName(pdf));
    if (!fileName.isEmpty())
        exportPdf(fileName);
}

QPrinter &TForm_print::printer()
{
    // Made on first use: the printer set-up then lasts for the run, and a
    // viewer that never prints never asks the print system for printers.
    if (!mPrinter) {
        mPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The set-up starts with the sheet turned as the report's pages are,
        // so that confirming it at once prints a page that fills the sheet.
        const bool landscapePages = report::reportPageWidth > report::reportPageHeight;
        mPrinter->setPageOrientation(landscapePages ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    return *mPrinter;
}

bool TForm_print::setUpPrinter(QPrinter &target)
{
    if (!mDialogs->setUpPrinter(this, target))
        return false;
    const QRect printable = target.pageLayout().paintRectPixels(target.resolution());
    const bool landscape = target.pageLayout().orientation() == QPageLayout::Landscape;
    if (!report::paperOrientationLooksWrong(printable.width(), printable.height(), landscape))
        return true;
    const common::MessageAnswer answer =
        mMessenger.show({"检测发现纸张长宽方向不合适，是否调整", "打印设置", common::MessageIcon::Question,
                         common::MessageButtons::YesNoCancel});
    if (answer == common::MessageAnswer::Cancel)
        return false;
    // Yes: a second look at the set-up; cancelling it keeps the first choice.
    if (answer == common::MessageAnswer::Yes)
        mDialogs->setUpPrinter(this, target);
    return true;
}

bool TForm_print::printPages(QPrinter &target, std::span<const report::ReportPage> pages, bool waitWhilePrinting)
{
    const QRect printable = target.pageLayout().paintRectPixels(target.resolution());
    const std::optional<report::PrintArea> area = report::reportPrintArea(printable.width(), printable.height());
    if (!area) {
        reportFailure(QStringLiteral("打印纸张的可打印区域为空,无法打印,请检查打印设置."));
        return false;
    }
    const QRectF targetRect(0, 0, area->width, area->height);
    // A printer takes each page as its own job; a file takes them all in one,
    // since every job starts the file anew.
    const std::size_t pagesPerJob = target.outputFormat() == QPrinter::PdfFormat ? pages.size() : 1;
    for (std::size_t first = 0; first < pages.size(); first += pagesPerJob) {
        if (!printJob(target, pages.subspan(first, pagesPerJob), targetRect, waitWhilePrinting))
            return false;
    }
    return true;
}

bool TForm_print::printJob(QPrinter &target, std::span<const report::ReportPage> pages, const QRectF &targetRect,
                           bool waitWhilePrinting)
{
    QPainter painter;
    if (!painter.begin(&target)) {
        reportFailure(QStringLiteral("打印机未能开始打印,请检查打印机是否可用."));
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            target.newPage();
        report::paintPage(painter, pages[i], targetRect);
    }
    // The job goes to the printer or file first: the message must not hold it.
    if (!painter.end()) {
        reportFailure(QStringLiteral("打印未能完成,请检查打印机或输出文件夹是否可用."));
        return false;
    }
    if (waitWhilePrinting)
        mMessenger.show({"正在打印...", "打印", common::MessageIcon::Information, common::MessageButtons::Ok});
    return true;
}

void TForm_print::ToolButton11Click()
{
    if (!goOnWithStaleReport("打印"))
        return;
    QPrinter &target = printer();
    if (setUpPrinter(target))
        printPages(target, std::span<const report::ReportPage>(&shownPage(), 1), true);
}

void TForm_print::ToolButton12Click()
{
    if (!goOnWithStaleReport("打印"))
        return;
    const common::MessageAnswer answer =
        mMessenger.show({"程序将连续打印" + std::to_string(pageCount()) + "页计算书,请确认纸张已正确放置", "连续打印确认",
                         common::MessageIcon::Warning, common::MessageButtons::OkCancel});
    if (answer != common::MessageAnswer::Ok)
        return;
    QPrinter &target = printer();
    if (setUpPrinter(target))
        printPages(target, std::span<const report::ReportPage>(mPages), false);
}

void TForm_print::ToolButton14Click()
{
    close();
}

namespace report {

bool ViewerPages::resultsInBlack() const
{
    return mViewer.CheckBox_print_color->isChecked();
}

void ViewerPages::setPageCount(int count)
{
    mViewer.setPageCount(count);
}

void ViewerPages::storePage(int pageIndex, const report::ReportPage &page)
{
    mViewer.storePage(pageIndex, page);
}

void ViewerPages::showDesignCheckStatus(const std::string &text)
{
    mViewer.showDesignCheckStatus(QString::fromStdString(text));
}

void ViewerPages::showFirstPage()
{
    mViewer.show();
    mViewer.raise();
    mViewer.activateWindow();
    mViewer.showPage(0);
    const QSignalBlocker quiet(mViewer.ComboBox1);
    mViewer.ComboBox1->setCurrentIndex(0);
}

} // namespace report
