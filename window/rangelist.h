#pragma once

#include <QListWidget>

// The list of ranges for random coefficients. Once an entry is selected one
// always stays selected: the user can move the selection but not clear it,
// because every random fill reads the range from it.
class RangeList : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    // The selected row, or -1 before anything was selected.
    int selectedRow() const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};
