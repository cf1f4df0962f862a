#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace common {

/// The models hold UTF-8 texts; the widgets show QStrings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString &text)
{
    return text.toStdString();
}

} // namespace common
