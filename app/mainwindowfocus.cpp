// The main window's focus rules: the key filter of the number boxes, the
// exit checks of the boxes that must be positive, and the focus put back on
// a box that failed its check.
#include "app/mainwindow.h"

#include "app/inputchecks.h"
#include "app/keyfilters.h"
#include "app/qtutf8.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

using app::EditBox;
using app::toUtf8;

namespace {

/**
 * A mouse button released outside \a button: a press that a message box
 * interrupted must not turn into a click later.
 */
void cancelPress(QAbstractButton *button)
{
    const QPointF outside(-1, -1);
    QMouseEvent release(QEvent::MouseButtonRelease, outside, button->mapToGlobal(outside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
}

} // namespace

bool TForm_zcx::EditExit(EditBox box)
{
    if (app::checkPositiveInput(mModel, box, mMessenger))
        return true;
    returnFocus(edit(box));
    return false;
}
bool TForm_zcx::filterKey(QObject *watched, const QString &typed)
{
    if (typed.isEmpty())
        return false;
    const char32_t key = typed.toUcs4().constFirst();
    if (watched->objectName() == QLatin1String("SGrid_hzEditor"))
        return app::filterGridKey(key) == app::discardedKey;
    const auto *box = qobject_cast<const QLineEdit *>(watched);
    return box != nullptr && app::filterNumericKey(toUtf8(box->text()), key) == app::discardedKey;
}

bool TForm_zcx::settlePendingExitCheck()
{
    QLineEdit *box = std::exchange(mPendingExitCheck, nullptr);
    if (box == nullptr || !isVisible())
        return true;
    const auto index = std::find(mEdits.begin(), mEdits.end(), box) - mEdits.begin();
    return EditExit(static_cast<EditBox>(index));
}

void TForm_zcx::returnFocus(QWidget *box)
{
    // A click that moved the focus away must not complete once the message is gone.
    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        if (button->isDown())
            cancelPress(button);
    }
    mReturningFocus = true;
    box->setFocus(Qt::OtherFocusReason);
    mReturningFocus = false;
}

bool TForm_zcx::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *keyEvent = static_cast<const QKeyEvent *>(event);
        // Navigation and deletion keys are no typed characters.
        const int key = keyEvent->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete || key == Qt::Key_Escape)
            break;
        if (filterKey(watched, keyEvent->text()))
            return true;
        break;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
        // Switching to another window or a popup is no leaving of the box.
        if (mReturningFocus || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const auto found = std::find(mEdits.begin(), mEdits.end(), watched);
        if (found != mEdits.end() && hasExitCheck(static_cast<EditBox>(found - mEdits.begin()))) {
            // The check runs once the focus has arrived where the user sent it,
            // so that its message and the return of the focus do not fight the move.
            mPendingExitCheck = *found;
            QMetaObject::invokeMethod(this, [this] { settlePendingExitCheck(); }, Qt::QueuedConnection);
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == edit(EditBox::Edit_dx_flkg)) {
            Edit_dx_flkgDblClick();
            return true;
        }
        if (watched->objectName() == QLatin1String("SGrid_hzEditor")) {
            SGrid_hzDblClick();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

