// The result viewer on the offscreen platform: page store, page choice,
// zoom and pan through the widgets, saving and printing into files.
#include "test_viewer.h"

#include "common/widgets/usersettings.h"
#include "report/reportpage.h"
#include "report/viewer/pageview.h"
#include "report/viewer/resultviewer.h"
#include "report/viewer/viewerdialogs.h"
#include "support/scriptedmessenger.h"
#include "support/settingsofthisrun.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

namespace {

/// Answers the save and printer dialogs from a script; records the titles asked.
class ScriptedViewerDialogs final : public report::ViewerDialogs
{
public:
    QString saveFileName(QWidget *, const QString &title, const QStringList &nameFilters,
                         const QString &suggestedName) override
    {
        titles.append(title);
        filters.append(nameFilters);
        suggestedNames.append(suggestedName);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    bool setUpPrinter(QWidget *, QPrinter &printer) override
    {
        ++printerSetUps;
        orientations.append(printer.pageLayout().orientation());
        if (printInto.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printInto);
        return true;
    }

    QStringList fileNames;      ///< answers of the save dialog; none left means cancelled
    QStringList titles;
    QList<QStringList> filters;
    QStringList suggestedNames;
    QString printInto;          ///< PDF file the printer set-up chooses; empty means cancelled
    int printerSetUps = 0;
    QList<QPageLayout::Orientation> orientations; ///< of the printer as each set-up opened
};

/// A viewer with a scripted messenger and scripted dialogs.
struct Viewer
{
    explicit Viewer(std::deque<common::MessageAnswer> answers = {})
        : messenger(std::move(answers))
    {
        auto scripted = std::make_unique<ScriptedViewerDialogs>();
        dialogs = scripted.get();
        window = std::make_unique<TForm_print>(messenger, std::move(scripted));
    }

    ScriptedMessenger messenger;
    ScriptedViewerDialogs *dialogs = nullptr;
    std::unique_ptr<TForm_print> window;
};

/// A page told apart from the others by its one text.
report::ReportPage markedPage(const QString &mark)
{
    report::ReportPage page;
    page.rectangle(10, 10, 1178, 830);
    page.textOut(100, 100, mark);
    return page;
}

QString firstText(const report::ReportPage &page)
{
    for (const report::PageCommand &command : page.commands())
        if (const auto *text = std::get_if<report::TextCommand>(&command))
            return text->text;
    return {};
}

QByteArray fileStart(const QString &fileName, int length)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(length);
}

int pdfPageCount(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

QString inCurrentFolder(const QString &name)
{
    return QDir::current().absoluteFilePath(name);
}

} // namespace

void ResultViewerTest::initTestCase()
{
    // The file dialogs remember their folder in the user's settings; a test run keeps its own.
    testing_settings::keepSettingsOfThisRun();
    static QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir::setCurrent(folder.path()));
}

void ResultViewerTest::startsWithThePlaceholderInEverySlot()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    QCOMPARE(window.objectName(), QStringLiteral("Form_print"));
    QCOMPARE(window.windowTitle(), QStringLiteral("软导线实用力学计算---结果输出"));
    QCOMPARE(window.pageCount(), 17);
    QCOMPARE(window.ComboBox1->count(), 17);
    QCOMPARE(window.ComboBox1->itemText(0), QStringLiteral("第1页"));
    QCOMPARE(window.ComboBox1->itemText(16), QStringLiteral("第17页"));
    QCOMPARE(window.ComboBox1->currentIndex(), 0);
    QCOMPARE(window.CheckBox_print_color->text(), QStringLiteral("计算结果用黑色文字显示"));
    QCOMPARE(window.CheckBox_print_color->toolTip(), QStringLiteral("选此项便于黑白打印机输出时更清晰"));
    QVERIFY(!window.CheckBox_print_color->isChecked());
    QCOMPARE(window.pictureSize(), report::ViewerZoom::initialSize);
    QCOMPARE(window.Image1->size(), QSize(1188, 840));

    // The empty grid of page 1 in every slot, and on show.
    const std::size_t placeholderSize = window.storedPage(0).commands().size();
    QVERIFY(placeholderSize > 50);
    for (int page = 0; page < 17; ++page)
        QCOMPARE(window.storedPage(page).commands().size(), placeholderSize);
    QCOMPARE(window.shownPage().commands().size(), placeholderSize);
    QCOMPARE(window.shownPage().size(), QSize(1188, 840));
}

void ResultViewerTest::designCheckAddsPage18AndAStatusLine()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    window.setPageCount(18);
    QCOMPARE(window.pageCount(), 18);
    QCOMPARE(window.ComboBox1->count(), 18);
    QCOMPARE(window.ComboBox1->itemText(17), QStringLiteral("第18页"));
    window.storePage(17, markedPage(QStringLiteral("设计校核样张")));
    window.ComboBox1->setCurrentIndex(17);
    QCOMPARE(firstText(window.shownPage()), QStringLiteral("设计校核样张"));
    window.showDesignCheckStatus(QStringLiteral("设计校核: 不满足 (最高温度)"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("设计校核: 不满足 (最高温度)"));

    // A report without the check has exactly the 17 pages again.
    window.setPageCount(17);
    window.showDesignCheckStatus(QString());
    QCOMPARE(window.pageCount(), 17);
    QCOMPARE(window.ComboBox1->count(), 17);
    QVERIFY(window.statusBar()->currentMessage().isEmpty());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, window.storePage(17, markedPage(QStringLiteral("x"))));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, window.setPageCount(16));
}

void ResultViewerTest::storesCopiesAndShowsTheChosenPage()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    const QString title = QStringLiteral("第9页 最大工作电压、短路和风偏时的M、D计算");
    for (int page = 0; page < 17; ++page) {
        report::ReportPage handedOver = markedPage(QStringLiteral("第%1页样张").arg(page + 1));
        if (page == 8)
            handedOver.setTitle(title);
        window.storePage(page, handedOver);
        // The caller releases its page after the hand-over.
        handedOver.textOut(0, 0, QStringLiteral("之后画的"));
    }
    QCOMPARE(firstText(window.storedPage(16)), QStringLiteral("第17页样张"));
    QCOMPARE(window.storedPage(16).commands().size(), std::size_t{2});
    // The list names a page by its title, one without a title by its number,
    // and opens wide enough for the longest title.
    QCOMPARE(window.ComboBox1->itemText(8), title);
    QCOMPARE(window.ComboBox1->itemText(9), QStringLiteral("第10页"));
    QVERIFY(window.ComboBox1->view()->minimumWidth() > window.ComboBox1->fontMetrics().horizontalAdvance(title));

    // Storing does not change what is shown; showing does.
    QVERIFY(firstText(window.shownPage()) != QStringLiteral("第1页样张"));
    window.showPage(0);
    QCOMPARE(firstText(window.shownPage()), QStringLiteral("第1页样张"));

    window.ComboBox1->setCurrentIndex(9);
    QCOMPARE(firstText(window.shownPage()), QStringLiteral("第10页样张"));

    // The zoom lasts across page changes.
    window.ToolButton1->click();
    window.showPage(3);
    QCOMPARE(window.pictureSize(), (report::PictureSize{1485, 1050}));
    QCOMPARE(firstText(window.shownPage()), QStringLiteral("第4页样张"));
}

void ResultViewerTest::rejectsPageIndicesOutsideTheReport()
{
    Viewer viewer;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, viewer.window->storePage(17, report::ReportPage()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, viewer.window->storePage(-1, report::ReportPage()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, viewer.window->showPage(17));
}

void ResultViewerTest::zoomButtonsResizeThePicture()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    for (int step = 0; step < 7; ++step)
        window.ToolButton1->click();
    QCOMPARE(window.Image1->size(), QSize(2970, 2100));

    window.ToolButton15->click();
    window.ToolButton2->click();
    window.ToolButton2->click();
    window.ToolButton2->click();
    QCOMPARE(window.Image1->size(), QSize(594, 420));

    window.ToolButton15->click();
    QCOMPARE(window.Image1->size(), QSize(1188, 840));
}

void ResultViewerTest::fitWidthLeavesNoHorizontalScrolling()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    window.setWindowState(Qt::WindowNoState);
    window.resize(900, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.ToolButton3->click();
    QCoreApplication::processEvents();
    QVERIFY(window.Image1->width() > 700);
    QCOMPARE(window.Image1->height(), window.Image1->width() * 707 / 1000);
    QCOMPARE(window.ScrollBox_image->horizontalScrollBar()->maximum(), 0);
    QVERIFY(window.ScrollBox_image->verticalScrollBar()->maximum() > 0);

    window.ToolButton4->click();
    QCoreApplication::processEvents();
    QCOMPARE(window.Image1->width(), window.Image1->height() * 1414 / 1000);
    QCOMPARE(window.ScrollBox_image->verticalScrollBar()->maximum(), 0);
    window.hide();
}

void ResultViewerTest::dragMovesTheScrollBarsOnRelease()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    window.setWindowState(Qt::WindowNoState);
    window.resize(800, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ToolButton1->click();
    window.ToolButton1->click();
    QCoreApplication::processEvents();

    QScrollBar *horizontal = window.ScrollBox_image->horizontalScrollBar();
    QScrollBar *vertical = window.ScrollBox_image->verticalScrollBar();
    horizontal->setValue(200);
    vertical->setValue(200);

    // Dragging the hand left and up by (100, 50) shows what lies right and below.
    QTest::mousePress(window.Image1, Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    QCOMPARE(horizontal->value(), 200);
    QTest::mouseRelease(window.Image1, Qt::LeftButton, Qt::NoModifier, QPoint(500, 450));
    QCOMPARE(horizontal->value(), 300);
    QCOMPARE(vertical->value(), 250);

    // The scroll bars bound the move.
    QTest::mousePress(window.Image1, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(window.Image1, Qt::LeftButton, Qt::NoModifier, QPoint(1500, 1000));
    QCOMPARE(horizontal->value(), 0);
    QCOMPARE(vertical->value(), 0);
    window.hide();
}

void ResultViewerTest::savesTheShownPageByItsExtension()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    window.storePage(2, markedPage(QStringLiteral("第3页")));
    window.showPage(2);
    viewer.dialogs->fileNames = {inCurrentFolder(QStringLiteral("shown.wmf")),
                                 inCurrentFolder(QStringLiteral("shown.EMF"))};
    window.ToolButton8->click();
    window.ToolButton8->click();
    QCOMPARE(viewer.dialogs->titles, QStringList({QStringLiteral("保存当前页"), QStringLiteral("保存当前页")}));

    // Placeable metafile key, and the first record of an enhanced metafile.
    QCOMPARE(fileStart(QStringLiteral("shown.wmf"), 4), QByteArray("\xD7\xCD\xC6\x9A", 4));
    QCOMPARE(fileStart(QStringLiteral("shown.EMF"), 4), QByteArray("\x01\x00\x00\x00", 4));
    QCOMPARE(fileStart(QStringLiteral("shown.EMF"), 44).mid(40), QByteArray(" EMF"));
    QVERIFY(viewer.messenger.shown.empty());
}

void ResultViewerTest::savesAllPagesUnderNumberedNames()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    QVERIFY(QDir().mkdir(QStringLiteral("all")));
    for (int page = 0; page < 17; ++page)
        window.storePage(page, markedPage(QStringLiteral("第%1页").arg(page + 1)));
    viewer.dialogs->fileNames = {inCurrentFolder(QStringLiteral("all/b.wmf"))};
    window.ToolButton9->click();
    QCOMPARE(viewer.dialogs->titles, QStringList{QStringLiteral("全部保存")});

    const QStringList written = QDir(QStringLiteral("all")).entryList(QDir::Files, QDir::Name);
    QStringList expected;
    for (int page = 1; page <= 17; ++page)
        expected.append(QStringLiteral("b_NO_%1.wmf").arg(page, 2, 10, QLatin1Char('0')));
    QCOMPARE(written, expected);
    for (const QString &name : written)
        QCOMPARE(fileStart(QStringLiteral("all/") + name, 4), QByteArray("\xD7\xCD\xC6\x9A", 4));
    QVERIFY(viewer.messenger.shown.empty());
}

void ResultViewerTest::cancelledSaveWritesNothing()
{
    Viewer viewer;
    QVERIFY(QDir().mkdir(QStringLiteral("cancelled")));
    QVERIFY(QDir::setCurrent(QStringLiteral("cancelled")));
    viewer.window->ToolButton8->click();
    viewer.window->ToolButton9->click();
    viewer.window->ToolButtonPdf->click();
    const QStringList left = QDir::current().entryList(QDir::Files);
    QVERIFY(QDir::setCurrent(QStringLiteral("..")));
    QCOMPARE(viewer.dialogs->titles.size(), 3);
    QVERIFY(left.isEmpty());
    QVERIFY(viewer.messenger.shown.empty());
}

void ResultViewerTest::saveDialogsOfferTheirFormatsAndTheSpansName()
{
    Viewer viewer;
    TForm_print &window = *viewer.window;
    window.ToolButton8->click();
    window.setSpanName(QStringLiteral(" 220kV#1主变/进线间隔跨线 "));
    window.ToolButton8->click();
    window.ToolButton9->click();
    window.ToolButtonPdf->click();

    const QString wmf = QStringLiteral("Windows 图元文件 (*.wmf)");
    const QString emf = QStringLiteral("增强型图元文件 (*.emf)");
    const QString pdf = QStringLiteral("PDF 文件 (*.pdf)");
    QCOMPARE(viewer.dialogs->filters,
             QList<QStringList>({{wmf, emf}, {wmf, emf}, {wmf}, {pdf}}));
    QCOMPARE(viewer.dialogs->suggestedNames,
             QStringList({QStringLiteral("计算书_NO_01.wmf"), QStringLiteral("220kV#1主变_进线间隔跨线_NO_01.wmf"),
                          QStringLiteral("220kV#1主变_进线间隔跨线.wmf"), QStringLiteral("220kV#1主变_进线间隔跨线.pdf")}));
}

void ResultViewerTest::saveDialogFollowsTheChosenFormat()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile page(QDir(folder.path()).filePath(QStringLiteral("b.wmf")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();

    const QStringList filters = {QStringLiteral("Windows 图元文件 (*.wmf)"), QStringLiteral("增强型图元文件 (*.emf)")};
    const std::unique_ptr<QFileDialog> dialog =
        report::makeSaveDialog(nullptr, QStringLiteral("保存当前页"), filters, QStringLiteral("跨线.wmf"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("保存当前页"));
    QCOMPARE(dialog->nameFilters(), filters);
    QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
    QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("wmf"));
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types != nullptr);
    QTest::keyClick(types, Qt::Key_Down);
    QCOMPARE(types->currentIndex(), 1);
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("emf"));

    // The date column holds a date of the program's locale whole.
    dialog->setDirectory(folder.path());
    auto *files = qobject_cast<QFileSystemModel *>(dialog->proxyModel()->sourceModel());
    QVERIFY(files != nullptr);
    const QModelIndex file = files->index(page.fileName());
    QTRY_VERIFY(file.isValid() && files->lastModified(file).isValid());
    const QString date = QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
    QCOMPARE(dialog->proxyModel()->mapFromSource(file.siblingAtColumn(3)).data().toString(), date);
    auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    QVERIFY(list != nullptr);
    QVERIFY(list->header()->sectionSize(3) > list->fontMetrics().horizontalAdvance(date));
}

void ResultViewerTest::reportsAFileThatCannotBeWritten()
{
    Viewer viewer({common::MessageAnswer::Ok, common::MessageAnswer::Ok});
    viewer.dialogs->fileNames = {inCurrentFolder(QStringLiteral("no-such-folder/page.wmf")),
                                 inCurrentFolder(QStringLiteral("no-such-folder/b.wmf"))};
    viewer.window->ToolButton8->click();
    viewer.window->ToolButton9->click();
    QCOMPARE(viewer.messenger.shown.size(), std::size_t{2});
    const QStringList failedFiles = {QStringLiteral("no-such-folder/page.wmf"), QStringLiteral("no-such-folder/b_NO_01.wmf")};
    for (std::size_t i = 0; i < 2; ++i) {
        const common::Message &message = viewer.messenger.shown[i];
        QCOMPARE(message.caption, std::string("错误信息"));
        QCOMPARE(message.icon, common::MessageIcon::Error);
        const QString expected = QStringLiteral("保存文件“%1”失败：文件夹不存在。")
                                     .arg(QDir::toNativeSeparators(inCurrentFolder(failedFiles[qsizetype(i)])));
        QCOMPARE(QString::fromStdString(message.text), expected);
    }
}

void ResultViewerTest::exportsTheWholeReportAsOnePdf()
{
    Viewer viewer;
    viewer.dialogs->fileNames = {inCurrentFolder(QStringLiteral("report.pdf"))};
    viewer.window->ToolButtonPdf->click();
    QCOMPARE(viewer.dialogs->titles, QStringList{QStringLiteral("导出PDF")});
    QCOMPARE(fileStart(QStringLiteral("report.pdf"), 4), QByteArray("%PDF"));
    QCOMPARE(pdfPageCount(QStringLiteral("report.pdf")), 17);

    // The Title names the span, as the PDF of tenrix-calc does.
    viewer.window->setSpanName(QStringLiteral("1号跨线"));
    viewer.dialogs->fileNames = {inCurrentFolder(QStringLiteral("named.pdf"))};
    viewer.window->ToolButtonPdf->click();
    QPDF pdf;
    pdf.processFile(inCurrentFolder(QStringLiteral("named.pdf")).toLocal8Bit().constData());
    QCOMPARE(pdf.getTrailer().getKey("/Info").getKey("/Title").getUTF8Value(),
             std::string("软导线实用力学计算书 - 1号跨线"));
}

void ResultViewerTest::printsTheShownPageIntoAPdfFile()
{
    Viewer viewer({common::MessageAnswer::Ok});
    viewer.dialogs->printInto = inCurrentFolder(QStringLiteral("printed-page.pdf"));
    // "正在打印..." never holds the job: the file is whole while it is shown.
    int pagesWhileShown = -1;
    viewer.messenger.whileShown = [&](const common::Message &) {
        pagesWhileShown = pdfPageCount(QStringLiteral("printed-page.pdf"));
    };
    viewer.window->ToolButton11->click();
    QCOMPARE(pagesWhileShown, 1);
    QCOMPARE(viewer.dialogs->printerSetUps, 1);
    // The pages are landscape, and so is the sheet the set-up starts with.
    QCOMPARE(viewer.dialogs->orientations.value(0), QPageLayout::Landscape);
    QCOMPARE(pdfPageCount(QStringLiteral("printed-page.pdf")), 1);
    QCOMPARE(viewer.messenger.shown.size(), std::size_t{1});
    QCOMPARE(viewer.messenger.shown[0].text, std::string("正在打印..."));
    QCOMPARE(viewer.messenger.shown[0].caption, std::string("打印"));
    QCOMPARE(viewer.messenger.shown[0].icon, common::MessageIcon::Information);

    // A cancelled set-up prints nothing.
    viewer.dialogs->printInto.clear();
    viewer.window->ToolButton11->click();
    QCOMPARE(viewer.messenger.shown.size(), std::size_t{1});
}

void ResultViewerTest::printsAllPagesAfterTheConfirmation()
{
    Viewer viewer({common::MessageAnswer::Cancel, common::MessageAnswer::Ok});
    viewer.dialogs->printInto = inCurrentFolder(QStringLiteral("printed-all.pdf"));

    viewer.window->ToolButton12->click();
    QCOMPARE(viewer.dialogs->printerSetUps, 0);
    QVERIFY(!QFile::exists(QStringLiteral("printed-all.pdf")));

    viewer.window->ToolButton12->click();
    QCOMPARE(viewer.dialogs->printerSetUps, 1);
    // Into one file all 17 pages go in one job, or each would replace the last.
    QCOMPARE(pdfPageCount(QStringLiteral("printed-all.pdf")), 17);

    QCOMPARE(viewer.messenger.shown.size(), std::size_t{2});
    const common::Message &question = viewer.messenger.shown[0];
    QCOMPARE(question.text, std::string("程序将连续打印17页计算书,请确认纸张已正确放置"));
    QCOMPARE(question.caption, std::string("连续打印确认"));
    QCOMPARE(question.icon, common::MessageIcon::Warning);
    QCOMPARE(question.buttons, common::MessageButtons::OkCancel);
}

void ResultViewerTest::backHidesTheViewer()
{
    Viewer viewer;
    viewer.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer.window.get()));
    viewer.window->ToolButton14->click();
    QVERIFY(!viewer.window->isVisible());
    viewer.window->storePage(0, markedPage(QStringLiteral("再次计算")));
    viewer.window->show();
    viewer.window->showPage(0);
    QCOMPARE(firstText(viewer.window->shownPage()), QStringLiteral("再次计算"));
}

void ResultViewerTest::fileDialogsStartWhereTheLastOneEnded()
{
    common::UserSettings().clear();
    QTemporaryDir project;
    QVERIFY(project.isValid());
    QVERIFY(QDir(project.path()).mkpath(QStringLiteral("spans")));

    QFileDialog first;
    report::prepareFileDialog(first);
    first.setAcceptMode(QFileDialog::AcceptSave);
    first.setDirectory(project.path());
    first.selectFile(QDir(project.path()).filePath(QStringLiteral("report.pdf")));
    static_cast<QDialog &>(first).accept();

    QFileDialog next;
    report::prepareFileDialog(next);
    QCOMPARE(next.directory().absolutePath(), QDir(project.path()).absolutePath());

    // A chosen folder is itself the place to start next time.
    next.setFileMode(QFileDialog::Directory);
    const QString spans = QDir(project.path()).filePath(QStringLiteral("spans"));
    next.selectFile(spans);
    // The dialog's file model reads the folder on a thread of its own: under
    // load the selection is known only once it has.
    QTRY_COMPARE(next.selectedFiles().value(0), spans);
    static_cast<QDialog &>(next).accept();
    QFileDialog third;
    report::prepareFileDialog(third);
    QCOMPARE(third.directory().absolutePath(), QDir(project.path()).filePath(QStringLiteral("spans")));

    // A cancelled dialog leaves the place as it was.
    third.setDirectory(QDir::tempPath());
    third.reject();
    QFileDialog fourth;
    report::prepareFileDialog(fourth);
    QCOMPARE(fourth.directory().absolutePath(), QDir(project.path()).filePath(QStringLiteral("spans")));
    common::UserSettings().clear();
}
