#include "samplepage.h"

#include "report/markuptext.h"
#include "report/savenames.h"
#include "report/textsdump.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;

TEST(SaveAllNames, NumberThePagesAfterTheNameWithoutItsExtension)
{
    const QStringList names = saveAllFileNames(QStringLiteral("c:\\a\\b.wmf"));
    ASSERT_EQ(names.size(), 17);
    EXPECT_EQ(names.front(), QStringLiteral("c:\\a\\b_NO_01.wmf"));
    EXPECT_EQ(names[8], QStringLiteral("c:\\a\\b_NO_09.wmf"));
    EXPECT_EQ(names[9], QStringLiteral("c:\\a\\b_NO_10.wmf"));
    EXPECT_EQ(names.back(), QStringLiteral("c:\\a\\b_NO_17.wmf"));

    EXPECT_EQ(saveAllFileNames(QStringLiteral("/r/report.WMF")).front(), QStringLiteral("/r/report_NO_01.wmf"));
    EXPECT_EQ(saveAllFileNames(QStringLiteral("/r/report.emf")).back(), QStringLiteral("/r/report_NO_17.wmf"));
}

TEST(SaveAllNames, NamesWithoutAnExtensionStayInTheirFolder)
{
    EXPECT_EQ(saveAllFileNames(QStringLiteral("/tmp/report")).front(), QStringLiteral("/tmp/report_NO_01.wmf"));
    EXPECT_EQ(saveAllFileNames(QStringLiteral("/a.b/c")).front(), QStringLiteral("/a.b/c_NO_01.wmf"));
    EXPECT_EQ(saveAllFileNames(QStringLiteral("r.x")).front(), QStringLiteral("r.x_NO_01.wmf"));
    EXPECT_EQ(saveAllFileNames(QStringLiteral("a"), 2),
              (QStringList{QStringLiteral("a_NO_01.wmf"), QStringLiteral("a_NO_02.wmf")}));
}

TEST(SaveAllNames, SaveAllWritesEveryPage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<ReportPage> pages(17, samplePage());
    QString error;
    ASSERT_TRUE(saveAllPages(pages, dir.filePath(QStringLiteral("计算书.wmf")), &error)) << error.toStdString();
    for (const QString &name : saveAllFileNames(dir.filePath(QStringLiteral("计算书.wmf")))) {
        EXPECT_TRUE(QFile::exists(name)) << name.toStdString();
    }
    EXPECT_FALSE(saveAllPages(pages, dir.filePath(QStringLiteral("missing/x.wmf")), &error));
    EXPECT_EQ(error, QStringLiteral("保存文件“%1”失败：文件夹不存在。").arg(dir.filePath(QStringLiteral("missing/x_NO_01.wmf"))));
}

TEST(SaveAllNames, SaveAllIsAllOrNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chosen = dir.filePath(QStringLiteral("b.wmf"));
    const QStringList names = saveAllFileNames(chosen);
    for (const QString &name : names.mid(0, 16)) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old page");
    }
    // The last page cannot be written: a folder has its name.
    ASSERT_TRUE(QDir().mkdir(names.back()));

    QString error;
    EXPECT_FALSE(saveAllPages(std::vector<ReportPage>(17, samplePage()), chosen, &error));
    EXPECT_EQ(error, QStringLiteral("保存文件“%1”失败：目标是一个文件夹。").arg(names.back()));
    for (const QString &name : names.mid(0, 16)) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("old page")) << name.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 17);
}

TEST(TextsDump, ListsEveryMarkupCallInOrderWithPageAndColour)
{
    ReportPage first;
    drawMarkupText(594, 130, 12, QStringLiteral("MC"), QStringLiteral("各种工况下的荷载计算表"), first);
    first.setFontColor(QColor(0, 0x80, 0x80));
    drawMarkupText(290, 307, 8, QStringLiteral("lc"), QStringLiteral("E(N/mm$sbks2$sbjs)"), first);
    ReportPage second;
    drawMarkupText(1, -2, 9, QStringLiteral("RB"), QStringLiteral("a\tb"), second);

    const std::vector<ReportPage> pages = {first, second};
    EXPECT_EQ(textsDump(pages), QStringLiteral("1\t594\t130\t12\tMC\t000000\t各种工况下的荷载计算表\n"
                                               "1\t290\t307\t8\tlc\t008080\tE(N/mm$sbks2$sbjs)\n"
                                               "2\t1\t-2\t9\tRB\t000000\ta b\n"));
    EXPECT_TRUE(textsDump({}).isEmpty());
}

TEST(SpanFileName, KeepsTheSpanNameWhereAFileNameCanHoldIt)
{
    EXPECT_EQ(fileNameForSpan(QStringLiteral("220kV#1主变进线间隔跨线")), QStringLiteral("220kV#1主变进线间隔跨线"));
    // Slashes would make folders; the others are refused by Windows, where the files go too.
    EXPECT_EQ(fileNameForSpan(QStringLiteral("A/B\\C:D*E?F\"G<H>I|J")), QStringLiteral("A_B_C_D_E_F_G_H_I_J"));
    EXPECT_EQ(fileNameForSpan(QStringLiteral("跨线\t1\n")), QStringLiteral("跨线_1"));
    EXPECT_EQ(fileNameForSpan(QStringLiteral("  跨线2 . ")), QStringLiteral("跨线2"));
}

TEST(SpanFileName, AnEmptyNameGivesAGenericOne)
{
    EXPECT_EQ(fileNameForSpan(QString()), QStringLiteral("计算书"));
    EXPECT_EQ(fileNameForSpan(QStringLiteral(" .. ")), QStringLiteral("计算书"));
}

// 100 Chinese characters, the longest span name, are 300 bytes of UTF-8: more
// than a file name may hold once "_NO_17.wmf" is added.
TEST(SpanFileName, ALongNameIsCutToFitEveryPageName)
{
    const QString longName = QString(100, QChar(u'跨'));
    const QString name = fileNameForSpan(longName);
    EXPECT_EQ(name, QString(66, QChar(u'跨')));
    for (const QString &page : saveAllFileNames(name + QStringLiteral(".wmf")))
        EXPECT_LE(page.toUtf8().size(), 255);

    // A character outside the basic plane is kept whole or dropped whole.
    const QString name4 = fileNameForSpan(QString(199, QChar(u'a')) + QStringLiteral("😀"));
    EXPECT_EQ(name4, QString(199, QChar(u'a')));
}
