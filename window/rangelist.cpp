#include "rangelist.h"

int RangeList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QItemSelectionModel::SelectionFlags RangeList::selectionCommand(const QModelIndex &index,
                                                                const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    // Ctrl+click or Ctrl+Space on the selected entry would deselect it.
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}
