#include "metafilewalk.h"

#include "report/bytewriter.h"
#include "report/metafilefields.h"
#include "report/pagecommands.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

QByteArray logFont(const QString &name, int points, LogFontLayout layout)
{
    ByteWriter out;
    writeLogFont(out, PageFont{name, points, {0, 0, 0}}, layout);
    return out.bytes();
}

} // namespace

// WMF: five 16-bit integers, eight bytes, 32 bytes of name; EMF: five
// 32-bit integers, the same eight bytes, 32 UTF-16 characters.
TEST(LogFont, BothLayoutsCarryTheSameFieldsInTheirWidths)
{
    const QByteArray wmf = logFont(QStringLiteral("宋体"), 12, LogFontLayout::Wmf);
    ASSERT_EQ(wmf.size(), 5 * 2 + 8 + 32);
    EXPECT_EQ(i16At(wmf, 0), -16); // 12 pt at 96 dpi
    EXPECT_EQ(i16At(wmf, 8), 400);
    EXPECT_EQ(static_cast<unsigned char>(wmf[13]), 134);
    EXPECT_EQ(wmf.mid(18), QByteArray::fromHex("cbcecce5") + QByteArray(28, '\0'));

    const QByteArray emf = logFont(QStringLiteral("宋体"), 12, LogFontLayout::Emf);
    ASSERT_EQ(emf.size(), 5 * 4 + 8 + 64);
    EXPECT_EQ(i32At(emf, 0), -16);
    EXPECT_EQ(i32At(emf, 16), 400);
    EXPECT_EQ(emf.mid(20, 8), wmf.mid(10, 8));
    EXPECT_EQ(u16At(emf, 28), u'宋');
    EXPECT_EQ(u16At(emf, 30), u'体');
    EXPECT_EQ(emf.mid(32), QByteArray(60, '\0'));
}

TEST(LogFont, LongFaceNamesAreCutSoThatTheirNulFits)
{
    const QString fifteen = QString(15, QChar(u'宋'));
    // 31 bytes of GBK fit exactly; one byte more would split the last
    // two-byte character, which is then left out whole.
    EXPECT_EQ(logFont(QStringLiteral("A") + fifteen, 9, LogFontLayout::Wmf).mid(18, 32).indexOf('\0'), 31);
    EXPECT_EQ(logFont(QStringLiteral("AB") + fifteen, 9, LogFontLayout::Wmf).mid(18, 32).indexOf('\0'), 30);
    EXPECT_EQ(logFont(fifteen + fifteen, 9, LogFontLayout::Wmf).mid(18, 32).indexOf('\0'), 30);

    const QByteArray emf = logFont(QString(40, QChar(u'x')), 9, LogFontLayout::Emf);
    ASSERT_EQ(emf.size(), 92);
    EXPECT_EQ(u16At(emf, 28 + 2 * 30), u'x');
    EXPECT_EQ(u16At(emf, 28 + 2 * 31), 0);
}
