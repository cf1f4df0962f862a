// The main window's focus rules: the key filter of the number boxes (typed,
// pasted from the clipboard or the context menu, or by the middle button), the
// exit checks of the boxes that must be positive, and the focus put back on
// a box that failed its check.
#include "app/widgets/mainwindow.h"

#include "app/model/inputchecks.h"
#include "app/model/keyfilters.h"
#include "common/checkmessages.h"
#include "common/widgets/editingshortcuts.h"
#include "common/widgets/qtutf8.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>

#include <algorithm>
#include <memory>
#include <utility>

using app::EditBox;
using common::toUtf8;

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
bool TForm_zcx::isGridEditor(const QObject *watched)
{
    return watched->objectName() == QLatin1String("SGrid_hzEditor");
}

void TForm_zcx::pasteFiltered(QLineEdit *box, QClipboard::Mode mode)
{
    const QString clipboard = QGuiApplication::clipboard()->text(mode);
    const std::string pasted = toUtf8(clipboard);
    const std::optional<std::string> taken =
        isGridEditor(box) ? app::acceptedPastedGridText(pasted) : app::acceptedPastedNumber(toUtf8(box->text()), pasted);
    if (!taken) {
        // Refused whole: the box keeps its text, and the user learns why.
        QString shown = clipboard.simplified();
        shown.removeIf([](QChar c) { return !c.isPrint(); });
        if (shown.size() > 40)
            shown = shown.left(40) + QStringLiteral("...");
        mMessenger.show({"粘贴的内容“" + toUtf8(shown) + "”不是有效的数值,未粘贴.", common::syntaxCheckCaption,
                         common::MessageIcon::Warning, common::MessageButtons::Ok});
        return;
    }
    box->insert(QString::fromStdString(*taken));
}

void TForm_zcx::showFilteredContextMenu(QLineEdit *box, const QPoint &globalPosition)
{
    // The standard menu, whose "paste" goes through the same rule as typing.
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    if (auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, box, [this, box] { pasteFiltered(box, QClipboard::Clipboard); });
    }
    menu->exec(globalPosition);
}

bool TForm_zcx::filterKey(QObject *watched, const QString &typed)
{
    if (typed.isEmpty())
        return false;
    const char32_t key = typed.toUcs4().constFirst();
    if (isGridEditor(watched))
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
        // On a cell without editor ("此处不填", the row labels) the view would
        // take a typed letter as a search and move the selection to a cell
        // whose text starts with it.
        if (watched == static_cast<QObject *>(SGrid_hz) && !keyEvent->text().isEmpty()
            && keyEvent->text().front().isPrint()
            && !(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            && !app::MainWindowModel::isCellEditable(SGrid_hz->currentColumn(), SGrid_hz->currentRow()))
            return true;
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (box != nullptr && keyEvent->matches(QKeySequence::Paste)) {
            pasteFiltered(box, QClipboard::Clipboard);
            return true;
        }
        // Navigation and deletion keys are no typed characters, and the
        // editing shortcuts (Ctrl+A, C, X, Z) are not typed either.
        const int key = keyEvent->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete || key == Qt::Key_Escape
            || common::isEditingShortcut(*keyEvent))
            break;
        if (filterKey(watched, keyEvent->text()))
            return true;
        break;
    }
    case QEvent::ContextMenu:
        if (auto *box = qobject_cast<QLineEdit *>(watched); box != nullptr && !box->isReadOnly()) {
            showFilteredContextMenu(box, static_cast<const QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection of the other program.
        if (auto *box = qobject_cast<QLineEdit *>(watched);
            box != nullptr && !box->isReadOnly()
            && static_cast<const QMouseEvent *>(event)->button() == Qt::MiddleButton) {
            pasteFiltered(box, QClipboard::Selection);
            return true;
        }
        break;
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

