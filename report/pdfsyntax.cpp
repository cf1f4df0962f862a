#include "report/pdfsyntax.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace report {

void appendNumber(std::string &out, double value, int decimals)
{
    char digits[64];
    const auto [end, error] = std::isfinite(value) && std::abs(value) < 1e15
        ? std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
        : std::to_chars_result{digits, std::errc::value_too_large};
    if (error != std::errc()) {
        out += '0';
        return;
    }
    const char *last = end;
    if (std::find(static_cast<const char *>(digits), last, '.') != last) {
        while (last[-1] == '0')
            --last;
        if (last[-1] == '.')
            --last;
    }
    // A value that rounds to zero is written without its sign.
    if (last - digits == 2 && digits[0] == '-' && digits[1] == '0') {
        out += '0';
        return;
    }
    out.append(digits, std::size_t(last - digits));
}

void appendHex4(std::string &out, unsigned unit)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    out += hex[(unit >> 12) & 0xF];
    out += hex[(unit >> 8) & 0xF];
    out += hex[(unit >> 4) & 0xF];
    out += hex[unit & 0xF];
}

std::string pdfTextString(const QString &text)
{
    std::string out = "<FEFF";
    for (const QChar unit : text)
        appendHex4(out, unit.unicode());
    out += '>';
    return out;
}

} // namespace report
