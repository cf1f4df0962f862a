#pragma once

#include <QKeyEvent>
#include <QKeySequence>

namespace common {

/**
 * Select all, copy, cut, paste, undo and redo. Their key events carry a
 * control character as text, which a number field's key filter would drop
 * like any other refused character; the fields let them through and judge
 * what a paste inserts by its own rule.
 */
inline bool isEditingShortcut(const QKeyEvent &event)
{
    for (const QKeySequence::StandardKey shortcut :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
          QKeySequence::Redo}) {
        if (event.matches(shortcut))
            return true;
    }
    return false;
}

} // namespace common
