#include "app/qtmessenger.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace app {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessenger::QtMessenger(QWidget *parent) : mParent(parent) {}

MessageAnswer QtMessenger::show(const Message &message)
{
    QWidget *parent = mParent ? mParent.data() : QApplication::activeWindow();
    QMessageBox box(boxIcon(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), QMessageBox::NoButton, parent);
    // The text is the program's own message, never markup.
    box.setTextFormat(Qt::PlainText);

    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
    QPushButton *save = nullptr;
    QPushButton *discard = nullptr;
    switch (message.buttons) {
    case MessageButtons::Ok:
        ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case MessageButtons::OkCancel:
        ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MessageButtons::YesNo:
        yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case MessageButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MessageButtons::SaveDiscardCancel:
        save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
        discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    }
    box.setDefaultButton(ok ? ok : yes ? yes : save);
    box.exec();

    const QAbstractButton *pressed = box.clickedButton();
    if (pressed != nullptr && pressed == ok)
        return MessageAnswer::Ok;
    if (pressed != nullptr && pressed == yes)
        return MessageAnswer::Yes;
    if (pressed != nullptr && pressed == no)
        return MessageAnswer::No;
    if (pressed != nullptr && pressed == save)
        return MessageAnswer::Save;
    if (pressed != nullptr && pressed == discard)
        return MessageAnswer::Discard;
    // Cancel, Escape or the title bar's close button.
    if (cancel != nullptr)
        return MessageAnswer::Cancel;
    return no != nullptr ? MessageAnswer::No : MessageAnswer::Ok;
}

} // namespace app
