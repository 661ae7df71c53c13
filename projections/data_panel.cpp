#include "projections/data_panel.h"

#include "projections/graph.h"
#include "projections/nbr.h"
#include "projections/slider.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace korvex {

namespace {

// Pixels inside the frame.
struct Layout {
    int margin = 10;
    int top = 8;
    int rowHeight = 31;
    int labelGap = 4;
    int fieldWidth = 100;
    int fieldHeight = 21;
    int sliderGap = 16;
    int bottom = 6;
};
constexpr Layout kLayout;

} // namespace

DataPanel::DataPanel(const QFont& labelFont, const QFont& spacerFont, QWidget* parent)
    : QWidget(parent)
    , labelFont_(labelFont)
    , spacerFont_(spacerFont)
{
    setObjectName(QStringLiteral("data"));
}

void DataPanel::addRow(const QString& label, Nbr* field, Slider* slider)
{
    auto* caption = new QLabel(label + QStringLiteral(": "), this);
    // A caption from the host document is text, never markup that loads a picture.
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(labelFont_);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(field);
    field->setParent(this);
    field->setFont(labelFont_);
    if (slider)
        slider->setParent(this);
    rows_.push_back({ caption, field, slider });
    placeIfShown();
}

void DataPanel::setGraph(Graph* graph)
{
    graph_ = graph;
    graph_->setParent(this);
    placeIfShown();
}

void DataPanel::resizeEvent(QResizeEvent*)
{
    place();
}

// A hidden panel is placed when it gets its size, which every widget gets
// before it is first shown: measured before, its labels would be measured again.
void DataPanel::placeIfShown()
{
    if (isVisible())
        place();
}

void DataPanel::place()
{
    const QFontMetrics metrics(labelFont_);
    int labelWidth = 0;
    for (const Row& row : rows_)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(row.label->text()));
    // However long the labels, the field and some slider keep their room.
    labelWidth = std::min(labelWidth, width() / 2);

    const int fieldX = kLayout.margin + labelWidth + kLayout.labelGap;
    const int sliderX = fieldX + kLayout.fieldWidth + kLayout.sliderGap;
    int y = kLayout.top;
    for (const Row& row : rows_) {
        row.label->setGeometry(kLayout.margin, y, labelWidth, kLayout.fieldHeight);
        row.field->setGeometry(fieldX, y, kLayout.fieldWidth, kLayout.fieldHeight);
        if (row.slider) {
            const int h = row.slider->sizeHint().height();
            // The track lines up with the middle of the field.
            row.slider->setGeometry(sliderX, y + kLayout.fieldHeight / 2 - row.slider->trackY(),
                std::max(20, width() - kLayout.margin - sliderX), h);
        }
        y += kLayout.rowHeight;
    }
    y += QFontMetrics(spacerFont_).height();
    if (graph_)
        graph_->setGeometry(
            kLayout.margin, y, width() - 2 * kLayout.margin, std::max(40, height() - y - kLayout.bottom));
}

} // namespace korvex
