#pragma once

#include "projections/panel_parameters.h"

#include <QColor>
#include <QFont>
#include <QWidget>

namespace korvex {

class BorderSide;

// The generic calculator panel: reads its look from the host document's
// parameters, draws the frame and title band, and runs every calculation
// through one path that shows an input error in the band instead.
class CalculatorApplet : public QWidget {
    Q_OBJECT
public:
    CalculatorApplet(PanelParameters parameters, QWidget* parent);

    // Reads the inputs, recalculates and shows the result; an invalid input
    // leaves everything as it was and shows its message in the title band.
    void calculate();

    BorderSide* border() const { return border_; }
    const PanelParameters& parameters() const { return parameters_; }

    QFont titleFont() const { return titleFont_; }
    QFont boldFont() const { return boldFont_; }
    QFont plainFont() const { return plainFont_; }
    QFont tinyFont() const { return tinyFont_; }
    QFont graphTitleFont() const { return graphTitleFont_; }
    QColor background() const { return background_; }
    QColor foreground() const { return foreground_; }
    QColor graphColour() const { return graphColour_; }
    QColor graphBackground() const { return graphBackground_; }

    QColor colour(std::string_view name, QColor fallback) const;
    QString text(std::string_view name, std::string_view fallback) const;

protected:
    virtual void clearInputed() = 0;
    // Throws InputError for the first invalid input.
    virtual void setValues() = 0;
    virtual void recalculate() = 0;
    virtual void refresh() = 0;

    void resizeEvent(QResizeEvent* event) override;

private:
    QFont font(std::string_view key, bool bold, int size) const;

    PanelParameters parameters_;
    QFont titleFont_;
    QFont boldFont_;
    QFont plainFont_;
    QFont tinyFont_;
    QFont graphTitleFont_;
    QColor background_;
    QColor foreground_;
    QColor graphColour_;
    QColor graphBackground_;
    BorderSide* border_ = nullptr;
};

} // namespace korvex
