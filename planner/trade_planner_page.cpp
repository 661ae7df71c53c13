#include "planner/trade_planner_page.h"

namespace korvex {

TradePlannerPage::TradePlannerPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_TradePlanner"));
}

void TradePlannerPage::setReportProjectFile(const QString& path) { projectFile_ = path; }

}  // namespace korvex
