#include "engine/calculationerror.h"
#include "engine/numberconversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

using engine::isDecimalNumber;
using engine::toNumber;

TEST(ToNumber, AcceptsTheProgramsNumberForms)
{
    EXPECT_EQ(toNumber("12"), 12.0);
    EXPECT_EQ(toNumber("0.1"), 0.1);
    EXPECT_EQ(toNumber(" 12.5\t"), 12.5);
    EXPECT_EQ(toNumber("\t\t-7 "), -7.0);
    EXPECT_EQ(toNumber("+3"), 3.0);
    EXPECT_EQ(toNumber("-3"), -3.0);
    EXPECT_EQ(toNumber(".5"), 0.5);
    EXPECT_EQ(toNumber("-.5"), -0.5);
    EXPECT_EQ(toNumber("5."), 5.0);
    EXPECT_EQ(toNumber("5.e2"), 500.0);
    EXPECT_EQ(toNumber("007"), 7.0);
    EXPECT_EQ(toNumber("1e5"), 1e5);
    EXPECT_EQ(toNumber("2.5E-3"), 2.5e-3);
    EXPECT_EQ(toNumber("-1.5e+2"), -150.0);
    EXPECT_EQ(toNumber("1E0005"), 1e5);
    EXPECT_EQ(toNumber("0"), 0.0);
    EXPECT_EQ(toNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(ToNumber, ValuesBelowTheSmallestDoubleBecomeZero)
{
    EXPECT_EQ(toNumber("1e-999"), 0.0);
    EXPECT_EQ(toNumber("-1e-999"), 0.0);
    EXPECT_EQ(toNumber("0.000000000000000000000000000000000000001e-300"), 0.0);
    EXPECT_EQ(toNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(toNumber("0.01e-9223372036854775807"), 0.0);
    EXPECT_EQ(toNumber("0e999"), 0.0);
    EXPECT_GT(toNumber("4e-320"), 0.0);
}

TEST(ToNumber, RefusesEverythingElse)
{
    for (const char *text : {"", " ", "\t", "abc", "1,5", "0x10", "inf", "-inf", "nan", "infinity",
                             "1e", "1e+", "1e-", "e5", ".e5", ".", "-", "+", "-.", "1.2.3", "1 2",
                             "- 5", "--5", "+-5", "1e5.5", "1e5e5", "12abc", "5\n", "\n5", "1_000",
                             "１２", "1e999", "-1e999", "1e99999999999999999999999",
                             "10e9223372036854775807", "1e400", "1.8e308"}) {
        EXPECT_THROW(toNumber(text), engine::ConversionError) << '"' << text << '"';
    }
    // The view ends where it ends, whatever follows in memory.
    EXPECT_EQ(toNumber(std::string_view("12345", 2)), 12.0);
    EXPECT_THROW(toNumber(std::string_view("1e5", 2)), engine::ConversionError);
    EXPECT_THROW(toNumber(std::string_view("5", 0)), engine::ConversionError);
}

TEST(ToNumber, TheErrorNamesTheWholeText)
{
    try {
        toNumber("abc");
        FAIL() << "no ConversionError";
    } catch (const engine::ConversionError &error) {
        EXPECT_STREQ(error.what(), "“abc”不是有效的数值");
        EXPECT_EQ(error.text(), "abc");
    }
    try {
        toNumber(" 1,5 ");
        FAIL() << "no ConversionError";
    } catch (const engine::ConversionError &error) {
        EXPECT_STREQ(error.what(), "“ 1,5 ”不是有效的数值");
        EXPECT_EQ(error.text(), " 1,5 ");
    }
    try {
        toNumber("");
        FAIL() << "no ConversionError";
    } catch (const engine::ConversionError &error) {
        EXPECT_STREQ(error.what(), "“”不是有效的数值");
    }
}

TEST(IsDecimalNumber, UnsignedFormTakesDigitsAndOnePoint)
{
    for (const char *text : {"12", "12.5", ".5", "5.", ".", "0", "007"})
        EXPECT_TRUE(isDecimalNumber(text, false)) << text;
    for (const char *text : {"", "1.2.3", "..", "1e5", " 12", "12 ", "-3", "-", "+3", "3-", "1/2",
                             "1,5", "１２", "\xe5\x8d\x81", "此处不填"})
        EXPECT_FALSE(isDecimalNumber(text, false)) << text;
}

TEST(IsDecimalNumber, SignedFormAlsoTakesALeadingMinus)
{
    for (const char *text : {"-3", "-", "-.5", "-.", "12", "."})
        EXPECT_TRUE(isDecimalNumber(text, true)) << text;
    for (const char *text : {"", "3-", "--3", "-3-", "1-2", "+3", " -3", "-1.2.3", "-1e5"})
        EXPECT_FALSE(isDecimalNumber(text, true)) << text;
    EXPECT_FALSE(isDecimalNumber(std::string_view("1\0", 2), false));
}
