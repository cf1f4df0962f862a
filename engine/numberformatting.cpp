#include "engine/numberformatting.h"

#include "engine/calculationerror.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace engine {

namespace {

constexpr int generalDigits = 15;

// Below 1e-5 and from 1e15 on the general format switches to exponent form.
constexpr int smallestFixedExponent = -5;
constexpr int largestFixedExponent = generalDigits - 1;

constexpr int maxDecimals = 7;

// Enough for the complete decimal expansion of any double: at most 767
// significant digits, the point and an exponent such as "e-324".
constexpr std::size_t exactBufferSize = 800;
constexpr int exactPrecision = 766;

void requireFinite(double value)
{
    if (!std::isfinite(value))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               "计算结果超出可计算的范围,请检查输入数据.");
}

/// A positive number as significant digits d1 d2 d3 ... and the power of ten of d1.
struct Significand {
    std::string digits;
    int exponent = 0;
};

/// Splits to_chars' scientific text "d.ddde+XX" into digits and exponent.
Significand splitScientific(const char *first, const char *last)
{
    Significand result;
    const char *e = std::find(first, last, 'e');
    for (const char *p = first; p != e; ++p) {
        if (*p != '.')
            result.digits.push_back(*p);
    }
    const char *exponentBegin = e + 1;
    if (exponentBegin != last && *exponentBegin == '+')
        ++exponentBegin;
    std::from_chars(exponentBegin, last, result.exponent);
    return result;
}

Significand scientific(double magnitude, int precision, char *buffer, std::size_t size)
{
    const auto written = std::to_chars(buffer, buffer + size, magnitude,
                                       std::chars_format::scientific, precision);
    return splitScientific(buffer, written.ptr);
}

/// Adds one unit in the last digit; "999" becomes "100" with the exponent one up.
void roundUpLastDigit(Significand &number)
{
    for (auto digit = number.digits.rbegin(); digit != number.digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    number.digits.front() = '1';
    ++number.exponent;
}

/**
 * \a magnitude (positive, finite) rounded to 15 significant digits. An exact
 * half in the sixteenth digit goes away from zero, as people round by hand;
 * every other value is rounded to the nearer 15-digit number.
 */
Significand roundToGeneralDigits(double magnitude)
{
    std::array<char, 64> buffer{};
    const Significand sixteen = scientific(magnitude, generalDigits, buffer.data(), buffer.size());
    if (sixteen.digits.back() == '5') {
        // The sixteen digits are themselves rounded: only the full expansion
        // tells an exact half from a value just below or above it.
        std::array<char, exactBufferSize> exactBuffer{};
        Significand exact = scientific(magnitude, exactPrecision, exactBuffer.data(), exactBuffer.size());
        const bool exactHalf = exact.digits[generalDigits] == '5'
            && std::all_of(exact.digits.begin() + generalDigits + 1, exact.digits.end(),
                           [](char digit) { return digit == '0'; });
        if (exactHalf) {
            exact.digits.resize(generalDigits);
            roundUpLastDigit(exact);
            return exact;
        }
    }
    return scientific(magnitude, generalDigits - 1, buffer.data(), buffer.size());
}

void dropTrailingZeros(std::string &digits)
{
    const auto lastNonZero = digits.find_last_not_of('0');
    digits.erase(lastNonZero == std::string::npos ? 1 : lastNonZero + 1);
}

std::string exponentForm(const Significand &number)
{
    std::string text(1, number.digits.front());
    if (number.digits.size() > 1)
        text += '.' + number.digits.substr(1);
    return text + 'E' + std::to_string(number.exponent);
}

std::string fixedForm(const Significand &number)
{
    if (number.exponent < 0)
        return "0." + std::string(std::size_t(-number.exponent - 1), '0') + number.digits;

    const auto integerDigits = std::size_t(number.exponent) + 1;
    if (number.digits.size() <= integerDigits)
        return number.digits + std::string(integerDigits - number.digits.size(), '0');
    return number.digits.substr(0, integerDigits) + '.' + number.digits.substr(integerDigits);
}

} // namespace

std::string formatNumber(float value, int decimals)
{
    requireFinite(value);
    decimals = std::clamp(decimals, 0, maxDecimals);

    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;

    // The product of a float and a power of ten up to 1e7 is exact in the
    // 64-bit significand of long double, so the half is added to the true
    // value: 2.675f (2.67499995...) stays below the half and gives 2.67.
    const long double scaled = static_cast<long double>(value) * scale + 0.5L;
    // The rounded count of units is kept as a float, like every stored real;
    // beyond 2^24 units it loses the last digits (123456.789f at 3 decimals
    // prints 123456.792).
    const auto units = static_cast<float>(std::floor(scaled));
    return formatGeneral(static_cast<double>(units / scale));
}

std::string formatGeneral(double value)
{
    requireFinite(value);
    if (value == 0)
        return "0";

    Significand number = roundToGeneralDigits(std::fabs(value));
    dropTrailingZeros(number.digits);

    const bool exponential = number.exponent > largestFixedExponent
        || number.exponent < smallestFixedExponent;
    const std::string text = exponential ? exponentForm(number) : fixedForm(number);
    return value < 0 ? '-' + text : text;
}

std::string formatGeneral(float value)
{
    requireFinite(value);
    return formatGeneral(shortestDouble(value));
}

double shortestDouble(float value)
{
    if (!std::isfinite(value))
        return value;
    if (value == 0)
        return 0;
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double widened = 0;
    std::from_chars(buffer, written.ptr, widened);
    return widened;
}

} // namespace engine
