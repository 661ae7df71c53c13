#pragma once

#include "simulator/curve_statistics.h"

#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QTableWidget;

namespace korvex {

// The block under the simulator panel that says what the curves of the last
// generation did: a line on what R means, a read-only table of the worst,
// bad, median, good and best figures, and the counts of curves that ended
// below the start, lost half of it or were ruined. Ctrl+C copies it all.
class CurveFiguresView : public QWidget {
    Q_OBJECT
public:
    CurveFiguresView(int width, QWidget* parent);

    void showStatistics(const CurveStatistics& statistics);
    QTableWidget* table() const { return table_; }  // none until first shown
    QString text() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Fills in and shows what came while the page was hidden: the table, the
    // lines and their fonts are measured only when someone can see them.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* addLine();
    void addTable();
    void fill(const CurveStatistics& statistics);
    void fitTable();

    QLabel* explanation_ = nullptr;
    QTableWidget* table_ = nullptr;  // from the first show on
    std::vector<QLabel*> countLines_;
    std::vector<std::pair<QLabel*, QString>> headings_;  // their texts, until first shown
    QString text_;
    std::optional<CurveStatistics> unshown_;
};

}  // namespace korvex
