#pragma once

#include "simulator/curve_statistics.h"

#include <QWidget>

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
    QTableWidget* table() const { return table_; }
    QString text() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLine(const QString& html);
    void fitTable();

    QTableWidget* table_ = nullptr;
    std::vector<QLabel*> countLines_;
    QString text_;
};

}  // namespace korvex
