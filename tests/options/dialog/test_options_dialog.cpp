// The options dialog on the offscreen platform, each test in a fresh current
// folder so that default.dat is the test's own.
#include "common/widgets/usersettings.h"
#include "support/settingsofthisrun.h"
#include "options/dialog/optionsdialog.h"
#include "support/scriptedmessenger.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString cellText(const TForm_xuan_xiang &dialog, int row, int column)
{
    return dialog.SGrid_qx->item(row, column)->text();
}

/// The checked ice button's index, or -1.
int checkedIce(const TForm_xuan_xiang &dialog)
{
    const auto buttons = dialog.RadioGroup_fb->findChildren<QRadioButton *>();
    for (int index = 0; index < buttons.size(); ++index)
        if (buttons[index]->isChecked())
            return index;
    return -1;
}

QStringList fileLines(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void chooseZone(TForm_xuan_xiang &dialog, int index)
{
    dialog.ComboBox1->setCurrentIndex(index);
    emit dialog.ComboBox1->activated(index);
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstRunShowsTheBuiltInSettings();
    void zoneThreeFillsTheGridAndTheIce();
    void confirmWritesDefaultDatForTheNextRun();
    void cancelBringsBackTheSettingsItWasShownWith();
    void leavingTheGridChecksEveryCell();
    void confirmWithABadCellWritesNothing();
    void markingBoxesFollowTheirGoverningBox();
    void markingTemperaturesHoldWholeNumbers();
    void restoreAsksFirst();
    void loadsTheSavedSettingsAtCreation();
    void designCheckPageShowsTheRuleDefaults();
    void designCheckSettingsLiveOutsideDefaultDat();
    void designCheckFieldThatIsNoNumberKeepsTheDialogOpen();

private:
    std::unique_ptr<QTemporaryDir> mFolder;
    QString mStartFolder;
};

void OptionsDialogTest::init()
{
    // The user's settings of a test run go to Qt's test location, emptied for every test.
    testing_settings::keepSettingsOfThisRun();
    common::UserSettings().clear();
    mStartFolder = QDir::currentPath();
    mFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(mFolder->isValid());
    QVERIFY(QDir::setCurrent(mFolder->path()));
}

void OptionsDialogTest::cleanup()
{
    QDir::setCurrent(mStartFolder);
    mFolder.reset();
}

void OptionsDialogTest::firstRunShowsTheBuiltInSettings()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    QCOMPARE(dialog.objectName(), QStringLiteral("Form_xuan_xiang"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("选项设置"));
    QCOMPARE(dialog.size(), QSize(361, 357));
    QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("气象条件"));
    QCOMPARE(dialog.PageControl1->tabText(1), QStringLiteral("计算温度及划印状态设置"));
    QCOMPARE(dialog.PageControl1->currentIndex(), 0);

    QCOMPARE(dialog.ComboBox1->count(), 9);
    QCOMPARE(dialog.ComboBox1->itemText(8), QStringLiteral("九类"));
    QCOMPARE(dialog.ComboBox1->currentIndex(), -1);

    QCOMPARE(cellText(dialog, 0, 1), QStringLiteral("导线温度(℃)"));
    QCOMPARE(cellText(dialog, 0, 2), QStringLiteral("计算风速(m/s)"));
    QCOMPARE(cellText(dialog, 9, 0), QStringLiteral("工频电压"));
    const QStringList temperatures = {"70", "-40", "40", "-10", "10", "-5", "15", "25", "25"};
    const QStringList windSpeeds = {"0", "10", "10", "10", "30", "10", "10", "15", "10"};
    for (int row = 1; row <= 9; ++row) {
        QCOMPARE(cellText(dialog, row, 1), temperatures[row - 1]);
        QCOMPARE(cellText(dialog, row, 2), windSpeeds[row - 1]);
    }
    // Header row and names cannot be edited.
    QVERIFY(!(dialog.SGrid_qx->item(0, 1)->flags() & Qt::ItemIsEditable));
    QVERIFY(!(dialog.SGrid_qx->item(3, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(dialog.SGrid_qx->item(3, 1)->flags() & Qt::ItemIsEditable);

    QCOMPARE(checkedIce(dialog), 2);
    QCOMPARE(dialog.iceIndex(), 2);
    const QStringList marking = {"40", "30", "20", "15", "10", "5", "0", "-5", "-10"};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(dialog.Edit_AZT[static_cast<std::size_t>(i)]->text(), marking[i]);
    const std::array<bool, 5> ticked = {true, true, true, false, false};
    for (std::size_t box = 0; box < 5; ++box) {
        QCOMPARE(dialog.CheckBox_huayin[box]->isChecked(), ticked[box]);
        QVERIFY(dialog.CheckBox_huayin[box]->isEnabled());
    }
    QVERIFY(!QFile::exists(QStringLiteral("default.dat")));
}

void OptionsDialogTest::zoneThreeFillsTheGridAndTheIce()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    chooseZone(dialog, 0);
    QCOMPARE(cellText(dialog, 7, 2), QStringLiteral("15"));
    QCOMPARE(cellText(dialog, 8, 2), QStringLiteral("17.5"));

    chooseZone(dialog, 2);
    QCOMPARE(cellText(dialog, 7, 2), QStringLiteral("10"));
    QCOMPARE(cellText(dialog, 8, 2), QStringLiteral("12.5"));
    QCOMPARE(cellText(dialog, 5, 2), QStringLiteral("25"));
    QCOMPARE(cellText(dialog, 2, 1), QStringLiteral("-10"));
    QCOMPARE(cellText(dialog, 4, 1), QStringLiteral("-5"));
    QCOMPARE(checkedIce(dialog), 1);
    QCOMPARE(dialog.iceIndex(), 1);
    // Not the zone's business: the conductor's maximum temperature and the
    // temperatures of the overvoltage conditions.
    QCOMPARE(cellText(dialog, 1, 1), QStringLiteral("70"));
    QCOMPARE(cellText(dialog, 7, 1), QStringLiteral("15"));
    QCOMPARE(cellText(dialog, 9, 1), QStringLiteral("25"));

    const options::OptionsTexts texts = dialog.optionsTexts();
    QCOMPARE(texts.conditionWindSpeed[7], std::string("12.5"));
    QCOMPARE(texts.conditionTemperature[1], std::string("-10"));
    QCOMPARE(texts.iceIndex, 1);
    QVERIFY(messenger.shown.empty());
}

void OptionsDialogTest::confirmWritesDefaultDatForTheNextRun()
{
    ScriptedMessenger messenger;
    {
        TForm_xuan_xiang dialog(messenger);
        chooseZone(dialog, 2);
        dialog.open();
        dialog.BitBtn_YES->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
    const QStringList lines = fileLines(QStringLiteral("default.dat"));
    QCOMPARE(lines.size(), 40);
    QCOMPARE(lines[0], QStringLiteral("70.000000  "));
    QCOMPARE(lines[1], QStringLiteral("-10.000000  "));
    QCOMPARE(lines[9], QStringLiteral("5.000000  "));
    QCOMPARE(lines[17], QStringLiteral("12.500000  "));
    for (int reserved : {19, 29, 35, 36, 37, 38, 39})
        QCOMPARE(lines[reserved], QStringLiteral("0.000000  "));

    TForm_xuan_xiang nextRun(messenger);
    QCOMPARE(cellText(nextRun, 8, 2), QStringLiteral("12.5"));
    QCOMPARE(cellText(nextRun, 2, 1), QStringLiteral("-10"));
    QCOMPARE(checkedIce(nextRun), 1);
    // The zone itself is not stored.
    QCOMPARE(nextRun.ComboBox1->currentIndex(), -1);
    QVERIFY(messenger.shown.empty());
}

void OptionsDialogTest::cancelBringsBackTheSettingsItWasShownWith()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    const options::OptionsTexts before = dialog.optionsTexts();
    const options::DesignCheckOptions checksBefore = dialog.designCheckOptions();
    const QString strengthBefore = dialog.Edit_jiaohe[0]->text();
    const auto edit = [&dialog] {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.SGrid_qx->item(1, 1)->setText(QStringLiteral("80"));
        dialog.SGrid_qx->item(9, 2)->setText(QStringLiteral("12.5"));
        dialog.findChildren<QRadioButton *>()[4]->click();
        dialog.CheckBox_huayin[0]->click();
        dialog.Edit_jiaohe[0]->setText(QStringLiteral("150000"));
        Q_EMIT dialog.Edit_jiaohe[0]->textEdited(QStringLiteral("150000"));
        // While the dialog is open it shows the edits.
        const options::OptionsTexts texts = dialog.optionsTexts();
        QCOMPARE(texts.conditionTemperature[0], std::string("80"));
        QCOMPARE(texts.conditionWindSpeed[8], std::string("12.5"));
        QCOMPARE(texts.iceIndex, 4);
        QVERIFY(!texts.markingState[0]);
    };
    const auto expectShownSettings = [&] {
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.optionsTexts() == before);
        QCOMPARE(dialog.SGrid_qx->item(1, 1)->text(), QString::fromStdString(before.conditionTemperature[0]));
        QCOMPARE(dialog.iceIndex(), before.iceIndex);
        QVERIFY(dialog.designCheckOptions() == checksBefore);
        QCOMPARE(dialog.Edit_jiaohe[0]->text(), strengthBefore);
        QVERIFY(!QFile::exists(QStringLiteral("default.dat")));
    };

    edit();
    QTest::mouseClick(dialog.BitBtn_NO, Qt::LeftButton);
    expectShownSettings();

    edit();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    expectShownSettings();

    edit();
    dialog.close();
    expectShownSettings();
    QVERIFY(messenger.shown.empty());
}

void OptionsDialogTest::leavingTheGridChecksEveryCell()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    dialog.SGrid_qx->item(2, 1)->setText(QStringLiteral("abc"));
    dialog.SGrid_qx->item(5, 2)->setText(QString());
    dialog.SGrid_qx->setFocus();
    QTRY_VERIFY(dialog.SGrid_qx->hasFocus());

    // Moving to the command buttons is left to their own checks.
    dialog.BitBtn_YES->setFocus();
    QTest::qWait(20);
    QVERIFY(messenger.shown.empty());

    messenger.expect();
    messenger.expect();
    dialog.SGrid_qx->setFocus();
    dialog.ComboBox1->setFocus();
    QTRY_COMPARE(messenger.shown.size(), std::size_t{2});
    QCOMPARE(messenger.shown[0].text, std::string("气象表 最低温度 导线温度(℃) 数据有误,请检查"));
    QCOMPARE(messenger.shown[1].text, std::string("气象表 最大风速 计算风速(m/s) 数据有误,请检查"));
    for (const common::Message &message : messenger.shown) {
        QCOMPARE(message.caption, std::string("语法检查"));
        QCOMPARE(message.icon, common::MessageIcon::Error);
    }
    QCOMPARE(dialog.SGrid_qx->currentRow(), 5);
    QCOMPARE(dialog.SGrid_qx->currentColumn(), 2);
    QVERIFY(dialog.SGrid_qx->hasFocus());
    // The bad texts stay until the user corrects them.
    QCOMPARE(cellText(dialog, 2, 1), QStringLiteral("abc"));
}

void OptionsDialogTest::confirmWithABadCellWritesNothing()
{
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    TForm_xuan_xiang dialog(messenger);
    dialog.SGrid_qx->item(6, 2)->setText(QStringLiteral("1.2.3"));
    dialog.PageControl1->setCurrentIndex(1);
    dialog.open();
    dialog.BitBtn_YES->click();

    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(QStringLiteral("default.dat")));
    QCOMPARE(messenger.shown.size(), std::size_t{1});
    QCOMPARE(messenger.shown[0].caption, std::string("选项设置"));
    QCOMPARE(dialog.PageControl1->currentIndex(), 0);
    QCOMPARE(dialog.SGrid_qx->currentRow(), 6);
    QCOMPARE(dialog.SGrid_qx->currentColumn(), 2);

    dialog.SGrid_qx->item(6, 2)->setText(QStringLiteral("12"));
    dialog.BitBtn_YES->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fileLines(QStringLiteral("default.dat")).value(15), QStringLiteral("12.000000  "));
}

void OptionsDialogTest::markingBoxesFollowTheirGoverningBox()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    QCheckBox *leads = dialog.CheckBox_huayin[1];
    QCheckBox *leadFittings = dialog.CheckBox_huayin[3];
    leads->click();
    QVERIFY(!leads->isChecked());

    leadFittings->click();
    QVERIFY(leads->isChecked());
    QVERIFY(!leads->isEnabled());

    leadFittings->click();
    QVERIFY(leads->isEnabled());
    QVERIFY(leads->isChecked());

    QCheckBox *jumpers = dialog.CheckBox_huayin[2];
    dialog.CheckBox_huayin[4]->click();
    QVERIFY(!jumpers->isEnabled());
    QVERIFY(jumpers->isChecked());
    QCOMPARE(dialog.optionsTexts().markingState, (std::array<bool, 5>{true, true, true, false, true}));
}

void OptionsDialogTest::markingTemperaturesHoldWholeNumbers()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    QLineEdit *first = dialog.Edit_AZT[0];
    first->selectAll();
    QTest::keyClick(first, Qt::Key_Minus);
    // A lone minus is the start of a number while the user types; left so,
    // it becomes the box's default.
    QCOMPARE(first->text(), QStringLiteral("-"));
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(first->text(), QStringLiteral("40"));

    // Typing over a selected or cleared number gives the number typed.
    first->selectAll();
    QTest::keyClicks(first, QStringLiteral("-12"));
    QCOMPARE(first->text(), QStringLiteral("-12"));
    QCOMPARE(dialog.optionsTexts().markingTemperature[0], std::string("-12"));
    QLineEdit *second = dialog.Edit_AZT[1];
    second->selectAll();
    QTest::keyClick(second, Qt::Key_Delete);
    QCOMPARE(second->text(), QStringLiteral(""));
    QTest::keyClicks(second, QStringLiteral("35"));
    QCOMPARE(second->text(), QStringLiteral("35"));
    QCOMPARE(dialog.optionsTexts().markingTemperature[1], std::string("35"));
    second->clear();
    emit second->editingFinished();
    QCOMPARE(second->text(), QStringLiteral("30"));

    first->selectAll();
    QTest::keyClicks(first, QStringLiteral("35"));
    QCOMPARE(first->text(), QStringLiteral("35"));
    QTest::keyClick(first, Qt::Key_Period);
    QCOMPARE(first->text(), QStringLiteral("40"));

    QLineEdit *last = dialog.Edit_AZT[8];
    last->selectAll();
    QTest::keyClicks(last, QStringLiteral("x"));
    QCOMPARE(last->text(), QStringLiteral("-10"));
    QCOMPARE(dialog.optionsTexts().markingTemperature[8], std::string("-10"));
}

void OptionsDialogTest::restoreAsksFirst()
{
    ScriptedMessenger messenger({common::MessageAnswer::Cancel, common::MessageAnswer::Ok});
    TForm_xuan_xiang dialog(messenger);
    chooseZone(dialog, 8);
    dialog.CheckBox_huayin[3]->click();
    dialog.Edit_AZT[0]->setText(QStringLiteral("33"));
    emit dialog.Edit_AZT[0]->textEdited(QStringLiteral("33"));

    dialog.Button_resume->click();
    QCOMPARE(messenger.shown.size(), std::size_t{1});
    QCOMPARE(messenger.shown[0].text, std::string("恢复到程序初始设置状态,是否确定?"));
    QCOMPARE(messenger.shown[0].caption, std::string("选项设置"));
    QCOMPARE(messenger.shown[0].buttons, common::MessageButtons::OkCancel);
    QCOMPARE(checkedIce(dialog), 4);

    dialog.Button_resume->click();
    QCOMPARE(cellText(dialog, 2, 1), QStringLiteral("-40"));
    QCOMPARE(cellText(dialog, 8, 2), QStringLiteral("15"));
    QCOMPARE(checkedIce(dialog), 2);
    QCOMPARE(dialog.Edit_AZT[0]->text(), QStringLiteral("40"));
    QVERIFY(!dialog.CheckBox_huayin[3]->isChecked());
    QVERIFY(dialog.CheckBox_huayin[1]->isEnabled());
    // The zone list keeps its choice, and nothing is saved.
    QCOMPARE(dialog.ComboBox1->currentIndex(), 8);
    QVERIFY(!QFile::exists(QStringLiteral("default.dat")));
}

void OptionsDialogTest::loadsTheSavedSettingsAtCreation()
{
    QStringList values = {"65", "-30", "40", "-10", "10", "-5", "15", "25", "25", "15",
                          "0", "10", "10", "10", "30", "10", "10", "15", "10", "0",
                          "41", "30", "20", "15", "10", "5", "0", "-5", "-12", "0",
                          "0.5", "1", "1", "1", "0", "0", "0", "0", "0", "0"};
    QFile file(QStringLiteral("default.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString &value : values)
        file.write((value + QStringLiteral("  \r\n")).toLatin1());
    file.close();

    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    QCOMPARE(cellText(dialog, 1, 1), QStringLiteral("65"));
    QCOMPARE(checkedIce(dialog), 3);
    QCOMPARE(dialog.Edit_AZT[0]->text(), QStringLiteral("41"));
    QCOMPARE(dialog.Edit_AZT[8]->text(), QStringLiteral("-12"));
    // 0.5 is not 1: unticked; box 4 ticks and locks box 2.
    QVERIFY(!dialog.CheckBox_huayin[0]->isChecked());
    QVERIFY(dialog.CheckBox_huayin[3]->isChecked());
    QVERIFY(!dialog.CheckBox_huayin[1]->isEnabled());
}

void OptionsDialogTest::designCheckPageShowsTheRuleDefaults()
{
    ScriptedMessenger messenger;
    TForm_xuan_xiang dialog(messenger);
    QCOMPARE(dialog.PageControl1->tabText(2), QStringLiteral("设计校核"));
    QVERIFY(dialog.CheckBox_jiaohe->isChecked());
    QCOMPARE(dialog.CheckBox_jiaohe->text(), QStringLiteral("输出设计校核页"));
    const QStringList shown = {dialog.Edit_jiaohe[0]->text(), dialog.Edit_jiaohe[3]->text(),
                               dialog.Edit_jiaohe[4]->text(), dialog.Edit_jiaohe[5]->text(),
                               dialog.Edit_jiaohe[6]->text()};
    QCOMPARE(shown, (QStringList{"", "4", "2.5", "5.3", "3.3"}));

    dialog.showCatalogueStrengths({103900.0, 160.0, std::nullopt});
    QCOMPARE(dialog.Edit_jiaohe[0]->placeholderText(), QStringLiteral("按型号: 103900"));
    QCOMPARE(dialog.Edit_jiaohe[2]->placeholderText(), QStringLiteral("型号无数据,请填写"));
}

void OptionsDialogTest::designCheckSettingsLiveOutsideDefaultDat()
{
    ScriptedMessenger messenger;
    {
        TForm_xuan_xiang dialog(messenger);
        QTest::keyClicks(dialog.Edit_jiaohe[1], QStringLiteral("320"));
        dialog.CheckBox_jiaohe->click();
        QCOMPARE(dialog.designCheckOptions().stringARatedLoad, std::string("320"));
        QVERIFY(!dialog.designCheckOptions().includeCheckPage);
        dialog.open();
        dialog.BitBtn_YES->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(fileLines(QStringLiteral("default.dat")).size(), 40);
    TForm_xuan_xiang reopened(messenger);
    QCOMPARE(reopened.Edit_jiaohe[1]->text(), QStringLiteral("320"));
    QVERIFY(!reopened.CheckBox_jiaohe->isChecked());
    QVERIFY(messenger.shown.empty());
}

void OptionsDialogTest::designCheckFieldThatIsNoNumberKeepsTheDialogOpen()
{
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    TForm_xuan_xiang dialog(messenger);
    QTest::keyClicks(dialog.Edit_jiaohe[0], QStringLiteral("abc"));
    dialog.open();
    dialog.BitBtn_YES->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.PageControl1->currentIndex(), 2);
    QCOMPARE(messenger.shown.size(), std::size_t{1});
    QCOMPARE(messenger.shown[0].caption, std::string("选项设置"));
    QCOMPARE(messenger.shown[0].text, std::string("设计校核: “导线额定拉断力(N)”应为大于0的数值,留空则按型号取值."));
    QVERIFY(!QFile::exists(QStringLiteral("default.dat")));
    dialog.reject();
}

QTEST_MAIN(OptionsDialogTest)
#include "test_options_dialog.moc"
