#pragma once

#include <QListWidget>

// The list of ranges for random coefficients. Once an entry is selected one
// always stays selected: the user can move the selection but not clear it,
// because every random fill reads the range from it. The entry with the
// keyboard focus carries the same dotted mark as the buttons.
class RangeList : public QListWidget
{
    Q_OBJECT

public:
    explicit RangeList(QWidget *parent = nullptr);

    // The selected row, or -1 before anything was selected.
    int selectedRow() const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};
