#pragma once

#include <string_view>

namespace options {

/// Whether a typed text holds nothing but spaces and tabs: a field left blank,
/// which every settings page reads as "not given".
inline bool isBlankText(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace options
