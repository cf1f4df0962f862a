#include "engine/calculationerror.h"
#include "engine/numberconversion.h"
#include "engine/numberformatting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using engine::formatGeneral;
using engine::formatNumber;
using engine::shortestDouble;
using engine::toNumber;

TEST(FormatNumber, RoundsHalfUpOnTheSinglePrecisionValue)
{
    EXPECT_EQ(formatNumber(17.0f, 0), "17");
    EXPECT_EQ(formatNumber(0.125f, 2), "0.13");
    // 2.675f lies just below 2.675, 2.345f just above 2.345; a float sum
    // would round both up.
    EXPECT_EQ(formatNumber(2.675f, 2), "2.67");
    EXPECT_EQ(formatNumber(2.345f, 2), "2.35");
    EXPECT_EQ(formatNumber(1.005f, 2), "1");
    EXPECT_EQ(formatNumber(2.5f, 0), "3");
    EXPECT_EQ(formatNumber(-2.5f, 0), "-2");
    EXPECT_EQ(formatNumber(1.5f, 3), "1.5");
    EXPECT_EQ(formatNumber(1234.5678f, 3), "1234.568");
    EXPECT_EQ(formatNumber(-36.25f, 1), "-36.2");
    EXPECT_EQ(formatNumber(0.0f, 3), "0");
}

TEST(FormatNumber, NeverWritesNegativeZero)
{
    EXPECT_EQ(formatNumber(-0.004f, 2), "0");
    EXPECT_EQ(formatNumber(-0.005f, 2), "0"); // the float lies above -0.005
    EXPECT_EQ(formatNumber(-0.0f, 3), "0");
    EXPECT_EQ(formatNumber(-0.4f, 0), "0");
    EXPECT_EQ(formatNumber(-0.006f, 2), "-0.01");
}

TEST(FormatNumber, KeepsTheCountOfUnitsInSinglePrecision)
{
    // 123456789 units are not a float; the nearest float is 123456792.
    EXPECT_EQ(formatNumber(123456.789f, 3), "123456.792");
    // Below 2^24 units every count is exact.
    EXPECT_EQ(formatNumber(16777.215f, 3), "16777.215");
    EXPECT_EQ(formatNumber(1e20f, 0), "1.00000002004088E20");
}

TEST(FormatNumber, ClampsTheDecimalsToZeroToSeven)
{
    EXPECT_EQ(formatNumber(1.23456789f, -1), "1");
    EXPECT_EQ(formatNumber(1.23456789f, 7), "1.2345679");
    EXPECT_EQ(formatNumber(1.23456789f, 12), "1.2345679");
    EXPECT_EQ(formatNumber(0.00001f, 7), "0.00001");
    EXPECT_EQ(formatNumber(0.000004f, 7), "4E-6");
}

TEST(FormatNumber, RefusesWhatHasNoFiniteText)
{
    EXPECT_THROW(formatNumber(std::numeric_limits<float>::infinity(), 3), engine::CalculationError);
    EXPECT_THROW(formatNumber(-std::numeric_limits<float>::infinity(), 0), engine::CalculationError);
    EXPECT_THROW(formatNumber(std::numeric_limits<float>::quiet_NaN(), 3), engine::CalculationError);
    // Finite, but 3e38 * 1e7 units overflow the float that holds them.
    EXPECT_THROW(formatNumber(3e38f, 7), engine::CalculationError);
    EXPECT_EQ(formatNumber(3e38f, 0), "3.00000000549776E38");

    try {
        formatNumber(std::numeric_limits<float>::quiet_NaN(), 3);
    } catch (const engine::CalculationError &error) {
        EXPECT_EQ(error.kind(), engine::CalculationError::Kind::Arithmetic);
        EXPECT_EQ(std::string(error.what()).find("nan"), std::string::npos);
    }
}

TEST(FormatGeneral, WritesTheShortestFixedForm)
{
    EXPECT_EQ(formatGeneral(70), "70");
    EXPECT_EQ(formatGeneral(17.5), "17.5");
    EXPECT_EQ(formatGeneral(-3.25), "-3.25");
    EXPECT_EQ(formatGeneral(0.1), "0.1");
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(static_cast<double>(12.3f)), "12.3000001907349");
    EXPECT_EQ(formatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatGeneral(-2.0 / 3.0), "-0.666666666666667");
    EXPECT_EQ(formatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral(1200), "1200");
    EXPECT_EQ(formatGeneral(100000000000000.0), "100000000000000");
    EXPECT_EQ(formatGeneral(0.00001), "0.00001");
    EXPECT_EQ(formatGeneral(0.000012), "0.000012");
    EXPECT_EQ(formatGeneral(0.0123), "0.0123");
}

TEST(FormatGeneral, UsesExponentFormOutsideTheFixedRange)
{
    EXPECT_EQ(formatGeneral(1e15), "1E15");
    EXPECT_EQ(formatGeneral(1e20), "1E20");
    EXPECT_EQ(formatGeneral(1.5e20), "1.5E20");
    EXPECT_EQ(formatGeneral(-1.5e20), "-1.5E20");
    EXPECT_EQ(formatGeneral(1e-6), "1E-6");
    EXPECT_EQ(formatGeneral(-2.5e-7), "-2.5E-7");
    EXPECT_EQ(formatGeneral(9.9e-6), "9.9E-6");
    EXPECT_EQ(formatGeneral(1.23456789e-100), "1.23456789E-100");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::max()), "1.79769313486232E308");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

TEST(FormatGeneral, RoundingToFifteenDigitsCarriesIntoTheNextPower)
{
    EXPECT_EQ(formatGeneral(999999999999999.9), "1E15");
    EXPECT_EQ(formatGeneral(-999999999999999.9), "-1E15");
    EXPECT_EQ(formatGeneral(99999999999999.99), "100000000000000");
    EXPECT_EQ(formatGeneral(0.9999999999999999), "1");
    EXPECT_EQ(formatGeneral(9.999999999999999e-6), "0.00001");
    EXPECT_EQ(formatGeneral(1.234567890123456), "1.23456789012346");
}

TEST(FormatGeneral, AnExactHalfGoesAwayFromZero)
{
    EXPECT_EQ(formatGeneral(123456789012344.5), "123456789012345");
    EXPECT_EQ(formatGeneral(-123456789012344.5), "-123456789012345");
    // 1 + 2^-15 is a float; widened it ends in an exact half.
    EXPECT_EQ(formatGeneral(1.000030517578125), "1.00003051757813");
    EXPECT_EQ(formatGeneral(999999999999999.5), "1E15");
    // A hair below the half is not a half.
    EXPECT_EQ(formatGeneral(std::nextafter(123456789012344.5, 0.0)), "123456789012344");
    EXPECT_EQ(formatGeneral(std::nextafter(123456789012344.5, 1e20)), "123456789012345");
}

TEST(FormatGeneral, RefusesNonFiniteValues)
{
    EXPECT_THROW(formatGeneral(std::numeric_limits<double>::infinity()), engine::CalculationError);
    EXPECT_THROW(formatGeneral(-std::numeric_limits<double>::infinity()), engine::CalculationError);
    EXPECT_THROW(formatGeneral(std::numeric_limits<double>::quiet_NaN()), engine::CalculationError);
}

TEST(FormatGeneral, ReadsBackThroughToNumber)
{
    for (const char *text : {"70", "17.5", "-40", "0.3", "2965", "1.15", "1E-6", "0.00001",
                             "123456.789012345", "1.5E20", "0.000123"}) {
        EXPECT_EQ(formatGeneral(toNumber(text)), text);
    }
}

// A float prints as the decimal the engineer typed, not as its widened
// binary value, while keeping the general format's exponent rules.
TEST(FormatGeneral, AFloatPrintsAsItsShortestDecimal)
{
    EXPECT_EQ(formatGeneral(70.1f), "70.1");
    EXPECT_EQ(formatGeneral(12.3f), "12.3");
    EXPECT_EQ(formatGeneral(9.783f), "9.783");
    EXPECT_EQ(formatGeneral(-40.0f), "-40");
    EXPECT_EQ(formatGeneral(-0.0f), "0");
    EXPECT_EQ(formatGeneral(1e-6f), "1E-6");
    EXPECT_EQ(formatGeneral(3.4028235e38f), "3.4028235E38");
    EXPECT_EQ(formatGeneral(16777217.0f), "16777216");
    EXPECT_THROW(formatGeneral(std::numeric_limits<float>::infinity()), engine::CalculationError);
}

TEST(ShortestDouble, IsTheShortestTextOfTheFloat)
{
    // 2.965f is 2.9649999141693115 as a double; JSON files show 2.965.
    EXPECT_EQ(shortestDouble(2.965f), 2.965);
    EXPECT_EQ(shortestDouble(0.1f), 0.1);
    EXPECT_EQ(shortestDouble(-40.0f), -40.0);
    EXPECT_EQ(shortestDouble(1e30f), 1e30);
    EXPECT_FALSE(std::signbit(shortestDouble(-0.0f)));
    for (const float value : {2.965f, 0.1f, 1e-45f, 3.4028235e38f, -123456.789f})
        EXPECT_EQ(static_cast<float>(shortestDouble(value)), value) << value;
}
