#include "simulator/simulator_page.h"

namespace korvex {

SimulatorPage::SimulatorPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_Simulator"));
}

void SimulatorPage::navigate(const QString&) {}

}  // namespace korvex
