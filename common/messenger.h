#pragma once

#include <string>

namespace common {

/// The icon of a message box.
enum class MessageIcon { None, Information, Question, Warning, Error };

/// The buttons a message box offers; also the answer it returns.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel, FilesFolderCancel, ContinueRevise };
/// Continue and Revise answer ContinueRevise ("继续计算", "返回修改"); closing that box revises.
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard, Files, Folder, Continue, Revise };

/// One message as the user sees it. Texts are UTF-8.
struct Message
{
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

/**
 * Where the models show their messages. The windows implement it with modal
 * message boxes, the headless command prints, and tests record the messages
 * and answer them from a script, so that no check ever blocks on a dialog.
 */
class Messenger
{
public:
    virtual ~Messenger() = default;

    /// Shows \a message and returns the button pressed.
    virtual MessageAnswer show(const Message &message) = 0;
};

} // namespace common
