#include "common/widgets/qtmessenger.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace common {

namespace {

QMessageBox::Icon boxIcon(common::MessageIcon icon)
{
    switch (icon) {
    case common::MessageIcon::Information: return QMessageBox::Information;
    case common::MessageIcon::Question: return QMessageBox::Question;
    case common::MessageIcon::Warning: return QMessageBox::Warning;
    case common::MessageIcon::Error: return QMessageBox::Critical;
    case common::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessenger::QtMessenger(QWidget *parent) : mParent(parent) {}

common::MessageAnswer QtMessenger::show(const common::Message &message)
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
    QPushButton *files = nullptr;
    QPushButton *folder = nullptr;
    QPushButton *continueButton = nullptr;
    QPushButton *revise = nullptr;
    switch (message.buttons) {
    case common::MessageButtons::Ok:
        ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case common::MessageButtons::OkCancel:
        ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case common::MessageButtons::YesNo:
        yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case common::MessageButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case common::MessageButtons::SaveDiscardCancel:
        save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
        discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case common::MessageButtons::FilesFolderCancel:
        files = box.addButton(QStringLiteral("选择文件..."), QMessageBox::AcceptRole);
        folder = box.addButton(QStringLiteral("选择文件夹..."), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case common::MessageButtons::ContinueRevise:
        continueButton = box.addButton(QStringLiteral("继续计算"), QMessageBox::AcceptRole);
        revise = box.addButton(QStringLiteral("返回修改"), QMessageBox::RejectRole);
        box.setEscapeButton(revise);
        break;
    }
    // Enter on a question about unusual values goes back to the inputs: a
    // figure computed from a slip is worse than one more click.
    box.setDefaultButton(ok ? ok : yes ? yes : save ? save : files ? files : revise);
    box.exec();

    const QAbstractButton *pressed = box.clickedButton();
    if (pressed != nullptr && pressed == ok)
        return common::MessageAnswer::Ok;
    if (pressed != nullptr && pressed == yes)
        return common::MessageAnswer::Yes;
    if (pressed != nullptr && pressed == no)
        return common::MessageAnswer::No;
    if (pressed != nullptr && pressed == save)
        return common::MessageAnswer::Save;
    if (pressed != nullptr && pressed == discard)
        return common::MessageAnswer::Discard;
    if (pressed != nullptr && pressed == files)
        return common::MessageAnswer::Files;
    if (pressed != nullptr && pressed == folder)
        return common::MessageAnswer::Folder;
    if (pressed != nullptr && pressed == continueButton)
        return common::MessageAnswer::Continue;
    if (revise != nullptr)
        return common::MessageAnswer::Revise;
    // Cancel, Escape or the title bar's close button.
    if (cancel != nullptr)
        return common::MessageAnswer::Cancel;
    return no != nullptr ? common::MessageAnswer::No : common::MessageAnswer::Ok;
}

} // namespace common
