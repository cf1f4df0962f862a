// Numbers are measured from their characters' advances instead of being
// shaped; every width must still be the one the shaped text has, or the
// pages' layout would move.
#include "report/fonts.h"
#include "report/textmetrics.h"

#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

using namespace report;

TEST(TextMetrics, NumbersAreAsWideAsShaped)
{
    const QStringList numbers = {QStringLiteral("0"),      QStringLiteral("12.313"), QStringLiteral("-40"),
                                 QStringLiteral("+3.5"),   QStringLiteral("1.926"),  QStringLiteral("34467.125"),
                                 QStringLiteral("-0.0001"), QStringLiteral("1111111111"), QStringLiteral("..--++"),
                                 QStringLiteral("7-7.7+7")};
    for (const QString &face : {QStringLiteral("宋体"), QStringLiteral("Arial")}) {
        for (const int pixelHeight : {8, 11, 12, 16, 21, 33}) {
            const QFontMetrics shaped(reportFont(face, pixelHeight));
            for (const QString &number : numbers) {
                EXPECT_EQ(textAdvance(face, pixelHeight, number), shaped.horizontalAdvance(number))
                    << face.toStdString() << " " << pixelHeight << " " << number.toStdString();
            }
        }
    }
}

TEST(TextMetrics, TextsBesideNumbersAreShaped)
{
    const QFontMetrics shaped(reportFont(QStringLiteral("宋体"), 12));
    for (const QString &text : {QStringLiteral("12.3 kN"), QStringLiteral("1e-5"), QStringLiteral("温度-40℃"),
                                QStringLiteral("LGJ-400/35"), QStringLiteral(" 12")}) {
        EXPECT_EQ(textAdvance(QStringLiteral("宋体"), 12, text), shaped.horizontalAdvance(text)) << text.toStdString();
    }
    EXPECT_EQ(textAdvance(QStringLiteral("宋体"), 12, QString()), 0);
}
