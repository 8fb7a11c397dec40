// The least a Qt 6 program of Velmora's kind can cost: a window of the same
// size and caption that draws one line in the same font. Not a test:
// scripts/measure-window.sh starts it beside the program and gives the ratio.

#include "controltable.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <string_view>

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class FloorWindow : public QWidget
{
public:
    FloorWindow()
    {
        setWindowTitle(qs(WindowCaption));
        setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));
        QFont font(qs(FontFamily), FontPointSize);
        font.setStyleHint(QFont::Serif);
        setFont(font);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Изчисли"));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.show();
    return app.exec();
}
