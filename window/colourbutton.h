#pragma once

#include <QColor>
#include <QPushButton>

// A push button whose face is always its own colour. Styles such as Fusion or
// a desktop theme paint button faces from their own gradients or pixmaps and
// ignore the palette, so the button paints its face and bevel itself, and with
// them a caption, a disabled caption and a focus mark that stand out from that
// face whatever the theme.
class ColourButton : public QPushButton
{
    Q_OBJECT

public:
    ColourButton(const QString &text, const QColor &face, QWidget *parent = nullptr);

    QColor faceColour() const { return face_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face_;
};
