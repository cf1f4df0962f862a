#pragma once

#include "common/messenger.h"

#include <string>

namespace common {

/// Caption of the messages of the key-level and load-table checks.
inline constexpr const char *syntaxCheckCaption = "语法检查";
/// Caption of the messages of the plausibility check.
inline constexpr const char *plausibilityCaption = "数据合理性检查出错误信息";
/// Caption of the question about values that are possible but unusual.
inline constexpr const char *implausibleCaption = "数据合理性提示";
/// Caption of the message for a text that is not a number.
inline constexpr const char *errorCaption = "错误信息";
/// Caption of the messages about the settings of the options dialog.
inline constexpr const char *optionsCaption = "选项设置";
/// The application title, caption of messages that name no check.
inline constexpr const char *applicationTitle = "Tenrix";

/// Shows \a text with \a caption, an error icon and an OK button.
inline void showError(Messenger &messenger, std::string text, std::string caption)
{
    messenger.show({std::move(text), std::move(caption), MessageIcon::Error, MessageButtons::Ok});
}

} // namespace common
