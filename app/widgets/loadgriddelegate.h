#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QLineEdit;

namespace app {

/**
 * The cell editor of the load grid: a frameless line edit, announced to the
 * window as soon as it exists so that the window can filter its keys, follow
 * its text as it is typed and take its double-clicks for the weight lookups.
 */
class LoadGridDelegate final : public QStyledItemDelegate
{
public:
    using EditorCreated = std::function<void(QLineEdit *editor)>;

    LoadGridDelegate(EditorCreated editorCreated, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

private:
    EditorCreated mEditorCreated;
};

} // namespace app
