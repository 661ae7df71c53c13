// The block of figures under the simulator panel and the panel's menu that
// takes its curves, picture and figures elsewhere.
#include "simulator/curve_figures_view.h"
#include "simulator/curves_menu.h"
#include "simulator/simulator_page.h"
#include "tests/error_of.h"
#include "tests/planner/report_test_support.h"
#include "tests/simulator/test_panel.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex {
namespace {

QString cell(QAccessibleTableInterface* table, int row, int column)
{
    QAccessibleInterface* item = table->cellAt(row, column);
    return item ? item->text(QAccessible::Name) : QString();
}

TEST(CurveFigures, FollowAcceptedGeneratesAndReadAsATableWithHeaders)
{
    QTemporaryDir folder;
    QFile home(folder.filePath(QStringLiteral("Home.htm")));
    ASSERT_TRUE(home.open(QIODevice::WriteOnly));
    home.write("<applet code=\"My.class\" width=653 height=408></applet><br>text");
    home.close();
    SimulatorPage page(nullptr);
    page.resize(710, 565);
    page.show();
    page.navigate(home.fileName());
    auto* view = page.findChild<CurveFiguresView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_GE(view->y(), page.panel()->geometry().bottom());

    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(view->table())->tableInterface();
    ASSERT_NE(table, nullptr);
    auto generate = [&](const char* winLoss, const char* prob) {
        page.panel()->findChild<QLineEdit*>("tfStepY")->setText(QString::fromLatin1(winLoss));
        page.panel()->findChild<QLineEdit*>("tfNumber")->setText(QStringLiteral("3"));
        page.panel()->findChild<QLineEdit*>("tfProb")->setText(QString::fromLatin1(prob));
        QTest::mouseClick(page.panel()->findChild<QPushButton*>("btext"), Qt::LeftButton);
    };
    // Every trade wins, then every trade loses: the same figures in every column.
    const struct {
        const char* winLoss;
        const char* prob;
        const char* cells[5];
        const char* ruined;
    } cases[] = {
        {"2", "1", {"1,006.00", "0.00", "0.00", "0", "453"}, "Ruined (touched 0 R or less): 0 of 3 curves (0.00 %)"},
        {"-2", "1", {"1,006.00", "0.00", "0.00", "0", "453"}, "Ruined (touched 0 R or less): 0 of 3 curves (0.00 %)"},
        {"2", "0", {"-353.00", "453.00", "453.00", "453", "0"}, "Ruined (touched 0 R or less): 3 of 3 curves (100.00 %)"},
    };
    for (const auto& c : cases) {
        generate(c.winLoss, c.prob);
        ASSERT_EQ(table->rowCount(), 5);
        ASSERT_EQ(table->columnCount(), 5);
        for (int r = 0; r < 5; ++r)
            for (int column = 0; column < 5; ++column)
                EXPECT_EQ(cell(table, r, column), c.cells[r]) << c.winLoss << " " << c.prob << " " << r;
        EXPECT_TRUE(view->text().contains(c.ruined)) << view->text().toStdString();
    }
    const auto headers = table->cellAt(0, 1)->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.first()->text(QAccessible::Name), "Bad (1 in 20)");
    EXPECT_EQ(table->cellAt(2, 0)->tableCellInterface()->rowHeaderCells().first()->text(QAccessible::Name),
              "Largest drawdown (%)");

    view->table()->setFocus();
    QTest::keyClick(view->table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), view->text());
    EXPECT_TRUE(view->text().contains("Largest drawdown (R)\t453.00\t453.00\t453.00\t453.00\t453.00\n"));
}

// After the curve of creation, curve 1 wins every trade and curve 2 loses every one.
double winsThenLosses(std::size_t n)
{
    return n < 453 ? 0.5 : n < 2 * 453 ? 0.1 : 0.9;
}

class CurvesMenuTest : public testing::Test, protected TestPanel {
protected:
    CurvesMenuTest()
        : TestPanel(RandomSequence(winsThenLosses))
    {
        my->curvesMenu()->setToday([] { return QDate(2026, 12, 9); });
    }
    QMenu* menu() const { return my->curvesMenu()->menu(); }
    QAction* action(const char* name) const { return my->findChild<QAction*>(name); }

    // Answers the save dialog with a file, after noting what it suggested.
    QString saveThroughDialog(const char* name, const QString& title, const QString& file)
    {
        return answerSaveDialog(*action(name), title, file);
    }
    QByteArray read(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
};

TEST_F(CurvesMenuTest, OpensFromTheMouseAndTheKeyboardWithItsThreeCommands)
{
    QStringList texts;
    for (const QAction* entry : menu()->actions())
        texts << entry->text() + QLatin1Char('|') + entry->shortcut().toString();
    EXPECT_EQ(texts, (QStringList{"Save &Curves as CSV...|Ctrl+Shift+S", "Save &Picture as PNG...|", "Copy &Figures|"}));

    QApplication::setActiveWindow(my.get());
    QLineEdit* ratio = field("tfStepY");
    ratio->setFocus();
    const struct {
        QWidget* target;
        std::function<void()> open;
        bool panelMenu;
    } ways[] = {
        {my.get(), [&] { QContextMenuEvent e(QContextMenuEvent::Mouse, {100, 100}, my->mapToGlobal(QPoint(100, 100))); QApplication::sendEvent(my.get(), &e); }, true},
        {ratio, [&] { QContextMenuEvent e(QContextMenuEvent::Keyboard, {5, 5}, ratio->mapToGlobal(QPoint(5, 5))); QApplication::sendEvent(ratio, &e); }, true},
        {ratio, [&] { QTest::keyClick(ratio, Qt::Key_F10, Qt::ShiftModifier); }, true},
        {ratio, [&] { QContextMenuEvent e(QContextMenuEvent::Mouse, {5, 5}, ratio->mapToGlobal(QPoint(5, 5))); QApplication::sendEvent(ratio, &e); }, false},
    };
    int way = 0;
    for (const auto& w : ways) {
        w.open();
        EXPECT_EQ(menu()->isVisible(), w.panelMenu) << "way " << way++;
        menu()->hide();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
}

TEST_F(CurvesMenuTest, SavesTheCurvesAndThePictureUnderDatedNamesAndCopiesTheFigures)
{
    ASSERT_TRUE(generate("0.5", "2", "0.5"));
    builtUp();
    QTemporaryDir target;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir())
        documents = QDir::homePath();
    EXPECT_EQ(saveThroughDialog("saveCurvesAction", "Save Curves as CSV", target.filePath("curves.csv")),
              QDir(documents).filePath("Simulation 2026-12-09.csv"));
    const QByteArray csv = read(target.filePath("curves.csv"));
    EXPECT_TRUE(csv.startsWith("Trade,Curve 1,Curve 2\r\n0,100,100\r\n1,100.5,99\r\n")) << csv.left(60).toStdString();
    EXPECT_TRUE(csv.endsWith("\r\n453,326.5,-353\r\n"));

    EXPECT_EQ(saveThroughDialog("savePictureAction", "Save Picture as PNG", target.filePath("picture.png")),
              target.filePath("Simulation 2026-12-09.png"));
    const QImage saved = QImage::fromData(read(target.filePath("picture.png")), "PNG");
    const QImage shown = my->grab().toImage();
    ASSERT_EQ(saved.size(), shown.size() * my->devicePixelRatio());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));

    action("copyFiguresAction")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Ended below the start: 1 of 2 curves (50.00 %)"));
}

TEST_F(CurvesMenuTest, AFailedWriteIsReportedAndLeavesNoFile)
{
    QTemporaryDir target;
    const QString missing = target.filePath("missing/curves.csv");
    const std::string expected = "Cannot create file \"" + QDir::toNativeSeparators(missing).toStdString() + "\". ";
    EXPECT_EQ(errorOf([&] { my->curvesMenu()->saveCurvesTo(missing); }).rfind(expected, 0), 0u);
    EXPECT_EQ(errorOf([&] { my->curvesMenu()->savePictureTo(missing); }).rfind(expected, 0), 0u);
    EXPECT_EQ(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace korvex
