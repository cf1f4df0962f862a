#include "samplepage.h"

#include "report/markuptext.h"
#include "report/savenames.h"
#include "report/textsdump.h"

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
    EXPECT_TRUE(error.contains(QStringLiteral("x_NO_01.wmf"))) << error.toStdString();
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
