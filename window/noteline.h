#pragma once

// The one line beside the coefficient fields (NoteArea in the design): why
// a locked field takes no key, or how a field was read when not as typed. A
// status line to assistive technology, which hears each new note; on screen
// cut to its width where it must be, with the whole line as its tooltip.

#include <QLabel>

#include <string>

class NoteLine : public QLabel
{
    Q_OBJECT

public:
    explicit NoteLine(QWidget *parent = nullptr);

    void SetNote(const std::string &note);
    QString Note() const { return note_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fit();

    QString note_;
};
