// Start and end of the program: the last inputs survive from one run to the next.
#include "guiprogram.h"
#include "guitests.h"

#include "app/model/lastinputfile.h"
#include "options/dialog/optionsdialog.h"
#include "options/model/optionsfile.h"

#include <QCheckBox>
#include <QPushButton>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <optional>

using app::EditBox;
using app::PresenceBox;

class StartAndCloseTest : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryCurrentDirectory> mFolder;

private Q_SLOTS:
    void init() { mFolder.emplace(); }
    void cleanup() { mFolder.reset(); }

    void closingSavesTheInputsAndTheNextStartRestoresThem()
    {
        {
            GuiProgram program;
            TForm_zcx &w = program.main();
            w.show();
            replaceText(w.edit(EditBox::Edit_bt), QStringLiteral("Span 7"));
            replaceText(w.edit(EditBox::Edit_L), QStringLiteral("40"));
            replaceText(w.edit(EditBox::Edit_jxd), QStringLiteral("12.5"));
            QTest::mouseClick(w.presenceBox(PresenceBox::CheckBox_yx2), Qt::LeftButton);
            w.SGrid_hzCellEdited(3, 9, QStringLiteral("12"));

            QSignalSpy closed(&w, &TForm_zcx::closed);
            QTest::mouseClick(w.Button_close, Qt::LeftButton);
            QCOMPARE(closed.count(), 1);
            QVERIFY(!w.isVisible());
            QVERIFY(program.messenger.shown.empty());
        }
        QFile file(mFolder->filePath(QString::fromLatin1(app::lastInputFileName)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), app::lastInputLineCount);

        GuiProgram restarted;
        TForm_zcx &w = restarted.main();
        QCOMPARE(w.edit(EditBox::Edit_bt)->text(), QStringLiteral("Span 7"));
        QCOMPARE(w.edit(EditBox::Edit_L)->text(), QStringLiteral("40"));
        QCOMPARE(w.edit(EditBox::Edit_jxd)->text(), QStringLiteral("12.5"));
        QVERIFY(w.presenceBox(PresenceBox::CheckBox_yx2)->isChecked());
        QCOMPARE(cellText(w, 3, 0), QStringLiteral("有引下线P2"));
        QCOMPARE(cellText(w, 3, 9), QStringLiteral("12"));
        QCOMPARE(cellText(w, 3, 6), QStringLiteral("2.5"));
    }

    void aDamagedFileIsReportedOnceAndWhatCanBeReadIsKept()
    {
        {
            QFile file(mFolder->filePath(QString::fromLatin1(app::lastInputFileName)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray bytes = "Span 9\r\n3\x01" "6\r\n4.5\r\n";
            for (int line = 4; line <= app::lastInputLineCount; ++line)
                bytes += "\r\n";
            file.write(bytes);
        }
        GuiProgram program({common::MessageAnswer::Ok});
        TForm_zcx &w = program.main();
        QCOMPARE(program.messenger.shown.size(), std::size_t{1});
        QCOMPARE(program.messenger.shown.front().text,
                 std::string("文件 “temp_input.dat” 第 2 行(跨距L(m))有误: 含有控制字符. 能读出的数据已恢复,其余为默认值."));
        QCOMPARE(program.messenger.shown.front().caption, std::string("错误信息"));
        QCOMPARE(w.edit(EditBox::Edit_bt)->text(), QStringLiteral("Span 9"));
        QCOMPARE(w.edit(EditBox::Edit_L)->text(), QStringLiteral("36"));
        QCOMPARE(w.edit(EditBox::Edit_h)->text(), QStringLiteral("4.5"));
    }

    void damagedOptionsAreReportedOnceAndWhatCanBeReadIsKept()
    {
        // Cut after line 3: the first three temperatures are read, the rest stays built in.
        {
            QFile file(mFolder->filePath(QString::fromLatin1(options::optionsFileName)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("71.000000  \r\n-41.000000  \r\n41.000000  \r\n");
        }
        GuiProgram program({common::MessageAnswer::Ok});
        QCOMPARE(program.messenger.shown.size(), std::size_t{1});
        const common::Message &message = program.messenger.shown.front();
        QCOMPARE(message.text,
                 std::string("文件 “default.dat”有误: 应有40行,实有3行. 能读出的设置已恢复,其余为程序初始设置."));
        QCOMPARE(message.caption, std::string("选项设置"));
        QCOMPARE(message.icon, common::MessageIcon::Warning);
        const options::OptionsModel &settings = program.windows->Form_xuan_xiang.model();
        QCOMPARE(settings.conditionText({1, 1}), std::string("71"));
        QCOMPARE(settings.conditionText({1, 3}), std::string("41"));
        QCOMPARE(settings.conditionText({1, 4}), std::string("-10"));
        QCOMPARE(settings.conditionText({1, 8}), std::string("25"));
        QCOMPARE(settings.iceIndex(), 2);
    }

    void aFileThatCannotBeWrittenIsReported()
    {
        // A folder in the file's place cannot be replaced by the file.
        QVERIFY(QDir(mFolder->filePath({})).mkdir(QString::fromLatin1(app::lastInputFileName)));
        GuiProgram program;
        program.main().show();
        program.messenger.expect();
        program.main().close();
        QCOMPARE(program.messenger.shown.size(), std::size_t{1});
        QCOMPARE(program.messenger.shown.front().text,
                 std::string("本次输入的数据无法保存到文件temp_input.dat(目标是一个文件夹),下次启动时将不能恢复."));
        QCOMPARE(program.messenger.shown.front().icon, common::MessageIcon::Warning);
    }
};

std::unique_ptr<QObject> makeStartAndCloseTest()
{
    return std::make_unique<StartAndCloseTest>();
}

#include "test_gui_startclose.moc"
