#include "rangelist.h"

#include "focusmark.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Paints entries as the style does, but the focus as drawFocusMark does, and
// in the colours of an active window while the window is active: Qt paints a
// view without the focus as inactive, which some dark themes grey below
// readable on their field colour.
class FocusMarkDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem entry = option;
        entry.state &= ~QStyle::State_HasFocus;
        if (option.widget && option.widget->isActiveWindow())
            entry.state |= QStyle::State_Active;
        QStyledItemDelegate::paint(painter, entry, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;

        const QPalette::ColorGroup group =
            (entry.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        const QPalette::ColorRole under =
            (option.state & QStyle::State_Selected) ? QPalette::Highlight : QPalette::Base;
        drawFocusMark(*painter, option.rect, option.palette.color(group, under));
    }
};

} // namespace

RangeList::RangeList(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new FocusMarkDelegate(this));
}

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
