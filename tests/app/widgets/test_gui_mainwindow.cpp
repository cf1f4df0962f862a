// The main window on the offscreen platform: defaults, key filters, the
// handler rules as the widgets show them, the exit checks and the lookups.
#include "guiprogram.h"
#include "guitests.h"

#include "app/model/insulatorstringcatalogue.h"
#include "app/model/loadtable.h"
#include "tools/model/weighttable.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>


using app::EditBox;
using app::PresenceBox;
using app::StringSide;
namespace loadtable = app::loadtable;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString defaultStringType = QStringLiteral("16*XWP2-160耐张(单串双线,分裂间距200)");

} // namespace

class MainWindowTest : public MainWindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void startWithoutFilesShowsTheDefaults()
    {
        TForm_zcx &w = window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tenrix--软导线实用力学计算"));
        // The form keeps its size below the menu bar; the window grows by the
        // bar, and by the panel 控制工况 and a margin beside the form.
        QCOMPARE(w.findChild<QWidget *>(QStringLiteral("Form_zcxClient"))->size(), QSize(864, 651));
        QCOMPARE(w.GroupBox_kzgk->geometry(), QRect(864, 8 + w.MainMenu->height(), 232, 635));
        QCOMPARE(w.size(), QSize(864 + 232 + 8, 651 + w.MainMenu->height()));
        QCOMPARE(w.minimumSize(), w.maximumSize());

        const std::array<const char *, app::editBoxCount> texts{
            "220kV#1主变进线间隔跨线", "36", "3", "2", "18", "51.36", "23", "71853", "1555.8", "4.942", "2", "6",
            "2.5", "2965", "165.3", "187.8", "0.529", "0.695", "2965", "165.3", "187.8", "0.529", "0.695"};
        for (int box = 0; box < app::editBoxCount; ++box)
            QCOMPARE(w.edit(static_cast<EditBox>(box))->text(), QString::fromUtf8(texts[static_cast<std::size_t>(box)]));
        for (EditBox box : {EditBox::Edit_dx_d, EditBox::Edit_dx_ax, EditBox::Edit_dx_E, EditBox::Edit_dx_S,
                            EditBox::Edit_dx_kg})
            QVERIFY(w.edit(box)->isReadOnly());

        QCOMPARE(w.ComboBox_kV->count(), 10);
        QCOMPARE(w.ComboBox_kV->currentText(), QStringLiteral("220"));
        QCOMPARE(w.ComboBox_zdx->count(), 75); // the catalogue and "自定义"
        QCOMPARE(w.ComboBox_zdx->currentText(), QStringLiteral("NAHLGJQ-1440"));
        QCOMPARE(w.ComboBox_dx->count(), 74);
        QVERIFY(!w.ComboBox_dx->isVisible());
        for (StringSide side : {StringSide::A, StringSide::B}) {
            QCOMPARE(w.stringTypeList(side)->count(), 100);
            QCOMPARE(w.stringTypeList(side)->currentText(), defaultStringType);
            // A long designation shows its disc count, not its tail.
            QCOMPARE(w.stringTypeList(side)->lineEdit()->cursorPosition(), 0);
        }

        for (int row = 0; row < loadtable::rowCount; ++row) {
            for (int column = 0; column < loadtable::columnCount; ++column)
                QCOMPARE(cellText(w, column, row), qs(app::LoadTableDefaults[loadtable::cellIndex(column, row)]));
        }
        const std::array<bool, app::presenceBoxCount> ticked{true, true, false, false, false, true};
        // The load columns are 117 wide; the label column as wide as its widest label in the grid's font.
        const int labelColumn = w.SGrid_hz->columnWidth(0);
        for (int column = 1; column < loadtable::columnCount; ++column)
            QCOMPARE(w.SGrid_hz->columnWidth(column), 117);
        for (int box = 0; box < app::presenceBoxCount; ++box) {
            QCheckBox *presence = w.presenceBox(static_cast<PresenceBox>(box));
            QCOMPARE(presence->isChecked(), ticked[static_cast<std::size_t>(box)]);
            // At the right end of the column's header cell.
            QCOMPARE(presence->geometry(), QRect(labelColumn + 107 + 117 * box, 26, 17, 17));
        }
        for (int row = 0; row < loadtable::rowCount; ++row) {
            QTableWidgetItem *label = w.SGrid_hz->item(row, 0);
            QCOMPARE(label->font(), w.SGrid_hz->font());
            QVERIFY(labelColumn >= 117);
            QVERIFY(w.SGrid_hz->fontMetrics().horizontalAdvance(label->text()) + 6 <= labelColumn);
        }
        // The grid and the frame of its group end inside the window.
        QVERIFY(w.GroupBox_hz->geometry().bottom() < w.height() - 1);
        QVERIFY(w.SGrid_hz->geometry().right() < w.GroupBox_hz->width());

        QVERIFY(!w.Image_bz->pixmap().isNull());
        QCOMPARE(w.Image_bz->size(), QSize(550, 221));
    }

    void keyFiltersKeepTheBoxesNumeric()
    {
        TForm_zcx &w = window();
        QLineEdit *span = w.edit(EditBox::Edit_L);
        replaceText(span, QStringLiteral("1.2.3"));
        QCOMPARE(span->text(), QStringLiteral("1.23"));
        replaceText(span, QStringLiteral("-4a+"));
        QCOMPARE(span->text(), QStringLiteral("4"));

        QLineEdit *name = w.edit(EditBox::Edit_bt);
        replaceText(name, QStringLiteral("-a B"));
        QCOMPARE(name->text(), QStringLiteral("-a B"));

        w.SGrid_hz->setFocus();
        w.SGrid_hz->setCurrentCell(5, 2);
        auto *editor = w.SGrid_hz->findChild<QLineEdit *>(QStringLiteral("SGrid_hzEditor"));
        QVERIFY(editor != nullptr);
        replaceText(editor, QStringLiteral("x1.5.-e"));
        QCOMPARE(editor->text(), QStringLiteral("1.5."));
        // The cell follows the keystrokes, before the editor is closed.
        QCOMPARE(w.model().cell(2, 5), "1.5.");
    }

    // The rules of the boxes and the grid are the model's (test_mainwindowmodel);
    // these check that the window shows and forwards what the model says.
    void typedSpanReachesTheModelAndTheMaintenancePointBox()
    {
        TForm_zcx &w = window();
        replaceText(w.edit(EditBox::Edit_L), QStringLiteral("35"));
        QCOMPARE(w.model().text(EditBox::Edit_L), std::string("35"));
        QCOMPARE(w.edit(EditBox::Edit_jxd)->text(), QString::fromStdString(w.model().text(EditBox::Edit_jxd)));
        QCOMPARE(w.edit(EditBox::Edit_jxd)->text(), QStringLiteral("17.5"));
    }

    void higherStructureListReachesTheModel()
    {
        TForm_zcx &w = window();
        QCOMPARE(w.ComboBox_gd->currentText(), QStringLiteral("A侧高"));
        Q_EMIT w.ComboBox_gd->activated(1);
        QVERIFY(w.model().structureBHigher());
        QCOMPARE(w.model().higherStructureText(), std::string("B侧高"));
        Q_EMIT w.ComboBox_gd->activated(0);
        QVERIFY(!w.model().structureBHigher());
    }

    void presenceBoxesShowTheModelsColumn()
    {
        TForm_zcx &w = window();
        QTest::mouseClick(w.presenceBox(PresenceBox::CheckBox_yx2), Qt::LeftButton);
        QVERIFY(w.model().isTicked(PresenceBox::CheckBox_yx2));
        for (int row = 0; row <= 9; ++row)
            QCOMPARE(cellText(w, 3, row), QString::fromStdString(w.model().cell(3, row)));
        QCOMPARE(cellText(w, 3, 0), QStringLiteral("有引下线P2"));
    }

    void conductorListFloatsOverRowOneAndFillsItsColumn()
    {
        TForm_zcx &w = window();
        w.SGrid_hz->setCurrentCell(1, 3);
        QVERIFY(w.ComboBox_dx->isVisible());
        // Grid at (8, 23) in the group, one pixel of frame, the label column, two columns of 117 and one row of
        // 20 before the cell.
        QCOMPARE(w.ComboBox_dx->geometry().topLeft(), QPoint(8 + 1 + w.SGrid_hz->columnWidth(0) + 2 * 117, 23 + 1 + 20));
        QCOMPARE(w.ComboBox_dx->currentIndex(), -1);

        Q_EMIT w.ComboBox_dx->activated(24);
        QCOMPARE(cellText(w, 3, 1), QStringLiteral("LGJ-400/35"));
        QCOMPARE(cellText(w, 3, 2), QStringLiteral("1.349"));
        QCOMPARE(cellText(w, 3, 3), QStringLiteral("26.82"));
        QVERIFY(cellText(w, 3, 4).isEmpty());

        w.SGrid_hz->setCurrentCell(4, 3);
        QVERIFY(!w.ComboBox_dx->isVisible());
    }

    void jumperDistancesCannotBeEdited()
    {
        TForm_zcx &w = window();
        for (int column = 1; column <= 6; ++column) {
            const bool editable = w.SGrid_hz->item(9, column)->flags().testFlag(Qt::ItemIsEditable);
            QCOMPARE(editable, !loadtable::isJumperColumn(column));
            QVERIFY(w.SGrid_hz->item(8, column)->flags().testFlag(Qt::ItemIsEditable));
        }
        QVERIFY(!w.SGrid_hz->item(0, 2)->flags().testFlag(Qt::ItemIsEnabled));
    }

    void picksFillTheBoxesWithTheOptionsIceThickness()
    {
        TForm_zcx &w = window();
        Q_EMIT w.ComboBox_zdx->activated(69);
        QCOMPARE(w.ComboBox_zdx->currentText(), QStringLiteral("LJ-95"));
        const QStringList conductor{"12.48", "23.0", "59000", "95.14", "0.2605"};
        const std::array<EditBox, 5> conductorBoxes{EditBox::Edit_dx_d, EditBox::Edit_dx_ax, EditBox::Edit_dx_E,
                                                    EditBox::Edit_dx_S, EditBox::Edit_dx_kg};
        for (std::size_t index = 0; index < conductorBoxes.size(); ++index)
            QCOMPARE(w.edit(conductorBoxes[index])->text(), conductor[static_cast<qsizetype>(index)]);
        QCOMPARE(w.edit(EditBox::Edit_dx_flgs)->text(), QStringLiteral("2"));

        mProgram->windows->Form_xuan_xiang.RadioGroup_fbClick(1);
        Q_EMIT w.stringTypeList(StringSide::A)->activated(8);
        QCOMPARE(w.edit(EditBox::Edit_jyza_l)->text(), QStringLiteral("2815"));
        QCOMPARE(w.edit(EditBox::Edit_jyza_kg)->text(), QStringLiteral("158.1"));
        QCOMPARE(w.edit(EditBox::Edit_jyza_f1)->text(), QStringLiteral("0.507"));
        QCOMPARE(w.edit(EditBox::Edit_jyza_kgb)->text(), QStringLiteral("167.9"));
        QCOMPARE(w.edit(EditBox::Edit_jyza_f2)->text(), QStringLiteral("0.593"));

        // No catalogue column for 20 mm of ice: the iced boxes are emptied for the
        // engineer, never left with another string's or another ice's figures.
        mProgram->windows->Form_xuan_xiang.RadioGroup_fbClick(4);
        Q_EMIT w.stringTypeList(StringSide::B)->activated(8);
        QCOMPARE(w.edit(EditBox::Edit_jyzb_l)->text(), QStringLiteral("2815"));
        QCOMPARE(w.edit(EditBox::Edit_jyzb_kgb)->text(), QString());
        QCOMPARE(w.edit(EditBox::Edit_jyzb_f2)->text(), QString());
    }

    void aTypedDesignationIsNoPick()
    {
        // Typing a catalogue name and leaving the field must not overwrite
        // the string's values from the catalogue.
        TForm_zcx &w = window();
        replaceText(w.edit(EditBox::Edit_jyza_l), QStringLiteral("3000"));
        QLineEdit *field = w.stringTypeList(StringSide::A)->lineEdit();
        field->selectAll();
        field->insert(qs(app::insulatorStringCatalogue()[0].typeName));
        QTest::keyClick(field, Qt::Key_Return);
        field->clearFocus();

        QCOMPARE(w.model().stringTypeText(StringSide::A), app::insulatorStringCatalogue()[0].typeName);
        QCOMPARE(w.model().stringTypeIndex(StringSide::A), -1);
        QCOMPARE(w.edit(EditBox::Edit_jyza_l)->text(), QStringLiteral("3000"));
        QCOMPARE(w.stringTypeList(StringSide::A)->count(), 100);
    }

    void composerResultsGoIntoTheString()
    {
        TForm_zcx &w = window();
        mProgram->dialogs.expect(acceptDialog);
        QTest::mouseClick(w.stringQueryButton(StringSide::B), Qt::LeftButton);
        QCOMPARE(mProgram->dialogs.shown, std::vector<QDialog *>{&mProgram->windows->Form_jyz});
        QCOMPARE(w.stringTypeList(StringSide::B)->currentText(), QStringLiteral("14*XWP2-160耐张(单串单线)"));
        QCOMPARE(w.edit(EditBox::Edit_jyzb_l)->text(), QStringLiteral("2505"));
        QCOMPARE(w.edit(EditBox::Edit_jyzb_kg)->text(), QStringLiteral("139.1"));
        QCOMPARE(w.edit(EditBox::Edit_jyzb_kgb)->text(), QStringLiteral("158.4"));
        QCOMPARE(w.edit(EditBox::Edit_jyzb_f1)->text(), QStringLiteral("0.447"));
        QCOMPARE(w.edit(EditBox::Edit_jyzb_f2)->text(), QStringLiteral("0.585"));

        // Cancelled, nothing changes.
        QTest::mouseClick(w.stringQueryButton(StringSide::A), Qt::LeftButton);
        QCOMPARE(w.stringTypeList(StringSide::A)->currentText(), defaultStringType);
        QCOMPARE(w.edit(EditBox::Edit_jyza_l)->text(), QStringLiteral("2965"));
    }

    void lookupsWriteTheChosenWeightOrKeepTheCell()
    {
        TForm_zcx &w = window();
        ScriptedDialogRunner &dialogs = mProgram->dialogs;
        app::ProgramWindows &windows = *mProgram->windows;

        // Fitting weight of P1: prepared with the main conductor, row 0 chosen.
        w.SGrid_hz->setCurrentCell(8, 2);
        auto *editor = w.SGrid_hz->findChild<QLineEdit *>(QStringLiteral("SGrid_hzEditor"));
        QVERIFY(editor != nullptr);
        bool preparedForMainConductor = false;
        dialogs.expect([&](QDialog &dialog) {
            auto &lookup = static_cast<tools::WeightLookupDialog &>(dialog);
            const tools::WeightTable &table = lookup.table();
            preparedForMainConductor = table.row(table.selectedRow())[tools::lowerBoundColumn] == "NAHLGJQ-1440";
            lookup.selectRow(0);
            dialog.accept();
        });
        QTest::mouseDClick(editor, Qt::LeftButton);
        QCOMPARE(dialogs.shown.back(), static_cast<QDialog *>(&windows.Form_tjjj));
        QVERIFY(preparedForMainConductor);
        QCOMPARE(cellText(w, 2, 8), QStringLiteral("2.9"));

        // Cancelled: the cell keeps its weight.
        w.SGrid_hzDblClick();
        QCOMPARE(cellText(w, 2, 8), QStringLiteral("2.9"));

        // Spacer weight of PB from the spacer table.
        w.SGrid_hz->setCurrentCell(6, 6);
        dialogs.expect([](QDialog &dialog) {
            static_cast<tools::WeightLookupDialog &>(dialog).selectRow(0);
            dialog.accept();
        });
        w.SGrid_hzDblClick();
        QCOMPARE(dialogs.shown.back(), static_cast<QDialog *>(&windows.Form_jgb));
        QCOMPARE(cellText(w, 6, 6), QStringLiteral("0.94"));

        // Other rows open nothing.
        const std::size_t shownBefore = dialogs.shown.size();
        w.SGrid_hz->setCurrentCell(7, 6);
        w.SGrid_hzDblClick();
        QCOMPARE(dialogs.shown.size(), shownBefore);

        // The main conductor's spacer weight.
        dialogs.expect([](QDialog &dialog) {
            static_cast<tools::WeightLookupDialog &>(dialog).selectRow(1);
            dialog.accept();
        });
        QTest::mouseDClick(w.edit(EditBox::Edit_dx_flkg), Qt::LeftButton);
        QCOMPARE(dialogs.shown.back(), static_cast<QDialog *>(&windows.Form_jgb));
        QCOMPARE(w.edit(EditBox::Edit_dx_flkg)->text(), QStringLiteral("1.14"));
    }

    void leavingABoxWithoutAPositiveValueReturnsTheFocus()
    {
        TForm_zcx &w = window();
        QLineEdit *sag = w.edit(EditBox::Edit_f);
        replaceText(sag, QStringLiteral("0"));
        sag->setFocus(Qt::TabFocusReason);
        mProgram->messenger.expect();
        w.edit(EditBox::Edit_jxd)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(mProgram->messageTexts(),
                 std::vector<std::string>{"允许弧垂必须大于零,一般取跨距的1/15-1/20,请重新输入"});
        QCOMPARE(mProgram->messenger.shown.front().caption, "语法检查");
        QCOMPARE(w.focusWidget(), sag);

        // A click on "计算" that takes the focus away ends with that one message, not a calculation.
        mProgram->messenger.shown.clear();
        mProgram->messenger.expect();
        QTest::mouseClick(w.Button_js, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
        QVERIFY(!mProgram->viewer().isVisible());

        mProgram->messenger.shown.clear();
        replaceText(w.edit(EditBox::Edit_jyzb_l), QStringLiteral("0.0"));
        mProgram->messenger.expect();
        QVERIFY(!w.EditExit(EditBox::Edit_jyzb_l));
        QCOMPARE(mProgram->messageTexts(), std::vector<std::string>{"绝缘子串B长度必须大于零,请重新输入"});
        replaceText(sag, QStringLiteral("2"));
        QVERIFY(w.EditExit(EditBox::Edit_f));
        QCOMPARE(mProgram->messenger.shown.size(), std::size_t{1});
    }

    // The lists open below their box with their own number of rows, not
    // as a menu as tall as the screen, and wide enough for every entry.
    void dropDownListsShowTheirRowsWhole()
    {
        TForm_zcx &w = window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto check = [](QComboBox *list, int rows) {
            list->showPopup();
            QAbstractItemView *view = list->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            const int rowHeight = view->sizeHintForRow(0);
            QVERIFY2(view->height() >= rows * rowHeight && view->height() < (rows + 1) * rowHeight,
                     qPrintable(list->objectName() + QStringLiteral(" %1 px").arg(view->height())));
            QVERIFY2(view->viewport()->width() >= view->sizeHintForColumn(0), qPrintable(list->objectName()));
            list->hidePopup();
        };
        check(w.ComboBox_zdx, 20);
        check(w.stringTypeList(app::StringSide::A), 20);
        check(w.stringTypeList(app::StringSide::B), 20);
        w.SGrid_hz->setCurrentCell(1, 3);
        check(w.ComboBox_dx, 12);
    }

    void optionsAndHelpOpenTheirWindows()
    {
        TForm_zcx &w = window();
        QTest::mouseClick(w.Button_option, Qt::LeftButton);
        QCOMPARE(mProgram->dialogs.shown, std::vector<QDialog *>{&mProgram->windows->Form_xuan_xiang});

        TForm_help &help = mProgram->windows->Form_help;
        QTest::mouseClick(w.Button_help, Qt::LeftButton);
        QVERIFY(help.isVisible());
        QVERIFY(!help.isModal());
        QVERIFY(w.isEnabled());
        QTest::mouseClick(help.Button_ok, Qt::LeftButton);
        QVERIFY(!help.isVisible());
        QVERIFY(w.isVisible());

        // F1 from any field of the window.
        w.edit(EditBox::Edit_L)->setFocus();
        QTest::keyClick(w.edit(EditBox::Edit_L), Qt::Key_F1);
        QVERIFY(help.isVisible());
        help.hide();
    }
};

std::unique_ptr<QObject> makeMainWindowTest()
{
    return std::make_unique<MainWindowTest>();
}

#include "test_gui_mainwindow.moc"
