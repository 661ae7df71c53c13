// What a screen reader finds in the window: a name for every control that
// takes the focus, and the captions beside the lists linked to them.
#include "app/tf_main.h"
#include "projections/profit_projections_page.h"
#include "projections/report_window.h"
#include "tests/app/message_box_recorder.h"
#include "tests/app/started_window.h"

#include <QAccessible>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace korvex {
namespace {

// The name the accessibility bridge exports, as a listener hears it.
QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QStringList namelessControls(QWidget* window)
{
    QStringList nameless;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->focusPolicy() != Qt::NoFocus && !widget->focusProxy() && widget->isVisibleTo(window)
            && spokenName(widget).isEmpty())
            nameless << widget->objectName();
    return nameless;
}

TEST(Accessibility, EveryControlThatTakesTheFocusHasANameAndListsTheirCaptions)
{
    MessageBoxRecorder boxes;
    TfMain window;
    ASSERT_TRUE(startUp(window));
    auto* pages = window.findChild<QTabWidget*>("pgctrl_ZADuraulator");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(namelessControls(&window), QStringList()) << "page " << page;
    }
    auto* projections = window.findChild<ProfitProjectionsPage*>();
    projections->viewReport();
    EXPECT_EQ(namelessControls(projections->reportWindow()), QStringList());

    // The caption comes first; the instrument list's group box follows it.
    const char* const models = "cbo_MoneyManagementModel";
    for (const auto& [list, caption] : {std::pair{models, "Select Money Management Model:"},
                                        {"cbo_Instrument", "Instrument:"}, {"cbo_Position", "Position :"}}) {
        auto* control = window.findChild<QWidget*>(list);
        const auto labels = QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
        ASSERT_FALSE(labels.isEmpty()) << list;
        EXPECT_EQ(labels.first().first->text(QAccessible::Name), caption);
    }
    // A list with nothing chosen yet is announced by its caption.
    EXPECT_EQ(spokenName(window.findChild<QWidget*>(models)), "Select Money Management Model:");
}

}  // namespace
}  // namespace korvex
