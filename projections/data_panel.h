#pragma once

#include <QFont>
#include <QWidget>

#include <vector>

class QLabel;

namespace korvex {

class Graph;
class Nbr;
class Slider;

// The inside of the panel: one row per input (its label right-aligned, the
// field, and the slider when it has one), a thin spacer, and the graph in
// all the height that is left.
class DataPanel : public QWidget {
    Q_OBJECT
public:
    DataPanel(const QFont& labelFont, const QFont& spacerFont, QWidget* parent);

    void addRow(const QString& label, Nbr* field, Slider* slider);
    void setGraph(Graph* graph);
    QLabel* label(int row) const { return rows_.at(static_cast<std::size_t>(row)).label; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QLabel* label;
        Nbr* field;
        Slider* slider;
    };
    void place();
    void placeIfShown();

    QFont labelFont_;
    QFont spacerFont_;
    std::vector<Row> rows_;
    Graph* graph_ = nullptr;
};

} // namespace korvex
