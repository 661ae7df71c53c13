// Alt and a letter must reach one command: two commands of a menu sharing
// their letter make Qt move between them instead.

#include "app/tf_main.h"
#include "projections/profit_projections_page.h"
#include "projections/report_window.h"
#include "tests/app/started_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>

namespace korvex {
namespace {

// "<menu>: <letter> of <command> and <command>" for every letter used twice,
// in the menu's commands and, below them, in their submenus.
void findRepeats(const QString& menu, const QList<QAction*>& actions, QStringList& repeats)
{
    std::map<QKeySequence, QString> taken;
    for (QAction* action : actions) {
        const QKeySequence letter = QKeySequence::mnemonic(action->text());
        if (!letter.isEmpty()) {
            const auto [first, isNew] = taken.emplace(letter, action->text());
            if (!isNew)
                repeats << menu + ": " + letter.toString() + " of " + first->second + " and " + action->text();
        }
        if (action->menu())
            findRepeats(action->text(), action->menu()->actions(), repeats);
    }
}

QStringList repeatedMnemonics(const QWidget& window)
{
    QStringList repeats;
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        findRepeats(window.windowTitle(), bar->actions(), repeats);
    // Context menus, which hang in no menu bar.
    for (const QMenu* menu : window.findChildren<QMenu*>())
        if (menu->menuAction()->associatedObjects().isEmpty())
            findRepeats(menu->objectName(), menu->actions(), repeats);
    return repeats;
}

TEST(Menus, EveryCommandHasALetterOfItsOwnWithinItsMenu)
{
    TfMain window;
    ASSERT_TRUE(startUp(window));
    auto* projections = window.findChild<ProfitProjectionsPage*>();
    ASSERT_NE(projections, nullptr);
    projections->viewReport();
    ASSERT_NE(projections->reportWindow(), nullptr);
    const QWidget* windows[] = {&window, projections->reportWindow()};
    for (const QWidget* shown : windows)
        EXPECT_EQ(repeatedMnemonics(*shown), QStringList()) << shown->windowTitle().toStdString();
}

}  // namespace
}  // namespace korvex
