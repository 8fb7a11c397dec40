#pragma once

// The picture of the equation beside the window: the line and its integer
// points as the lesson layer draws them, redrawn in the window's colours
// whenever the theme changes. Before anything is calculated it says how to
// get one. It takes the keyboard focus, and a screen reader reads its name
// and the picture's own description of what it shows.

#include "catalogue.h"
#include "solutionbounds.h"

#include <QGroupBox>

#include <array>
#include <optional>
#include <string>

class PictureView;

class PicturePanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit PicturePanel(const Catalogue &language, QWidget *parent = nullptr);

    // The equation in the fields, as typed, once calculated; none clears
    // the picture.
    void SetEquation(const std::optional<std::array<std::string, 3>> &coefficients,
                     const SolutionBounds &bounds = {});

    // The SVG shown, empty when there is none.
    const std::string &Svg() const { return svg_; }
    QWidget *View() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void redraw();

    const Catalogue &language_;
    PictureView *view_ = nullptr;
    std::optional<std::array<std::string, 3>> coefficients_;
    SolutionBounds bounds_;
    std::string svg_;
};
