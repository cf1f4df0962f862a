#include "engine/numbers.h"

#include "engine/calculationerror.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace engine {

ConversionError::ConversionError(const std::string &text)
    : std::runtime_error("“" + text + "”不是有效的数值"), mText(text)
{
}

ConversionError::ConversionError(const std::string &text, const std::string &field)
    : std::runtime_error(field + ": “" + text + "” 不是有效的数值"), mText(text)
{
}

namespace {

constexpr int kGeneralDigits = 15;

// Below 1e-5 and from 1e15 on the general format switches to exponent form.
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = kGeneralDigits - 1;

constexpr int kMaxDecimals = 7;

// Enough for the complete decimal expansion of any double: at most 767
// significant digits, the point and an exponent such as "e-324".
constexpr std::size_t kExactBufferSize = 800;
constexpr int kExactPrecision = 766;

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
    const Significand sixteen = scientific(magnitude, kGeneralDigits, buffer.data(), buffer.size());
    if (sixteen.digits.back() == '5') {
        // The sixteen digits are themselves rounded: only the full expansion
        // tells an exact half from a value just below or above it.
        std::array<char, kExactBufferSize> exactBuffer{};
        Significand exact = scientific(magnitude, kExactPrecision, exactBuffer.data(), exactBuffer.size());
        const bool exactHalf = exact.digits[kGeneralDigits] == '5'
            && std::all_of(exact.digits.begin() + kGeneralDigits + 1, exact.digits.end(),
                           [](char digit) { return digit == '0'; });
        if (exactHalf) {
            exact.digits.resize(kGeneralDigits);
            roundUpLastDigit(exact);
            return exact;
        }
    }
    return scientific(magnitude, kGeneralDigits - 1, buffer.data(), buffer.size());
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

// The conversion's grammar; every function returns the position after what it
// accepted, so that nothing beyond the view is ever looked at.
using Cursor = std::string_view::const_iterator;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

Cursor skipDigits(Cursor p, Cursor end)
{
    while (p != end && isDigit(*p))
        ++p;
    return p;
}

Cursor skipSign(Cursor p, Cursor end)
{
    return (p != end && (*p == '+' || *p == '-')) ? p + 1 : p;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

/**
 * Whether a decimal number whose value from_chars could not represent lies
 * below the smallest double (true) or above the largest (false). \a mantissa
 * is the unsigned digits with their point, \a exponent the text after "e".
 */
bool isUnderflow(std::string_view mantissa, std::string_view exponent)
{
    // Power of ten of the first significant digit, from the mantissa alone.
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos)
        return true;
    long long magnitude = firstSignificant < point ? static_cast<long long>(point - firstSignificant) - 1
                                                   : -static_cast<long long>(firstSignificant - point);

    // A written exponent far beyond the range of doubles decides by its sign
    // alone, which also keeps the sum below from overflowing.
    const bool negative = !exponent.empty() && exponent.front() == '-';
    exponent = exponent.substr(exponent.empty() || isDigit(exponent.front()) ? 0 : 1);
    constexpr long long kFarBeyondDoubles = 100000;
    long long written = 0;
    const auto parsed = std::from_chars(exponent.data(), exponent.data() + exponent.size(), written);
    if (parsed.ec == std::errc::result_out_of_range || written > kFarBeyondDoubles)
        return negative;
    magnitude += negative ? -written : written;
    return magnitude < 0;
}

} // namespace

std::string formatNumber(float value, int decimals)
{
    requireFinite(value);
    decimals = std::clamp(decimals, 0, kMaxDecimals);

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

    const bool exponential = number.exponent > kLargestFixedExponent
        || number.exponent < kSmallestFixedExponent;
    const std::string text = exponential ? exponentForm(number) : fixedForm(number);
    return value < 0 ? '-' + text : text;
}

double shortestDouble(float value)
{
    if (!std::isfinite(value))
        return value;
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double widened = 0;
    std::from_chars(buffer, written.ptr, widened);
    return widened;
}

double toNumber(std::string_view text)
{
    const std::string_view number = trimBlanks(text);
    const Cursor begin = number.begin();
    const Cursor end = number.end();

    const Cursor mantissaBegin = skipSign(begin, end);
    const Cursor integerEnd = skipDigits(mantissaBegin, end);
    Cursor mantissaEnd = integerEnd;
    if (mantissaEnd != end && *mantissaEnd == '.')
        mantissaEnd = skipDigits(mantissaEnd + 1, end);
    const bool hasDigits = integerEnd != mantissaBegin || mantissaEnd - mantissaBegin > 1;

    Cursor exponentBegin = end;
    Cursor numberEnd = mantissaEnd;
    if (numberEnd != end && (*numberEnd == 'e' || *numberEnd == 'E')) {
        exponentBegin = numberEnd + 1;
        const Cursor exponentDigits = skipSign(exponentBegin, end);
        numberEnd = skipDigits(exponentDigits, end);
        if (numberEnd == exponentDigits)
            throw ConversionError(std::string(text));
    }
    if (!hasDigits || numberEnd != end)
        throw ConversionError(std::string(text));

    // from_chars takes no plus sign; the minus is applied afterwards so that
    // both signs go the same way.
    const bool negative = mantissaBegin != begin && *begin == '-';
    const std::string_view unsignedNumber = number.substr(std::size_t(mantissaBegin - begin));
    double value = 0;
    const auto parsed = std::from_chars(unsignedNumber.data(),
                                        unsignedNumber.data() + unsignedNumber.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        const auto mantissa = std::string_view(mantissaBegin, mantissaEnd);
        const auto exponent = std::string_view(exponentBegin, end);
        // A number too small for a double is zero, as the floating-point unit
        // makes it; one too large has no value at all.
        if (!isUnderflow(mantissa, exponent))
            throw ConversionError(std::string(text));
        value = 0;
    } else if (parsed.ec != std::errc() || parsed.ptr != unsignedNumber.data() + unsignedNumber.size()) {
        throw ConversionError(std::string(text));
    }
    return negative ? -value : value;
}

bool isDecimalNumber(std::string_view text, bool allowSign)
{
    if (text.empty())
        return false;

    bool seenPoint = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c))
            continue;
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c == '-' && i == 0 && allowSign)
            continue;
        return false;
    }
    return true;
}

} // namespace engine
