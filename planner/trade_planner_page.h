#pragma once

#include <QWidget>

namespace korvex {

// Page 0: the figures of one planned trade, Calculate and Print.
class TradePlannerPage : public QWidget {
    Q_OBJECT
public:
    explicit TradePlannerPage(QWidget* parent);

    // The report template that Print opens; named once at start-up.
    void setReportProjectFile(const QString& path);

private:
    QString projectFile_;
};

}  // namespace korvex
