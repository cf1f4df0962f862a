#include "engine/numberconversion.h"

#include "engine/calculationerror.h"

#include <algorithm>
#include <charconv>
#include <string>

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

std::string_view trimSpacesAndTabs(std::string_view text)
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
    constexpr long long farBeyondDoubles = 100000;
    long long written = 0;
    const auto parsed = std::from_chars(exponent.data(), exponent.data() + exponent.size(), written);
    if (parsed.ec == std::errc::result_out_of_range || written > farBeyondDoubles)
        return negative;
    magnitude += negative ? -written : written;
    return magnitude < 0;
}

} // namespace

double toNumber(std::string_view text)
{
    const std::string_view number = trimSpacesAndTabs(text);
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
