#pragma once

#include <string>
#include <string_view>

namespace app {

/**
 * \a text without leading and trailing blanks and control characters (every
 * byte up to 0x20). Bytes of multi-byte characters are never touched, so a
 * UTF-8 or GBK text keeps all its characters.
 */
inline std::string trimSpacesAndControls(std::string_view text)
{
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

} // namespace app
