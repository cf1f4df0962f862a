#include "app/widgets/loadgriddelegate.h"

#include <QLineEdit>

namespace app {

LoadGridDelegate::LoadGridDelegate(EditorCreated editorCreated, QObject *parent)
    : QStyledItemDelegate(parent), mEditorCreated(std::move(editorCreated))
{
}

QWidget *LoadGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    mEditorCreated(editor);
    return editor;
}

} // namespace app
