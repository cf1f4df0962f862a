// The calculate command: through the main window and the viewer, and on its
// own with a recording viewer for the failures.
#include "guiprogram.h"
#include "guitests.h"

#include "app/model/lastinputfile.h"
#include "app/run/calculatecommand.h"
#include "options/dialog/optionsdialog.h"
#include "report/reportpage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>


using app::EditBox;

namespace {

const QColor teal(0x00, 0x80, 0x80);

/// What a page writes: every markup text with its place and colour.
using PageTexts = std::vector<report::MarkupAnnotation>;

bool sameTexts(const PageTexts &left, const PageTexts &right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](const report::MarkupAnnotation &a, const report::MarkupAnnotation &b) {
                          return a.x == b.x && a.y == b.y && a.text == b.text && a.color == b.color;
                      });
}

std::vector<PageTexts> storedTexts(const TForm_print &viewer)
{
    std::vector<PageTexts> pages;
    for (int index = 0; index < viewer.pageCount(); ++index)
        pages.push_back(viewer.storedPage(index).markupAnnotations());
    return pages;
}

bool sameReport(const std::vector<PageTexts> &left, const std::vector<PageTexts> &right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), sameTexts);
}

/// The input texts page 1 echoes in the condition table's column at \a x, top to bottom.
QStringList conditionColumn(const PageTexts &page, int x)
{
    QStringList texts;
    for (const report::MarkupAnnotation &annotation : page) {
        if (annotation.x == x && annotation.color == teal)
            texts.append(annotation.text);
    }
    return texts;
}

QStringList toQStringList(const std::array<std::string, 9> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

/// A viewer that only counts what the command hands it.
class RecordingPages : public report::ResultPages
{
public:
    bool resultsInBlack() const override { return false; }
    void setPageCount(int count) override { pageCount = count; }
    void storePage(int, const report::ReportPage &) override { ++stored; }
    void showDesignCheckStatus(const std::string &text) override { status = text; }
    void showFirstPage() override { shown = true; }

    int pageCount = 0;
    int stored = 0;
    std::string status;
    bool shown = false;
};

} // namespace

class CalculateTest : public MainWindowTestCase
{
    Q_OBJECT

private:
    void calculate() { QTest::mouseClick(window().Button_js, Qt::LeftButton); }

private Q_SLOTS:
    void calculationShowsTheViewerOnPageOne()
    {
        viewer().ComboBox1->setCurrentIndex(5);
        viewer().showPage(5);
        calculate();

        QVERIFY(mProgram->messenger.shown.empty());
        QVERIFY(viewer().isVisible());
        QCOMPARE(viewer().ComboBox1->currentIndex(), 0);
        QCOMPARE(viewer().ComboBox1->currentText(), QStringLiteral("第1页 输入数据和计算结果汇总"));
        const PageTexts firstPage = viewer().storedPage(0).markupAnnotations();
        QVERIFY(sameTexts(viewer().shownPage().markupAnnotations(), firstPage));
        QVERIFY(std::any_of(firstPage.begin(), firstPage.end(), [](const report::MarkupAnnotation &annotation) {
            return annotation.text.startsWith(QStringLiteral("220kV#1主变进线间隔跨线"));
        }));
        // Every one of the 17 pages carries results.
        for (const PageTexts &page : storedTexts(viewer())) {
            QVERIFY(std::any_of(page.begin(), page.end(),
                                [](const report::MarkupAnnotation &annotation) { return annotation.color == teal; }));
        }
    }

    // The save dialogs name their files after the span of the shown report;
    // a refused calculation keeps the name of the pages still shown.
    void theViewerKnowsTheSpanOfItsPages()
    {
        QCOMPARE(viewer().spanName(), QString());
        replaceText(window().edit(EditBox::Edit_bt), QStringLiteral("110kV span 7"));
        calculate();
        QCOMPARE(viewer().spanName(), QStringLiteral("110kV span 7"));
        replaceText(window().edit(EditBox::Edit_bt), QStringLiteral("span 8"));
        replaceText(window().edit(EditBox::Edit_f), QStringLiteral("0"));
        mProgram->messenger.expect();
        calculate();
        QCOMPARE(viewer().spanName(), QStringLiteral("110kV span 7"));
    }

    void pressingTwiceGivesTheSamePages()
    {
        calculate();
        const std::vector<PageTexts> first = storedTexts(viewer());
        viewer().hide();
        calculate();
        QVERIFY(viewer().isVisible());
        QVERIFY(sameReport(storedTexts(viewer()), first));
    }

    void resultsAreBlackWhenTheViewerAsks()
    {
        calculate();
        const std::vector<PageTexts> coloured = storedTexts(viewer());
        // The choice takes effect at once: the pages are drawn anew.
        viewer().CheckBox_print_color->setChecked(true);
        const std::vector<PageTexts> black = storedTexts(viewer());
        QCOMPARE(black.size(), coloured.size());
        for (std::size_t page = 0; page < black.size(); ++page) {
            QCOMPARE(black[page].size(), coloured[page].size());
            for (std::size_t text = 0; text < black[page].size(); ++text) {
                QCOMPARE(black[page][text].text, coloured[page][text].text);
                QVERIFY(black[page][text].color != teal);
            }
        }
    }

    void pagesOfOtherInputsAreMarkedAndAskBeforeTheyLeave()
    {
        calculate();
        QVERIFY(viewer().isReportCurrent());
        QLabel *stale = viewer().findChild<QLabel *>(QStringLiteral("Label_stale"));
        QVERIFY(stale != nullptr);
        QVERIFY(!stale->isVisibleTo(&viewer()));

        const QString span = window().edit(EditBox::Edit_L)->text();
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("37"));
        QVERIFY(!viewer().isReportCurrent());
        QVERIFY(stale->isVisibleTo(&viewer()));
        QCOMPARE(stale->text(), QStringLiteral("输入已修改,计算书不是当前数据"));

        // Printing and saving ask first; 取消 stops them before any dialog.
        mProgram->messenger.expect(common::MessageAnswer::Cancel);
        viewer().ToolButton11Click();
        mProgram->messenger.expect(common::MessageAnswer::Cancel);
        viewer().ToolButtonPdfClick();
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{2});
        QCOMPARE(mProgram->messenger.shown[0].text, std::string("输入已修改,计算书不是当前数据. 仍要打印吗?"));
        QCOMPARE(mProgram->messenger.shown[1].text, std::string("输入已修改,计算书不是当前数据. 仍要导出吗?"));

        // Typing the old value back makes the pages those of the inputs again.
        replaceText(window().edit(EditBox::Edit_L), span);
        QVERIFY(viewer().isReportCurrent());
        replaceText(window().edit(EditBox::Edit_L), QStringLiteral("37"));
        calculate();
        QVERIFY(viewer().isReportCurrent());
        QVERIFY(!stale->isVisibleTo(&viewer()));
    }

    void aLoadTableErrorLeavesTheViewerAsItWas()
    {
        calculate();
        const std::vector<PageTexts> before = storedTexts(viewer());
        viewer().hide();
        viewer().ComboBox1->setCurrentIndex(3);

        window().SGrid_hzCellEdited(2, 5, QString());
        mProgram->messenger.expect();
        calculate();

        QCOMPARE(mProgram->messageTexts(), std::vector<std::string>{"跳线及引下线荷载表 引下线P1 次档距(m) 数据有误,请检查"});
        QCOMPARE(mProgram->messenger.shown.front().caption, "语法检查");
        QVERIFY(!viewer().isVisible());
        QCOMPARE(viewer().ComboBox1->currentIndex(), 3);
        QVERIFY(sameReport(storedTexts(viewer()), before));
    }

    void aZeroSagIsRefusedBeforeAnyPage()
    {
        const std::vector<PageTexts> placeholder = storedTexts(viewer());
        replaceText(window().edit(EditBox::Edit_f), QStringLiteral("0"));
        mProgram->messenger.expect();
        calculate();
        QCOMPARE(mProgram->messageTexts(), std::vector<std::string>{"允许弧垂必须大于0,一般取跨度的1/15 ~ 1/30,请修改."});
        QCOMPARE(mProgram->messenger.shown.front().icon, common::MessageIcon::None);
        QVERIFY(!viewer().isVisible());
        QVERIFY(sameReport(storedTexts(viewer()), placeholder));
    }

    void keysComputeAndTurnThePages()
    {
        QLineEdit *span = window().edit(EditBox::Edit_L);
        span->setFocus();
        QTest::keyClick(span, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(viewer().isVisible());
        QVERIFY(viewer().isReportCurrent());
        viewer().hide();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(&window(), Qt::Key_F5);
        QVERIFY(viewer().isVisible());

        QVERIFY(QTest::qWaitForWindowActive(&viewer()));
        QCOMPARE(viewer().ComboBox1->currentIndex(), 0);
        QTest::keyClick(&viewer(), Qt::Key_PageDown);
        QTest::keyClick(&viewer(), Qt::Key_PageDown);
        QCOMPARE(viewer().ComboBox1->currentIndex(), 2);
        QTest::keyClick(&viewer(), Qt::Key_PageUp);
        QCOMPARE(viewer().ComboBox1->currentIndex(), 1);
        QTest::keyClick(&viewer(), Qt::Key_PageUp);
        QTest::keyClick(&viewer(), Qt::Key_PageUp);
        QCOMPARE(viewer().ComboBox1->currentIndex(), 0);
    }

    void anIcedStringLighterThanTheBareOneIsRefused()
    {
        replaceText(window().edit(EditBox::Edit_jyza_kgb), QStringLiteral("0"));
        mProgram->messenger.expect();
        calculate();
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
        QCOMPARE(mProgram->messenger.shown[0].caption, std::string("数据合理性检查出错误信息"));
        QVERIFY(QString::fromStdString(mProgram->messenger.shown[0].text)
                    .startsWith(QStringLiteral("绝缘子串A 覆冰时重量(kg) 0 小于")));
        QVERIFY(!viewer().isVisible());
    }

    void theChosenZoneReachesTheNextCalculation()
    {
        TForm_xuan_xiang &options = mProgram->windows->Form_xuan_xiang;
        const int thirdZone = options.ComboBox1->findText(QStringLiteral("三类"));
        QVERIFY(thirdZone >= 0);
        options.ComboBox1Change(thirdZone);
        const options::OptionsTexts zone = options.optionsTexts();
        QVERIFY(zone.conditionTemperature != options::OptionsTexts{}.conditionTemperature);

        calculate();
        const PageTexts firstPage = viewer().storedPage(0).markupAnnotations();
        // Page 1 echoes the nine conditions: temperatures at x = 130, wind speeds at x = 190.
        QCOMPARE(conditionColumn(firstPage, 130), toQStringList(zone.conditionTemperature));
        QCOMPARE(conditionColumn(firstPage, 190), toQStringList(zone.conditionWindSpeed));
    }

    void aFailedCalculationIsReportedAndHandsOverNothing()
    {
        // An expansion coefficient far beyond any material is only asked
        // about, but its thermal strain is beyond what the engine can hold.
        app::MainWindowModel span;
        span.setText(EditBox::Edit_dx_ax, "3e38");
        ScriptedMessenger messenger({common::MessageAnswer::Continue, common::MessageAnswer::Ok});
        RecordingPages pages;
        QCOMPARE(app::calculateAndShow(span, options::OptionsTexts{}, {}, pages, messenger).outcome,
                 app::CalculationOutcome::Failed);
        QCOMPARE(pages.stored, 0);
        QVERIFY(!pages.shown);
        QCOMPARE(messenger.shown.size(), std::size_t{2});
        QCOMPARE(messenger.shown.front().caption, "数据合理性提示");
        const common::Message &failure = messenger.shown.back();
        // The generic line first, then the engine's own words on what failed.
        QCOMPARE(failure.text, "计算过程中遇到错误,请尝试调整输入数据再算.\n\nB超出可计算的范围,请检查输入数据.");
        QCOMPARE(failure.caption, "计算出错");
        QCOMPARE(failure.icon, common::MessageIcon::Error);

        // A conductor without stiffness is refused before the engine runs,
        // naming the field rather than the cubic it would fail in.
        span = app::MainWindowModel();
        span.setText(EditBox::Edit_dx_E, "0");
        messenger.shown.clear();
        messenger.expect();
        QCOMPARE(app::calculateAndShow(span, options::OptionsTexts{}, {}, pages, messenger).outcome,
                 app::CalculationOutcome::Refused);
        QCOMPARE(messenger.shown.size(), std::size_t{1});
        QCOMPARE(messenger.shown[0].caption, "数据合理性检查出错误信息");
        QCOMPARE(messenger.shown[0].text, "弹性模量(N/mm2)应大于0,请修改.");
        QCOMPARE(pages.stored, 0);

        messenger.shown.clear();
        options::DesignCheckOptions withoutCheckPage;
        withoutCheckPage.includeCheckPage = false;
        QCOMPARE(
            app::calculateAndShow(app::MainWindowModel(), options::OptionsTexts{}, withoutCheckPage, pages, messenger)
                .outcome,
            app::CalculationOutcome::Shown);
        QCOMPARE(pages.pageCount, 17);
        QCOMPARE(pages.stored, 17);
        QCOMPARE(pages.status, std::string());
        QVERIFY(pages.shown);
        QVERIFY(messenger.shown.empty());
    }

    void theDesignCheckFollowsAsPage18AndFailsOnlyInTheStatusLine()
    {
        ScriptedMessenger messenger;
        RecordingPages pages;
        // String A of 45 kN cannot hold the default span: the check fails.
        options::DesignCheckOptions weak;
        weak.stringARatedLoad = "45";
        QCOMPARE(app::calculateAndShow(app::MainWindowModel(), options::OptionsTexts{}, weak, pages, messenger).outcome,
                 app::CalculationOutcome::Shown);
        QCOMPARE(pages.pageCount, 18);
        QCOMPARE(pages.stored, 18);
        QVERIFY(pages.status.starts_with("设计校核: 不满足 ("));
        QVERIFY(messenger.shown.empty());

        options::DesignCheckOptions bad;
        bad.stringBRatedLoad = "abc";
        pages = RecordingPages();
        messenger.expect();
        QCOMPARE(app::calculateAndShow(app::MainWindowModel(), options::OptionsTexts{}, bad, pages, messenger).outcome,
                 app::CalculationOutcome::Refused);
        QCOMPARE(pages.stored, 0);
        QCOMPARE(messenger.shown.size(), std::size_t{1});
        QCOMPARE(messenger.shown[0].caption, "选项设置");
    }

    // The figures of the default span are those of its golden case
    // (tests/cases/default-span): the largest H of the phase is 16.041 kN,
    // single-phase maintenance in the cold, at both structures.
    void theGoverningPanelShowsTheFiguresUntilAnInputChanges()
    {
        const QString stale = QStringLiteral("输入已修改,结果已过期");
        QVERIFY(!window().Label_kzgk->text().contains(QStringLiteral("kN")));
        TForm_xuan_xiang &options = mProgram->windows->Form_xuan_xiang;
        options.CheckBox_jiaohe->setChecked(false);
        calculate();
        QString shown = window().Label_kzgk->text();
        QVERIFY2(shown.contains(QStringLiteral("16.041 kN (单相上人低温)")), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("控制弧垂 2 m")));
        QVERIFY(shown.contains(QStringLiteral("未校核")));
        QVERIFY(!shown.contains(stale));

        replaceText(window().edit(EditBox::Edit_f), QStringLiteral("2.1"));
        QVERIFY(window().Label_kzgk->text().contains(stale));
        QVERIFY(window().Label_kzgk->text().contains(QStringLiteral("16.041 kN")));
        // Typed back, the inputs are those of the figures again.
        replaceText(window().edit(EditBox::Edit_f), QStringLiteral("2"));
        QVERIFY(!window().Label_kzgk->text().contains(stale));

        // String A of 45 kN cannot hold the span: the verdict reads in red.
        options.CheckBox_jiaohe->setChecked(true);
        QLineEdit *stringA = options.Edit_jiaohe[static_cast<std::size_t>(options::DesignCheckField::stringARatedLoad)];
        replaceText(stringA, QStringLiteral("45"));
        calculate();
        shown = window().Label_kzgk->text();
        QVERIFY2(shown.contains(QStringLiteral("color:#c00000\">不满足")), qPrintable(shown));
    }

    // The short circuit and the clearances are the span's: typed in the
    // options, they are kept only once confirmed, and a text that is no
    // number keeps the dialog open on its page. a is typed once, on the
    // clearance page, and the short circuit takes it from there.
    void aConfirmedShortCircuitAddsItsPage()
    {
        TForm_xuan_xiang &options = mProgram->windows->Form_xuan_xiang;
        const auto edit = [&options](options::ShortCircuitField field) {
            return options.Edit_duanlu[static_cast<std::size_t>(field)];
        };
        const auto layoutEdit = [&options](options::ClearanceField field) {
            return options.Edit_jianju[static_cast<std::size_t>(field)];
        };
        QCOMPARE(edit(options::ShortCircuitField::initialCurrent)->placeholderText(), QStringLiteral("不进行短路计算"));
        calculate();
        const int plainPages = viewer().pageCount();

        mProgram->messenger.expect(common::MessageAnswer::Ok);
        mProgram->messenger.expect(common::MessageAnswer::Ok);
        mProgram->dialogs.expect([&](QDialog &) {
            replaceText(edit(options::ShortCircuitField::initialCurrent), QStringLiteral("40"));
            replaceText(edit(options::ShortCircuitField::firstDuration), QStringLiteral("0.5"));
            replaceText(edit(options::ShortCircuitField::springConstant), QStringLiteral("1000"));
            replaceText(edit(options::ShortCircuitField::thermalStrainConstant), QStringLiteral("0.27"));
            options.BitBtn_YES->click();
            QCOMPARE(options.result(), int(QDialog::Rejected));
            QCOMPARE(options.PageControl1->currentWidget(), options.TabSheet5);
            replaceText(layoutEdit(options::ClearanceField::phaseSpacing), QStringLiteral("3,5"));
            options.BitBtn_YES->click();
            QCOMPARE(options.PageControl1->currentWidget(), options.TabSheet5);
            replaceText(layoutEdit(options::ClearanceField::phaseSpacing), QStringLiteral("3.5"));
            replaceText(layoutEdit(options::ClearanceField::phaseToPhaseSwitching), QStringLiteral("2"));
            replaceText(layoutEdit(options::ClearanceField::halfWidth), QStringLiteral("0.3"));
            options.BitBtn_YES->click();
        });
        QTest::mouseClick(window().Button_option, Qt::LeftButton);
        const std::string blankA = options::badClearanceFieldMessage(options::ClearanceField::phaseSpacing);
        QCOMPARE(mProgram->messageTexts(), (std::vector<std::string>{blankA, blankA}));
        QCOMPARE(window().clearanceOptions().phaseSpacing, std::string("3.5"));
        QCOMPARE(window().currentSpan().shortCircuit.initialCurrent, std::string("40"));
        QCOMPARE(window().currentSpan().clearances.phaseToPhaseSwitching, std::string("2"));
        QVERIFY(window().document()->isChanged(window().currentSpan()));

        calculate();
        QCOMPARE(viewer().pageCount(), plainPages + 2);
        QCOMPARE(viewer().storedPage(plainPages).title(), QStringLiteral("短路效应计算"));
        QCOMPARE(viewer().storedPage(plainPages + 1).title(), QStringLiteral("电气距离校验"));
        // The panel 控制工况 sums them up with the static figures.
        const QString panel = window().Label_kzgk->text();
        QVERIFY2(panel.contains(QStringLiteral("短路设计荷载")), qPrintable(panel));
        QVERIFY2(panel.contains(QStringLiteral("满足(7项未校核)")), qPrintable(panel));

        // 新建 starts without a short circuit or clearances.
        mProgram->messenger.expect(common::MessageAnswer::Discard);
        window().Action_new->trigger();
        QVERIFY(window().shortCircuitOptions() == options::ShortCircuitOptions());
        QVERIFY(window().clearanceOptions() == options::ClearanceOptions());
    }

    void aFailureInTheWindowKeepsTheViewerHidden()
    {
        const std::vector<PageTexts> placeholder = storedTexts(viewer());
        mProgram.reset();
        // A stored span far beyond what the engine can compute.
        app::MainWindowModel damaged;
        damaged.setText(EditBox::Edit_dx_ax, "3e38");
        QVERIFY(app::saveLastInputs(damaged, app::lastInputFileName));
        mProgram.emplace();
        QCOMPARE(window().edit(EditBox::Edit_dx_ax)->text(), QStringLiteral("3e38"));
        window().show();
        mProgram->messenger.expect(common::MessageAnswer::Continue);
        mProgram->messenger.expect();
        calculate();
        QVERIFY(!mProgram->messenger.shown.empty());
        QCOMPARE(mProgram->messenger.shown.back().caption, "计算出错");
        QVERIFY(!viewer().isVisible());
        QVERIFY(sameReport(storedTexts(viewer()), placeholder));
    }
};

std::unique_ptr<QObject> makeCalculateTest()
{
    return std::make_unique<CalculateTest>();
}

#include "test_gui_calculate.moc"
