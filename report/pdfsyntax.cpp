#include "report/pdfsyntax.h"

#include <charconv>
#include <cmath>

namespace report {

void appendNumber(std::string &out, double value)
{
    if (!std::isfinite(value)) {
        out += '0';
        return;
    }
    const double rounded = std::round(value * 1e4) / 1e4;
    char digits[48];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, rounded == 0 ? 0.0 : rounded, std::chars_format::fixed, 4);
    if (error != std::errc()) {
        out += '0';
        return;
    }
    const char *last = end;
    while (last[-1] == '0')
        --last;
    if (last[-1] == '.')
        --last;
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
