// The engineer's own conductor in the main window, offscreen: the "自定义"
// item, the boxes that take typing only then, and the library behind "导线库".
#include "guiprogram.h"
#include "guitests.h"

#include "app/model/conductorlibrary.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using app::EditBox;

namespace {

constexpr std::array<EditBox, 5> figureBoxes{EditBox::Edit_dx_d, EditBox::Edit_dx_ax, EditBox::Edit_dx_E,
                                             EditBox::Edit_dx_S, EditBox::Edit_dx_kg};

std::filesystem::path libraryFile()
{
    return std::filesystem::path(TForm_zcx::conductorLibraryPath().toStdU16String());
}

/// The action of \a menu showing \a text, or nullptr.
QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList figures(const TForm_zcx &w)
{
    QStringList texts;
    for (const EditBox box : figureBoxes)
        texts << w.edit(box)->text();
    return texts;
}

} // namespace

class ConductorTest : public MainWindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { QFile::remove(TForm_zcx::conductorLibraryPath()); }

    void customMakesTheFiguresTypedAndTheLibraryKeepsThem()
    {
        QFile::remove(TForm_zcx::conductorLibraryPath());
        TForm_zcx &w = window();
        QCOMPARE(w.ComboBox_zdx->itemText(73), QStringLiteral("JL/G1A-630/45"));
        QCOMPARE(w.ComboBox_zdx->itemText(74), QStringLiteral("自定义"));
        QVERIFY(!w.ComboBox_zdx->isEditable());

        Q_EMIT w.ComboBox_zdx->activated(74);
        QVERIFY(w.ComboBox_zdx->isEditable());
        QCOMPARE(w.ComboBox_zdx->currentText(), QString());
        // The figures shown so far stay, to be edited.
        QCOMPARE(figures(w), (QStringList{"51.36", "23", "71853", "1555.8", "4.942"}));
        for (const EditBox box : figureBoxes)
            QVERIFY(!w.edit(box)->isReadOnly());

        QTest::keyClicks(w.ComboBox_zdx->lineEdit(), QStringLiteral("JL/G1A-400/35"));
        const QStringList typed{"26.82", "20.5", "65000", "425.24", "1.349"};
        for (std::size_t i = 0; i < figureBoxes.size(); ++i)
            replaceText(w.edit(figureBoxes[i]), typed[static_cast<qsizetype>(i)]);
        const app::CustomConductor expected{"JL/G1A-400/35", "26.82", "20.5", "65000", "425.24", "1.349"};
        QVERIFY(w.model().conductor() == expected);

        Q_EMIT w.Menu_dxk->aboutToShow();
        QAction *keep = w.Menu_dxk->findChild<QAction *>(QStringLiteral("Action_dxk_keep"));
        QVERIFY(keep != nullptr && keep->isEnabled());
        keep->trigger();
        QVERIFY(app::readConductorLibrary(libraryFile()) == app::ConductorLibrary{expected});

        // A catalogue type: its figures, not to be typed over.
        Q_EMIT w.ComboBox_zdx->activated(24);
        QVERIFY(!w.ComboBox_zdx->isEditable());
        QCOMPARE(w.ComboBox_zdx->currentText(), QStringLiteral("LGJ-400/35"));
        for (const EditBox box : figureBoxes)
            QVERIFY(w.edit(box)->isReadOnly());

        // Picked again from the library, in this span as in any other.
        Q_EMIT w.Menu_dxk->aboutToShow();
        QVERIFY(!w.Menu_dxk->findChild<QAction *>(QStringLiteral("Action_dxk_keep"))->isEnabled());
        QAction *pick = actionNamed(w.Menu_dxk, QStringLiteral("JL/G1A-400/35"));
        QVERIFY(pick != nullptr);
        pick->trigger();
        QVERIFY(w.ComboBox_zdx->isEditable());
        QCOMPARE(w.ComboBox_zdx->currentText(), QStringLiteral("JL/G1A-400/35"));
        QCOMPARE(figures(w), typed);
        QVERIFY(mProgram->messageTexts().empty());
    }

    void keepingReplacesOnlyWhenAskedAndRefusesABadConductor()
    {
        QFile::remove(TForm_zcx::conductorLibraryPath());
        const app::CustomConductor kept{"导线A", "26.82", "20.5", "65000", "425.24", "1.349"};
        app::writeConductorLibrary(libraryFile(), {kept});
        TForm_zcx &w = window();
        Q_EMIT w.Menu_dxk->aboutToShow();
        actionNamed(w.Menu_dxk, QStringLiteral("导线A"))->trigger();
        replaceText(w.edit(EditBox::Edit_dx_kg), QStringLiteral("1.400"));

        mProgram->messenger.expect(common::MessageAnswer::No);
        Q_EMIT w.Menu_dxk->aboutToShow();
        w.Menu_dxk->findChild<QAction *>(QStringLiteral("Action_dxk_keep"))->trigger();
        QCOMPARE(mProgram->messenger.shown.back().text,
                 std::string("导线库中已有型号 导线A 的导线,是否用当前的数据替换它?"));
        QVERIFY(app::readConductorLibrary(libraryFile()) == app::ConductorLibrary{kept});

        replaceText(w.edit(EditBox::Edit_dx_E), QStringLiteral("0"));
        mProgram->messenger.expect();
        Q_EMIT w.Menu_dxk->aboutToShow();
        w.Menu_dxk->findChild<QAction *>(QStringLiteral("Action_dxk_keep"))->trigger();
        QCOMPARE(mProgram->messenger.shown.back().text,
                 std::string("自定义导线的弹性模量(N/mm2) \"0\" 应大于0,未存入导线库."));
        QVERIFY(app::readConductorLibrary(libraryFile()) == app::ConductorLibrary{kept});

        // Nor is it computed: the calculation names the field first.
        mProgram->messenger.expect();
        w.Button_jsClick();
        QCOMPARE(mProgram->messenger.shown.back().text, std::string("自定义导线的弹性模量(N/mm2) \"0\" 应大于0,请修改."));

        Q_EMIT w.Menu_dxk->aboutToShow();
        QMenu *remove = w.Menu_dxk->findChild<QMenu *>(QStringLiteral("Menu_dxk_remove"));
        actionNamed(remove, QStringLiteral("导线A"))->trigger();
        QVERIFY(app::readConductorLibrary(libraryFile()).empty());
    }

    void aDamagedLibraryIsNamedAndNeverWrittenOver()
    {
        const QString path = TForm_zcx::conductorLibraryPath();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(R"({"format": "tenrix-conductors", "version": 1, "conductors": [{"type": "A"}]})");
        file.close();
        TForm_zcx &w = window();
        Q_EMIT w.ComboBox_zdx->activated(74);
        mProgram->messenger.expect();
        Q_EMIT w.Menu_dxk->aboutToShow();
        const std::string message = mProgram->messenger.shown.back().text;
        QVERIFY2(message.find(path.toStdString()) != std::string::npos, message.c_str());
        QVERIFY2(message.find("第 1 个导线缺少 \"diameter_mm\"") != std::string::npos, message.c_str());
        QVERIFY(!w.Menu_dxk->findChild<QAction *>(QStringLiteral("Action_dxk_keep"))->isEnabled());
        QFile::remove(path);
    }

    void customConductorComesBackAfterARestart()
    {
        TForm_zcx &w = window();
        Q_EMIT w.ComboBox_zdx->activated(74);
        QTest::keyClicks(w.ComboBox_zdx->lineEdit(), QStringLiteral("JL/G1A-300/40"));
        replaceText(w.edit(EditBox::Edit_dx_d), QStringLiteral("23.94"));
        w.close();
        mProgram.reset();
        mProgram.emplace();
        TForm_zcx &again = window();
        QVERIFY(again.ComboBox_zdx->isEditable());
        QCOMPARE(again.ComboBox_zdx->currentText(), QStringLiteral("JL/G1A-300/40"));
        QCOMPARE(again.edit(EditBox::Edit_dx_d)->text(), QStringLiteral("23.94"));
        QVERIFY(!again.edit(EditBox::Edit_dx_d)->isReadOnly());
    }
};

std::unique_ptr<QObject> makeConductorTest()
{
    return std::make_unique<ConductorTest>();
}

#include "test_gui_conductor.moc"
