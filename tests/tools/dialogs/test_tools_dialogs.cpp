// The composer and the two weight lookups on the offscreen platform.
#include "tools/dialogs/composerdialog.h"
#include "tools/dialogs/fittinglookupdialog.h"
#include "tools/dialogs/spacerlookupdialog.h"
#include "tools/dialogs/weighttableitemmodel.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

QPushButton *buttonCalled(const QDialog &dialog, const QString &text)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

std::vector<int> matchedRows(const tools::WeightTable &table)
{
    std::vector<int> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.isMatched(row))
            rows.push_back(row);
    return rows;
}

int checkedIce(const TForm_jyz &dialog)
{
    const auto buttons = dialog.RadioGroup_fb->findChildren<QRadioButton *>();
    for (int index = 0; index < buttons.size(); ++index)
        if (buttons[index]->isChecked())
            return index;
    return -1;
}

/// The colour the grid paints near the right end of a cell, clear of its text.
QColor paintedColour(QTableView &grid, int row, int column)
{
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    const QImage image = grid.viewport()->grab().toImage();
    return image.pixelColor(cell.right() - 3, cell.top() + 3);
}

/// A lookup whose second row gives no weight, which no built-in table has.
class BlankWeightLookup : public tools::WeightLookupDialog
{
public:
    BlankWeightLookup()
        : WeightLookupDialog(tools::WeightTable(kLayout, {{"TL-185", "LGJ-185/10", "LGJ-185/25", "2.9", "LN样本"},
                                                          {"TL-210", "LGJ-210/10", "LGJ-210/25", "", "LN样本"}}),
                             QStringLiteral("Form_test"), QStringLiteral("StringGrid_test"), false, nullptr)
    {
    }

private:
    static constexpr tools::WeightTableLayout kLayout = {
        "查询", {"型号", "适用最小直径", "适用最大直径", "参考重量(kg)", "  备 注"}, {95, 89, 92, 67, 85}, true};
};

} // namespace

class ToolsDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void composerShowsTheDefaultString();
    void composerComposesOnEveryChoice();
    void composerIceDisplayChangesNoResult();
    void discCountTakesOnlyDigits();
    void composerConfirmAndCancel();
    void spacerLookupMarksTheConductorsRows();
    void spacerLookupByDiameterAndWithoutMatch();
    void fittingLookupMatchesBothBounds();
    void lookupOffersConfirmOnlyForAWeight();
    void lookupColumnsShowEveryEntryWhole();
};

void ToolsDialogsTest::composerShowsTheDefaultString()
{
    TForm_jyz composer;
    QCOMPARE(composer.objectName(), QStringLiteral("Form_jyz"));
    QCOMPARE(composer.windowTitle(), QStringLiteral("手动组合绝缘子串参数计算"));
    QCOMPARE(composer.ComboBox_jyzxh->count(), 7);
    QCOMPARE(composer.ComboBox_jjxh->count(), 12);
    QCOMPARE(composer.ComboBox_jjxh->itemText(4), QStringLiteral("500kV (16t)耐张单串双线,分裂间距400)"));
    QCOMPARE(composer.CSpinEdit_jyz_ps->value(), 14);
    QCOMPARE(composer.CSpinEdit_jyz_ps->minimum(), 1);
    QCOMPARE(composer.CSpinEdit_jyz_ps->maximum(), 99);
    QVERIFY(!composer.RadioGroup_fb->isEnabled());
    QCOMPARE(checkedIce(composer), 2);
    QCOMPARE(composer.GroupBox_result->title(), QStringLiteral("组合绝缘子串参数    (冰厚15mm及以上时数据不全)"));

    QCOMPARE(composer.Edit_jyzc_xh->text(), QStringLiteral("14*XWP2-160耐张(单串单线)"));
    QCOMPARE(composer.Edit_jyza_l->text(), QStringLiteral("2505"));
    QCOMPARE(composer.Edit_jyza_kg->text(), QStringLiteral("139.1"));
    QCOMPARE(composer.Edit_jyza_kgb->text(), QStringLiteral("158.4"));
    QCOMPARE(composer.Edit_jyza_f1->text(), QStringLiteral("0.447"));
    QCOMPARE(composer.Edit_jyza_f2->text(), QStringLiteral("0.585"));
}

void ToolsDialogsTest::composerComposesOnEveryChoice()
{
    TForm_jyz composer;
    composer.ComboBox_jyzxh->setCurrentIndex(4);
    QCOMPARE(composer.Edit_jyzc_xh->text(), QStringLiteral("14*XP-7耐张(单串单线)"));
    composer.ComboBox_jjxh->setCurrentIndex(6);
    composer.CSpinEdit_jyz_ps->setValue(1);
    QCOMPARE(composer.Edit_jyzc_xh->text(), QStringLiteral("1*XP-7耐张(单串单线)"));
    QCOMPARE(composer.Edit_jyza_l->text(), QStringLiteral("421"));
    QCOMPARE(composer.Edit_jyza_kg->text(), QStringLiteral("6.7"));

    // The designation takes the short name, which has its opening parenthesis.
    composer.ComboBox_jjxh->setCurrentIndex(4);
    QCOMPARE(composer.Edit_jyzc_xh->text(), QStringLiteral("1*XP-7耐张(单串双线,分裂间距400)"));
    QCOMPARE(composer.composedString().stringType, std::string("1*XP-7耐张(单串双线,分裂间距400)"));
}

void ToolsDialogsTest::composerIceDisplayChangesNoResult()
{
    TForm_jyz composer;
    composer.showIceIndex(1);
    QCOMPARE(checkedIce(composer), 1);
    QCOMPARE(composer.Edit_jyza_kgb->text(), QStringLiteral("158.4"));

    composer.CSpinEdit_jyz_ps->setValue(13);
    composer.CSpinEdit_jyz_ps->setValue(14);
    QCOMPARE(composer.Edit_jyza_kgb->text(), QStringLiteral("147.7"));
    QCOMPARE(composer.Edit_jyza_f2->text(), QStringLiteral("0.523"));

    composer.showIceIndex(3);
    composer.ComboBox_jjxh->setCurrentIndex(1);
    // Beyond the tables' 10 mm the iced boxes say so and offer no 0 to copy.
    QCOMPARE(composer.Edit_jyza_kgb->text(), QString());
    QCOMPARE(composer.Edit_jyza_f2->text(), QString());
    QCOMPARE(composer.Edit_jyza_kgb->placeholderText(), QStringLiteral("无覆冰数据"));
    QVERIFY(composer.Edit_jyza_kg->text() != QStringLiteral("0"));

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, composer.showIceIndex(5));
    QCOMPARE(checkedIce(composer), 3);
}

void ToolsDialogsTest::discCountTakesOnlyDigits()
{
    TForm_jyz composer;
    QSpinBox *count = composer.CSpinEdit_jyz_ps;
    QTest::keyClick(count, Qt::Key_End);
    QTest::keyClick(count, Qt::Key_A);
    QTest::keyClick(count, Qt::Key_Minus);
    QCOMPARE(count->text(), QStringLiteral("14"));

    // Backspace, Home and the editing shortcuts work as in any field.
    QTest::keyClick(count, Qt::Key_Backspace);
    QCOMPARE(count->text(), QStringLiteral("1"));
    QTest::keyClick(count, Qt::Key_Home);
    QTest::keyClick(count, Qt::Key_3);
    QCOMPARE(count->text(), QStringLiteral("31"));
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(count, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(count, Qt::Key_Delete);
    QCOMPARE(count->text(), QStringLiteral(""));
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("31"));
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(count, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral(""));
    QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("31"));
    count->setValue(14);

    count->selectAll();
    QTest::keyClick(count, Qt::Key_9);
    QCOMPARE(count->text(), QStringLiteral("9"));
    QCOMPARE(composer.Edit_jyzc_xh->text(), QStringLiteral("9*XWP2-160耐张(单串单线)"));

    // The spin buttons stay within 1..99.
    count->setValue(99);
    count->stepUp();
    QCOMPARE(count->value(), 99);
    QCOMPARE(composer.Edit_jyzc_xh->text(), QStringLiteral("99*XWP2-160耐张(单串单线)"));
}

void ToolsDialogsTest::composerConfirmAndCancel()
{
    TForm_jyz composer;
    composer.ComboBox_jyzxh->setCurrentIndex(1);
    composer.open();
    buttonCalled(composer, QStringLiteral("确定"))->click();
    QCOMPARE(composer.result(), int(QDialog::Accepted));
    QVERIFY(!composer.isVisible());
    const tools::ComposedString &composed = composer.composedString();
    QCOMPARE(QString::fromStdString(composed.stringType), composer.Edit_jyzc_xh->text());
    QCOMPARE(QString::fromStdString(composed.stringLength), composer.Edit_jyza_l->text());
    QCOMPARE(QString::fromStdString(composed.stringIcedWindArea), composer.Edit_jyza_f2->text());

    // The choices last to the next opening.
    composer.open();
    QCOMPARE(composer.ComboBox_jyzxh->currentIndex(), 1);
    buttonCalled(composer, QStringLiteral("取消"))->click();
    QCOMPARE(composer.result(), int(QDialog::Rejected));
}

void ToolsDialogsTest::spacerLookupMarksTheConductorsRows()
{
    TForm_jgb lookup;
    QCOMPARE(lookup.objectName(), QStringLiteral("Form_jgb"));
    QCOMPARE(lookup.windowTitle(), QStringLiteral("常用间隔棒的重量查询"));
    QCOMPARE(lookup.StringGrid_jgb->objectName(), QStringLiteral("StringGrid_jgb"));
    QCOMPARE(lookup.StringGrid_jgb->model()->rowCount(), 30);
    QCOMPARE(lookup.StringGrid_jgb->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("厂家"));

    lookup.markMatches("LGKK-600", 9999.0f);
    QCOMPARE(matchedRows(lookup.table()), (std::vector<int>{17, 18, 19, 20, 21, 22}));
    QCOMPARE(lookup.StringGrid_jgb->currentIndex().row(), 22);

    // Aqua right of the model column on a marked row, never on the model column.
    QAbstractItemModel *model = lookup.StringGrid_jgb->model();
    const QColor aqua(0x00, 0xff, 0xff);
    QCOMPARE(model->index(17, 3).data(Qt::BackgroundRole).value<QColor>(), aqua);
    QVERIFY(model->index(17, 0).data(Qt::BackgroundRole).value<QBrush>().color() != aqua);
    QVERIFY(!model->index(16, 3).data(Qt::BackgroundRole).isValid());

    lookup.open();
    QVERIFY(QTest::qWaitForWindowExposed(&lookup));
    QCOMPARE(paintedColour(*lookup.StringGrid_jgb, 18, 2), aqua);
    QVERIFY(paintedColour(*lookup.StringGrid_jgb, 23, 2) != aqua);

    buttonCalled(lookup, QStringLiteral("确定"))->click();
    QCOMPARE(lookup.result(), int(QDialog::Accepted));
    QCOMPARE(lookup.selectedWeight(), std::optional<std::string>("3.3"));
}

void ToolsDialogsTest::spacerLookupByDiameterAndWithoutMatch()
{
    TForm_jgb lookup;
    lookup.markMatches("LGJ-400/50", 27.63f);
    QCOMPARE(matchedRows(lookup.table()), (std::vector<int>{1, 4}));
    QCOMPARE(lookup.StringGrid_jgb->currentIndex().row(), 4);
    QCOMPARE(lookup.selectedWeight(), std::optional<std::string>("0.98"));

    lookup.markMatches("无此型号", 21.6f);
    QCOMPARE(matchedRows(lookup.table()), (std::vector<int>{0, 3}));

    // Nothing fits: no highlight, and the selection stays on the last choice.
    lookup.markMatches("", 9999.0f);
    QVERIFY(matchedRows(lookup.table()).empty());
    QCOMPARE(lookup.StringGrid_jgb->currentIndex().row(), 3);

    // The user may confirm any row.
    lookup.StringGrid_jgb->setCurrentIndex(lookup.StringGrid_jgb->model()->index(9, 1));
    QCOMPARE(lookup.selectedWeight(), std::optional<std::string>("0.60"));
}

void ToolsDialogsTest::fittingLookupMatchesBothBounds()
{
    TForm_tjjj lookup;
    QCOMPARE(lookup.objectName(), QStringLiteral("Form_tjjj"));
    QCOMPARE(lookup.windowTitle(), QStringLiteral("常用T接引下金具重量查询"));
    QCOMPARE(lookup.StringGrid_tjjj->model()->rowCount(), 297);
    QCOMPARE(lookup.StringGrid_tjjj->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("  备 注"));

    lookup.markMatches("LGJ-120/7", 9999.0f);
    const std::vector<int> rows = matchedRows(lookup.table());
    QVERIFY(std::find(rows.begin(), rows.end(), 90) != rows.end());
    QVERIFY(std::find(rows.begin(), rows.end(), 130) != rows.end());
    QVERIFY(std::find(rows.begin(), rows.end(), 0) == rows.end());
    QCOMPARE(lookup.StringGrid_tjjj->currentIndex().row(), rows.back());

    lookup.selectRow(130);
    lookup.open();
    buttonCalled(lookup, QStringLiteral("确定"))->click();
    QCOMPARE(lookup.result(), int(QDialog::Accepted));
    QCOMPARE(lookup.selectedWeight(), std::optional<std::string>("1.2"));
}

void ToolsDialogsTest::lookupOffersConfirmOnlyForAWeight()
{
    BlankWeightLookup lookup;
    QPushButton *confirm = buttonCalled(lookup, QStringLiteral("确定"));
    QTableView *grid = lookup.findChild<QTableView *>(QStringLiteral("StringGrid_test"));
    QVERIFY(grid != nullptr);

    grid->setCurrentIndex(grid->model()->index(1, 0));
    QVERIFY(!lookup.selectedWeight());
    QVERIFY(!confirm->isEnabled());

    grid->setCurrentIndex(grid->model()->index(0, 0));
    QCOMPARE(lookup.selectedWeight(), std::optional<std::string>("2.9"));
    QVERIFY(confirm->isEnabled());

    lookup.open();
    buttonCalled(lookup, QStringLiteral("取消"))->click();
    QCOMPARE(lookup.result(), int(QDialog::Rejected));
}

QTEST_MAIN(ToolsDialogsTest)
// The catalogue's column widths are the least; an entry wider than its column
// ("TLS-2×1440N/400" in the fitting table's model column) widens it.
void ToolsDialogsTest::lookupColumnsShowEveryEntryWhole()
{
    TForm_tjjj fittings;
    TForm_jgb spacers;
    for (QTableView *grid : {fittings.findChild<QTableView *>(QStringLiteral("StringGrid_tjjj")),
                             spacers.findChild<QTableView *>(QStringLiteral("StringGrid_jgb"))}) {
        QVERIFY(grid != nullptr);
        const QAbstractItemView *view = grid;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            QVERIFY2(grid->columnWidth(column) >= view->sizeHintForColumn(column),
                     qPrintable(grid->objectName() + QStringLiteral(" column ") + QString::number(column)));
    }
    const auto *models = fittings.findChild<QTableView *>(QStringLiteral("StringGrid_tjjj"));
    QVERIFY(models->columnWidth(0) > models->fontMetrics().horizontalAdvance(QStringLiteral("TLS-2×1440N/400")));
}

#include "test_tools_dialogs.moc"
