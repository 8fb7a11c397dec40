#include "picturepanel.h"

#include "linepicture.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QXmlStreamReader>

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string css(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toStdString();
}

// The theme's colours for the picture: its text and base from the palette;
// the line, the marks and the region in hues that keep their contrast on a
// light or a dark base.
PicturePalette themePalette(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool dark = base.lightness() < 128;
    return {
        css(base),
        css(text),
        css(text),
        css(text),
        dark ? "#99c1f1" : "#1a5fb4",
        css(text),
        dark ? "#ff7b63" : "#c01c28",
        dark ? "#ffbe6f" : "#a34700",
        dark ? "#8ff0a4" : "#1c7c4c",
        dark ? "#8ff0a4" : "#1c7c4c",
    };
}

// What the picture says of itself, its <desc>, for screen readers.
QString description(const std::string &svg)
{
    QXmlStreamReader reader(QByteArray::fromStdString(svg));
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("svg"))
            continue;
        if (reader.name() == QLatin1String("desc"))
            return reader.readElementText();
        reader.skipCurrentElement();
    }
    return {};
}

} // namespace

// Draws the SVG as large as the room allows, keeping its proportions, or the
// hint where there is none.
class PictureView : public QWidget
{
public:
    explicit PictureView(QWidget *parent) : QWidget(parent), renderer_(new QSvgRenderer(this))
    {
        renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(240, 200);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void Show(const std::string &svg, const QString &hint)
    {
        hint_ = hint;
        shown_ = !svg.empty() && renderer_->load(QByteArray::fromStdString(svg));
        update();
    }
    bool Shown() const { return shown_; }

    // No height for its width: beside other panels it takes its share of
    // the height, and the drawing keeps its proportions inside it.
    QSize sizeHint() const override { return {480, 400}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        if (shown_) {
            renderer_->render(&painter, QRectF(rect()));
        } else {
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                             hint_);
        }
        if (hasFocus()) {
            QPen pen(palette().color(QPalette::Highlight), 2);
            painter.setPen(pen);
            painter.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }

private:
    QSvgRenderer *renderer_;
    QString hint_;
    bool shown_ = false;
};

PicturePanel::PicturePanel(const Catalogue &language, QWidget *parent)
    : QGroupBox(qs(language.picture.heading), parent), language_(language),
      view_(new PictureView(this))
{
    view_->setAccessibleName(qs(language.picture.heading));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    redraw();
}

QWidget *PicturePanel::View() const
{
    return view_;
}

void PicturePanel::SetEquation(const std::optional<std::array<std::string, 3>> &coefficients,
                               const SolutionBounds &bounds)
{
    if (coefficients == coefficients_ && bounds == bounds_)
        return;
    coefficients_ = coefficients;
    bounds_ = bounds;
    redraw();
}

void PicturePanel::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        redraw();
}

void PicturePanel::redraw()
{
    svg_.clear();
    if (coefficients_) {
        const auto &[a, b, c] = *coefficients_;
        svg_ = LinePictureOfTexts(a, b, c, bounds_, language_, themePalette(palette()));
    }
    view_->Show(svg_, qs(language_.picture.empty));
    view_->setAccessibleDescription(svg_.empty() ? qs(language_.picture.empty) : description(svg_));
}
