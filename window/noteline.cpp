#include "noteline.h"

#include "qtext.h"

#include <QAccessible>
#include <QEvent>

NoteLine::NoteLine(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void NoteLine::SetNote(const std::string &note)
{
    const QString text = qs(note);
    if (text == note_)
        return;
    note_ = text;
    fit();
    setToolTip(note_);
    // The whole line, read out where the pupil is: a new name is an event
    // a screen reader hears from a status line.
    setAccessibleName(note_);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void NoteLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void NoteLine::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void NoteLine::fit()
{
    setText(fontMetrics().elidedText(note_, Qt::ElideRight, contentsRect().width()));
}
