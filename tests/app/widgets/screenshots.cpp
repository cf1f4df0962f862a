// tenrix-screenshots FOLDER (make screenshots): pictures of every window,
// its drop-down lists and the platform dialogs, for a look by eye at texts
// and widths, on the offscreen platform.
#include "guiprogram.h"

#include "app/model/plausibilitycheck.h"
#include "app/widgets/bookdialog.h"
#include "common/widgets/applicationfont.h"
#include "common/widgets/dropdownstyle.h"
#include "common/widgets/qtmessenger.h"
#include "common/widgets/qttranslations.h"

#include "report/viewer/viewerdialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

class ScreenshotWriter : public QObject
{
    Q_OBJECT

public:
    explicit ScreenshotWriter(QString folder) : mFolder(std::move(folder)) {}

private Q_SLOTS:
    void programWindows()
    {
        TemporaryCurrentDirectory folder;
        GuiProgram program;
        app::ProgramWindows &w = *program.windows;
        TForm_zcx &main = w.Form_zcx;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        save(main, "main-window");
        savePopup(main.ComboBox_zdx, "main-conductor-list");
        savePopup(main.stringTypeList(app::StringSide::A), "string-a-list");
        main.SGrid_hz->setCurrentCell(1, 3);
        main.SGrid_hz->cellClicked(1, 3);
        savePopup(main.ComboBox_dx, "load-grid-conductor-list");
        savePopup(main.ComboBox_kV, "voltage-list");

        // The engineer's own conductor: the list takes a designation, the five figures take typing.
        Q_EMIT main.ComboBox_zdx->activated(app::MainWindowModel::customConductorIndex);
        main.ComboBox_zdx->setEditText(QStringLiteral("JL/G1A-400/35"));
        save(main, "main-window-custom-conductor");
        Q_EMIT main.Menu_dxk->aboutToShow();
        main.Menu_dxk->popup(main.ToolButton_dxk->mapToGlobal(QPoint(0, main.ToolButton_dxk->height())));
        QVERIFY(QTest::qWaitForWindowExposed(main.Menu_dxk));
        save(*main.Menu_dxk, "main-conductor-library-menu");
        main.Menu_dxk->hide();
        Q_EMIT main.ComboBox_zdx->activated(0);

        showAndSave(w.Form_xuan_xiang, "options-conditions");
        w.Form_xuan_xiang.PageControl1->setCurrentIndex(1);
        save(w.Form_xuan_xiang, "options-marking");
        w.Form_xuan_xiang.PageControl1->setCurrentIndex(3);
        save(w.Form_xuan_xiang, "options-short-circuit");
        w.Form_xuan_xiang.PageControl1->setCurrentIndex(4);
        save(w.Form_xuan_xiang, "options-clearances");
        w.Form_xuan_xiang.PageControl1->setCurrentIndex(0);
        savePopup(w.Form_xuan_xiang.ComboBox1, "options-zone-list");
        w.Form_xuan_xiang.hide();

        showAndSave(w.Form_jyz, "composer");
        savePopup(w.Form_jyz.ComboBox_jyzxh, "composer-disc-list");
        savePopup(w.Form_jyz.ComboBox_jjxh, "composer-fitting-list");
        w.Form_jyz.hide();

        w.Form_tjjj.markMatches("NAHLGJQ-1440", 51.36f);
        showAndSave(w.Form_tjjj, "fitting-lookup");
        w.Form_tjjj.hide();
        w.Form_jgb.markMatches("NAHLGJQ-1440", 51.36f);
        showAndSave(w.Form_jgb, "spacer-lookup");
        w.Form_jgb.hide();

        showAndSave(w.Form_help, "help-window");
        w.Form_help.hide();

        QTest::mouseClick(main.Button_js, Qt::LeftButton);
        QVERIFY(w.Form_print.isVisible());
        w.Form_print.resize(1280, 900);
        save(w.Form_print, "viewer");
        savePopup(w.Form_print.ComboBox1, "viewer-page-list");
        w.Form_print.setReportCurrent(false);
        save(w.Form_print, "viewer-stale");
        w.Form_print.setReportCurrent(true);
        save(main, "main-window-governing");
        QTest::keyClicks(main.edit(app::EditBox::Edit_bt), QStringLiteral("1"));
        save(main, "main-window-governing-stale");

        // A span with the book's data is reported as a book, its pages listed by their titles.
        program.dialogs.expect([this](QDialog &dialog) {
            auto &book = static_cast<TForm_jssxx &>(dialog);
            book.edit(&common::BookData::projectName)->setText(QStringLiteral("某220kV变电站新建工程"));
            book.edit(&common::BookData::projectNumber)->setText(QStringLiteral("S2201-D0102"));
            book.edit(&common::BookData::designStage)->setText(QStringLiteral("施工图设计"));
            book.edit(&common::BookData::company)->setText(QStringLiteral("某电力设计院有限公司"));
            book.edit(&common::BookData::calculatedBy)->setText(QStringLiteral("张三"));
            showAndSave(dialog, "book-dialog");
            dialog.accept();
        });
        main.Action_book->trigger();
        QTest::mouseClick(main.Button_js, Qt::LeftButton);
        savePopup(w.Form_print.ComboBox1, "viewer-book-page-list");
        const std::pair<const char *, const char *> bookPages[] = {
            {"封面", "book-cover"}, {"安装曲线", "book-curves"}, {"跨线示意图", "book-profile"}};
        for (const auto &[title, name] : bookPages) {
            const int index = w.Form_print.ComboBox1->findText(QString::fromUtf8(title));
            QVERIFY(index >= 0);
            w.Form_print.ComboBox1->setCurrentIndex(index);
            save(w.Form_print, name);
        }

        auto *edit = main.findChild<QLineEdit *>(QStringLiteral("Edit_bt"));
        QVERIFY(edit != nullptr);
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        menu->popup(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
        save(*menu, "edit-context-menu");
        menu->hide();

        main.Menu_file->popup(main.mapToGlobal(QPoint(0, main.MainMenu->height())));
        QVERIFY(QTest::qWaitForWindowExposed(main.Menu_file));
        save(*main.Menu_file, "file-menu");
        main.Menu_file->hide();

        // The batch's progress, as it stands halfway through.
        QProgressDialog progress(QStringLiteral("正在计算 24 个跨线..."), QStringLiteral("取消"), 0, 24, &main);
        progress.setWindowTitle(QStringLiteral("批量计算"));
        progress.setValue(11);
        showAndSave(progress, "batch-progress");
    }

    void unusualValuesQuestion()
    {
        // The question of a pasted span, as the calculate command asks it.
        const common::Message question = app::implausibleValuesQuestion(
            {"跨距L(m)为2201m,常用10 ~ 200m(变电站跨线)", "温度线膨胀系数(10⁻⁶/℃)为2.3,常用10 ~ 25"});
        common::QtMessenger messenger;
        QTimer::singleShot(0, this, [this] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            QVERIFY(QTest::qWaitForWindowExposed(box));
            save(*box, "unusual-values-question");
            QTest::keyClick(box, Qt::Key_Return);
        });
        // Enter goes back to the inputs.
        QCOMPARE(messenger.show(question), common::MessageAnswer::Revise);
    }

    void platformDialogs()
    {
        TemporaryCurrentDirectory folder;
        QFile sample(folder.filePath(QStringLiteral("220kV#1主变进线间隔跨线.wmf")));
        QVERIFY(sample.open(QIODevice::WriteOnly));
        sample.write(QByteArray(150000, '\0'));
        sample.close();
        const std::unique_ptr<QFileDialog> saveDialog =
            report::makeSaveDialog(nullptr, QStringLiteral("保存当前页"),
                                {QStringLiteral("Windows 图元文件 (*.wmf)"), QStringLiteral("增强型图元文件 (*.emf)")},
                                QStringLiteral("220kV#1主变进线间隔跨线.wmf"));
        saveDialog->setDirectory(QDir::currentPath());
        showAndSave(*saveDialog, "save-dialog");
        saveDialog->hide();

        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        const std::unique_ptr<QPrintDialog> print = report::makePrintDialog(printer, nullptr);
        showAndSave(*print, "print-dialog");
        // With its paper and orientation page open.
        for (QPushButton *button : print->findChildren<QPushButton *>()) {
            if (button->text().contains(QStringLiteral(">>")))
                button->click();
        }
        save(*print, "print-dialog-options");
        print->hide();
    }

private:
    void save(QWidget &window, const char *name)
    {
        QApplication::processEvents();
        QVERIFY(window.grab().save(mFolder + u'/' + QLatin1String(name) + QStringLiteral(".png")));
    }

    void showAndSave(QWidget &window, const char *name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        save(window, name);
    }

    void savePopup(QComboBox *list, const char *name)
    {
        list->showPopup();
        QWidget *popup = list->view()->window();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        save(*popup, name);
        list->hidePopup();
    }

    QString mFolder;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: tenrix-screenshots FOLDER\n", stderr);
        return 2;
    }
    // The windows run in a temporary current folder; the pictures go where the caller meant.
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tenrix-screenshots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    QStandardPaths::setTestModeEnabled(true);
    common::installDropDownListStyle();
    common::installApplicationFonts();
    common::installQtChineseTranslation(application);
    ScreenshotWriter screenshots(folder);
    return QTest::qExec(&screenshots, qtArgumentCount, argv);
}

#include "screenshots.moc"
