#include "app/widgets/url_opener.h"
#include "projections/report_window.h"
#include "tests/app/message_box_recorder.h"
#include "tests/error_of.h"
#include "tests/projections/projections_fixture.h"

#include "tests/planner/report_test_support.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>

namespace korvex {
namespace {

using ProjectionsReport = ProjectionsPage;

QString plainReport(ProfitProjectionsPage& page)
{
    return page.reportWindow()->view()->toPlainText();
}

TEST_F(ProjectionsReport, ViewReportShowsTheSummaryAndTheTable)
{
    auto* button = page->findChild<QPushButton*>("btn_ViewReport");
    ASSERT_NE(button, nullptr);
    button->click();
    ReportWindow* window = page->reportWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Trading Account Calculator");
    const QString text = plainReport(*page);
    for (const char* expected : { "Results Summary", "Starting amount \n$1,000", "Months \n10",
             "Additional contributions \n$0 per month", "Rate of return \n2.00% compounded monthly",
             "Total amount you will have contributed \n$1,000", "Total at end of period \n$1,219",
             "Trading Account Balance by Month", "Start\n$1,000\n \n$1,000", "1\n$0\n$20\n$1,020",
             "10\n$0\n$24\n$1,219" })
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(window->report().startsWith("<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"Calculators.css\""));
}

TEST_F(ProjectionsReport, TheStyleSheetBesideTheDocumentIsApplied)
{
    page->viewReport();
    QTextDocument* document = page->reportWindow()->view()->document();
    const QTextCursor header = document->find("Trading Account Calculator");
    ASSERT_FALSE(header.isNull());
    const QTextCharFormat format = header.charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(Qt::white));
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    const QTextCursor title = document->find("Trading Account Balance by Month");
    EXPECT_EQ(title.charFormat().foreground().color(), QColor(0x7f, 0x7f, 0xff));
}

TEST_F(ProjectionsReport, OneWindowThatTheSecondClickRefreshes)
{
    page->viewReport();
    ReportWindow* first = page->reportWindow();
    enter(panel->contributionsField(), "100");
    page->viewReport();
    EXPECT_EQ(page->reportWindow(), first);
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        shown += qobject_cast<ReportWindow*>(widget) && widget->isVisible();
    EXPECT_EQ(shown, 1);
    const QString text = plainReport(*page);
    EXPECT_TRUE(text.contains("Additional contributions \n$100 per month"));
    EXPECT_TRUE(text.contains("Total amount you will have contributed \n$13,000"));
    EXPECT_TRUE(text.contains("1\n$1,200\n$33\n$2,233"));

    first->close(); // closed windows go away; the next click opens a new one
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(page->reportWindow(), nullptr);
    page->viewReport();
    EXPECT_NE(page->reportWindow(), nullptr);
}

TEST_F(ProjectionsReport, AnInvalidFieldGivesTheErrorPageAndLeavesTheBand)
{
    panel->monthsField()->setText("150");
    page->viewReport();
    EXPECT_EQ(page->reportWindow()->windowTitle(), "Calculation Error");
    EXPECT_EQ(page->reportWindow()->report().toStdString(),
        "<HTML><HEAD><TITLE>Calculation Error</TITLE></HEAD><BODY><P>The following calculation error has "
        "occurred.  Please close this window and correct the problem to view this report:<B><P>Months must "
        "be "
        "less than or equal to 100.</BODY></HTML>");
    EXPECT_TRUE(plainReport(*page).endsWith("report:\nMonths must be less than or equal to 100."));
    EXPECT_FALSE(panel->border()->showsError());
}

TEST_F(ProjectionsReport, PlacedAtHalfTheScreenMinusThreeHundred)
{
    EXPECT_EQ(ReportWindow::placeOnScreen(QRect(0, 0, 1024, 768)), QRect(212, 20, 600, 380));
    EXPECT_EQ(ReportWindow::placeOnScreen(QRect(1920, 0, 1280, 1024)), QRect(2260, 20, 600, 380));
    EXPECT_EQ(ReportWindow::placeOnScreen(QRect()), QRect(0, 20, 600, 380));
    page->viewReport();
    EXPECT_EQ(page->reportWindow()->size(), QSize(600, 380));
    EXPECT_FALSE(page->reportWindow()->menuBar()->actions().isEmpty());
}

TEST_F(ProjectionsReport, SavesPrintsAndOpensInABrowser)
{
    page->viewReport();
    ReportWindow* window = page->reportWindow();
    QTemporaryDir target;
    const QString saved = target.filePath("report.html");
    window->saveTo(saved);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()), window->report());
    EXPECT_TRUE(QFile::exists(target.filePath("Calculators.css")));

    QUrl opened;
    setUrlOpener([&opened](const QUrl& url) {
        opened = url;
        return true;
    });
    window->openInBrowser();
    setUrlOpener({});
    EXPECT_EQ(opened, QUrl::fromLocalFile(window->browserCopyPath()));
    EXPECT_EQ(QFileInfo(window->browserCopyPath()).dir(), QDir(folder.path()));

    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target.filePath("report.pdf"));
    window->printTo(printer);
    EXPECT_GT(QFileInfo(target.filePath("report.pdf")).size(), 1000);
}

// The cells of the month table as the window shows them.
std::vector<QStringList> shownTable(QTextFrame* frame)
{
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        if (table && table->cellAt(0, 0).firstCursorPosition().block().text() == "Month") {
            std::vector<QStringList> rows(static_cast<std::size_t>(table->rows()));
            for (int r = 0; r < table->rows(); ++r)
                for (int c = 0; c < table->columns(); ++c) {
                    QTextCursor cell = table->cellAt(r, c).firstCursorPosition();
                    cell.setPosition(table->cellAt(r, c).lastPosition(), QTextCursor::KeepAnchor);
                    rows[static_cast<std::size_t>(r)] << cell.selectedText().trimmed();
                }
            return rows;
        }
        if (auto rows = shownTable(child); !rows.empty())
            return rows;
    }
    return {};
}

// Answers the save dialog with a file in the folder, after noting what it suggested.
QString saveThroughDialog(ReportWindow& window, const char* action, const QString& title, const QString& file)
{
    return answerSaveDialog(*window.findChild<QAction*>(action), title, file);
}

TEST_F(ProjectionsReport, SavesTheMonthTableAsCsvThatReadsBackAsTheShownTable)
{
    enter(panel->contributionsField(), "100");
    enter(panel->monthsField(), "24");
    page->viewReport();
    ReportWindow& window = *page->reportWindow();
    window.setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(21, 5)); });
    QTemporaryDir target;
    const QString csvPath = target.filePath("table.csv");
    const QString suggested = saveThroughDialog(window, "csvAction", "Save Month Table as CSV", csvPath);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir())
        documents = QDir::homePath();
    EXPECT_EQ(suggested, QDir(documents).filePath("Profit projection 2026-12-08.csv"));
    // The next save starts in the folder just used.
    EXPECT_EQ(saveThroughDialog(window, "saveAction", "Save Report as HTML", target.filePath("r.html")),
        target.filePath("Profit projection 2026-12-08.html"));

    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    ASSERT_TRUE(csv.endsWith("\r\n"));
    EXPECT_EQ(csv.count('\n'), csv.count("\r\n"));
    QStringList records = csv.split("\r\n");
    records.removeLast();
    const std::vector<QStringList> shown = shownTable(window.view()->document()->rootFrame());
    ASSERT_EQ(shown.size(), 26u);
    ASSERT_EQ(records.size(), 26);
    EXPECT_EQ(records[0], "Month,Additions,Profit,Balance");
    for (int r = 1; r < records.size(); ++r) {
        const QStringList fields = records[r].split(',');
        const QStringList& cells = shown[static_cast<std::size_t>(r)];
        ASSERT_EQ(fields.size(), 4) << records[r].toStdString();
        EXPECT_EQ(fields[0], r == 1 ? QString("0") : cells[0]);
        for (int c = 1; c < 4; ++c) {
            QString dollars = cells[c];
            dollars.remove('$').remove(',');
            if (dollars.trimmed().isEmpty()) { // the start's profit
                EXPECT_TRUE(fields[c].isEmpty()) << r;
                continue;
            }
            bool number = false;
            const double cents = fields[c].toDouble(&number);
            ASSERT_TRUE(number && fields[c].indexOf('.') == fields[c].size() - 3) << fields[c].toStdString();
            EXPECT_LE(std::abs(cents - dollars.toDouble()), 0.5) << r << "," << c;
        }
    }
    EXPECT_EQ(records[2].toStdString(), "1,1200.00,32.96,2232.96");
}

TEST_F(ProjectionsReport, AnInvalidFieldGivesNoCsvButTheErrorPagesMessage)
{
    panel->monthsField()->setText("150");
    page->viewReport();
    MessageBoxRecorder boxes;
    const WhenShown dialog(
        "Save Month Table as CSV", [](QWidget& shown) { static_cast<QDialog&>(shown).reject(); });
    page->reportWindow()->findChild<QAction*>("csvAction")->trigger();
    EXPECT_FALSE(dialog.seen());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Error");
    EXPECT_EQ(boxes.boxes[0].text, "Months must be less than or equal to 100.");
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Critical);
}

TEST_F(ProjectionsReport, ARefusedSaveLeavesTheNextDialogWhereTheLastFileWent)
{
    page->viewReport();
    ReportWindow& window = *page->reportWindow();
    QTemporaryDir target;
    saveThroughDialog(window, "saveAction", "Save Report as HTML", target.filePath("kept.html"));
    QFile plain(target.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const struct {
        const char* action;
        const char* title;
        QString file;
    } refused[] = {
        { "saveAction", "Save Report as HTML", folder.filePath("missing/r.html") },
        { "csvAction", "Save Month Table as CSV", folder.filePath("missing/t.csv") },
        { "saveAction", "Save Report as HTML", target.filePath("plain/r.html") },
        { "csvAction", "Save Month Table as CSV", target.filePath("plain/t.csv") },
    };
    for (const auto& save : refused) {
        EXPECT_NE(errorOf([&] { saveThroughDialog(window, save.action, save.title, save.file); }), "no error")
            << save.file.toStdString();
        QString suggested;
        const WhenShown next(save.title, [&](QWidget& shown) {
            suggested = static_cast<QFileDialog&>(shown).selectedFiles().value(0);
            static_cast<QDialog&>(shown).reject();
        });
        window.findChild<QAction*>(save.action)->trigger();
        EXPECT_EQ(QFileInfo(suggested).absolutePath(), target.path()) << save.file.toStdString();
    }
}

TEST_F(ProjectionsReport, AFailedSaveIsReportedNotLost)
{
    page->viewReport();
    EXPECT_THROW(
        page->reportWindow()->saveTo(folder.filePath("missing/folder/report.html")), std::runtime_error);
}

} // namespace
} // namespace korvex
