#pragma once

#include "common/messenger.h"

#include <QPointer>

class QWidget;

namespace common {

/**
 * The models' messages as modal message boxes: the message's text, caption,
 * icon and buttons, with the button texts of a Chinese desktop ("确定",
 * "取消", "是", "否") whatever Qt translations are installed.
 *
 * The box is centred over \a parent, or over the active window when the
 * parent is gone or none was given. Closing the box with Escape or the title
 * bar counts as the box's cancelling answer: Cancel where the box offers it,
 * else No, else Ok.
 */
class QtMessenger final : public common::Messenger
{
public:
    explicit QtMessenger(QWidget *parent = nullptr);

    common::MessageAnswer show(const common::Message &message) override;

private:
    QPointer<QWidget> mParent;
};

} // namespace common
