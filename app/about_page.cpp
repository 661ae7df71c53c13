#include "app/about_page.h"

namespace korvex {

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ts_About"));
}

}  // namespace korvex
