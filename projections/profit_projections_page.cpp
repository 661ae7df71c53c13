#include "projections/profit_projections_page.h"

namespace korvex {

ProfitProjectionsPage::ProfitProjectionsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_SavingsCalculator"));
}

void ProfitProjectionsPage::navigate(const QString&) { }

} // namespace korvex
