#include "app/files/save_location.h"
#include "planner/output_options_dialog.h"
#include "planner/rave_project_file.h"
#include "planner/rv_project.h"
#include "planner/trade_plan_report.h"
#include "tests/app/planted_file.h"
#include "tests/hang_guard.h"
#include "tests/planner/report_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace korvex {
namespace {

QByteArray embeddedTemplate()
{
    QFile file(QStringLiteral(":/documents/myReport"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(ReportTemplate, ExplainsWhatIsWrongWithADamagedFile)
{
    const QByteArray good = embeddedTemplate();
    auto changed = [&good](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    const std::pair<QByteArray, const char*> cases[] = {
        {"{\"project\": ", "unterminated object at character 13"},
        {"[]", "the file holds no project"},
        {changed("\"version\": 1", "\"version\": 2"), "its version 2 is not one this program reads"},
        {changed("\"items\"", "\"things\""), "the page \"Page1\" has no \"items\""},
        {changed("\"left\": 2.826", "\"left\": \"2.826\""), "\"left\" of the item \"txt_Date\" is not a number"},
        {changed("\"kind\": \"memo\"", "\"kind\": \"box\""), "\"kind\" of the item \"mem_Notes\" is neither \"text\" nor \"memo\""},
        {changed("\"color\": \"#000000\"", "\"color\": \"black\""),
         "\"color\" of the font of the page \"Page1\" is not a colour such as \"#000000\""},
        {changed("\"width\": 2.903", "\"width\": -2"),
         "The item \"txt_Date\" of the page \"Report1.Page1\": its width is out of range"},
        {changed("\"name\": \"txt_Ticker\"", "\"name\": \"txt_Date\""),
         "The item \"txt_Date\" appears twice on the page \"Report1.Page1\""},
    };
    for (const auto& [json, message] : cases)
        EXPECT_EQ(errorOf([&json = json] { ReadRaveProject(json); }), message);
}

class RvProjectTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    RvProject project;
};

TEST_F(RvProjectTest, OpensTheFileAfreshEachTimeAndNamesAMissingOne)
{
    EXPECT_EQ(errorOf([&] { project.Open(); }), "The following reporting project does not exist:\r\"\"");
    const QString file = path("rvReport.rav");
    project.setProjectFile(file);
    EXPECT_EQ(errorOf([&] { project.Open(); }),
              "The following reporting project does not exist:\r\"" + file.toStdString() + "\"");
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/documents/myReport"), file));
    {
        const OpenRvProject open(project);
        RaveProjectManager::FindText(project.ProjectManager().FindPage(kTradePlanPage), "txt_Ticker").text = "X";
    }
    EXPECT_FALSE(project.isOpen());
    const OpenRvProject open(project);
    RavePage& page = project.ProjectManager().FindPage(kTradePlanPage);
    EXPECT_EQ(RaveProjectManager::FindText(page, "txt_Ticker").text, "txt_Ticker");
}

TEST_F(RvProjectTest, AnythingButARegularFileIsNoProjectAndIsNeverWaitedOn)
{
    for (const auto& planted : kPlanted) {
        SCOPED_TRACE(planted.name);
        const QString file = path(planted.name);
        if (!plant(planted.kind, file.toStdString(), embeddedTemplate().toStdString()))
            GTEST_SKIP() << kNoLinks;
        project.setProjectFile(file);
        const HangGuard guard(std::string("opening ") + planted.name);
        EXPECT_EQ(errorOf([&] { project.Open(); }),
                  "The following reporting project does not exist:\r\"" + file.toStdString() + "\"");
    }
}

RaveProject filledPlan(const std::string& notes)
{
    RaveProject project = ReadRaveProject(embeddedTemplate());
    const TradePlanSheet sheet{"25000", "KVX", "Long", "12.5", "15", "11", "200", "2:1", "$500.00", "2.00 %",
                               "$300.00", "1.20 %", notes};
    FillTradePlanPage(RaveProjectManager(project).FindPage(kTradePlanPage),
                      TradePlanFill(sheet, "Tuesday, December 8, 2026 09:05 PM"));
    return project;
}

// The words of the notes column in reading order: below the notes' top on
// the plan's own sheet, anywhere on the sheets that continue it. Each lies
// within the column's 3 inches and the pages' half-inch margins.
std::vector<const PdfWord*> notesColumn(const std::vector<PdfWord>& words, const std::vector<QSizeF>& pages,
                                        bool onlyContinued = false)
{
    const double left = 0.583 * 72, top = 3.138 * 72, margin = 36;
    std::vector<const PdfWord*> column;
    for (const PdfWord& word : words) {
        if (!onlyContinued && word.page == 0 && word.yMin < top - 0.5)
            continue;
        const double ceiling = onlyContinued || word.page > 0 ? margin : top;
        EXPECT_TRUE(word.xMin >= left - 0.5 && word.xMax <= left + 3 * 72 + 0.5 && word.yMin >= ceiling - 0.5
                    && word.yMax <= pages[static_cast<std::size_t>(word.page)].height() - margin + 0.5)
            << word.text.toStdString() << " outside the notes column";
        column.push_back(&word);
    }
    std::stable_sort(column.begin(), column.end(), [](const PdfWord* a, const PdfWord* b) {
        return std::tuple(a->page, std::round(a->yMin), a->xMin) < std::tuple(b->page, std::round(b->yMin), b->xMin);
    });
    return column;
}

QString textOf(const std::vector<const PdfWord*>& words)
{
    QStringList texts;
    for (const PdfWord* word : words)
        texts << word->text;
    return texts.join(QLatin1Char(' '));
}

void chooseFile(QWidget& dialog, const QString& file)
{
    dialog.findChild<QRadioButton*>(QStringLiteral("rbFile"))->click();
    dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"))->setText(file);
    static_cast<QDialog&>(dialog).accept();
}

// Prints to a file through the "Output Options" dialog, as a user would.
void printToFile(const RavePage& page, const QString& file)
{
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    const WhenShown options(QStringLiteral("Output Options"), [&](QWidget& dialog) { chooseFile(dialog, file); });
    system.Execute({&page}, nullptr);
    EXPECT_TRUE(options.seen());
}

TEST_F(RvProjectTest, PrintsTheCaptionsAndValuesAtTheirPlacesOnOneA4Page)
{
    struct Row {
        const char* name;
        const char* caption;  // nullptr for a filled value
        double left, top;
    };
    const Row rows[] = {
        {"txt_Date", nullptr, 2.826, 0.389},
        {"lbl_AccountBalance", "Account Balance", 0.583, 0.860}, {"txt_AccountBalance", nullptr, 2.094, 0.860},
        {"lblRiskRewardRatio", "Risk / Reward Ratio", 4.611, 0.860}, {"txt_RiskRewardRatio", nullptr, 6.122, 0.860},
        {"lbl_Ticker", "Ticker", 0.583, 1.138}, {"txt_Ticker", nullptr, 2.094, 1.138},
        {"lbl_PotentialProfit", "Potential Profit $", 4.611, 1.138}, {"txt_PotentialProfit", nullptr, 6.122, 1.138},
        {"lbl_Position", "Position", 0.583, 1.416}, {"txt_Position", nullptr, 2.094, 1.416},
        {"lbl_PotentialProfitPercent", "Potential Profit %", 4.611, 1.416},
        {"txt_PotentialProfitPercent", nullptr, 6.122, 1.416},
        {"lbl_EntryPrice", "Entry Price", 0.583, 1.693}, {"txt_EntryPrice", nullptr, 2.094, 1.693},
        {"lbl_PotentialLoss", "Equity At Risk $", 4.611, 1.693}, {"txt_PotentialLoss", nullptr, 6.122, 1.693},
        {"lbl_TargetPrice", "Target Price", 0.583, 1.971}, {"txt_TargetPrice", nullptr, 2.094, 1.971},
        {"lbl_EquityAtRisk", "Equity At Risk %", 4.611, 1.971}, {"txt_EquityAtRisk", nullptr, 6.122, 1.971},
        {"lbl_StopLoss", "Stop Loss", 0.583, 2.249}, {"txt_StopLoss", nullptr, 2.108, 2.249},
        {"lbl_NumberOfShares", "Number Of Shares", 0.583, 2.527}, {"txt_NumberOfShares", nullptr, 2.094, 2.527},
        {"lbl_Notes", "Notes", 0.597, 2.902},
    };
    // 800 characters as the memo counts them, with line breaks and a long line.
    std::string notes = "Buy on the open\nsell half at target\n";
    for (int i = 1; i <= 30; ++i)
        notes.append("w").append(std::to_string(i)).append(" ");
    for (int i = 1; notes.size() < 800; ++i)
        notes.append("\nrow").append(std::to_string(i)).append(" of the plan");
    notes.resize(800);
    RaveProject project = filledPlan(notes);
    RavePage& page = project.reports[0].pages[0];
    ASSERT_EQ(page.items.size(), std::size(rows) + 1);
    const QString file = path("plan");
    printToFile(page, file);
    ASSERT_TRUE(QFileInfo::exists(file + ".pdf")) << "no .pdf added";
    std::vector<QSizeF> pages;
    const std::vector<PdfWord> words = pdfWords(file + ".pdf", &pages);
    ASSERT_FALSE(words.empty()) << "pdftotext (poppler-utils) failed";
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width(), 595.28, 0.5);  // A4 in points
    EXPECT_NEAR(pages[0].height(), 841.89, 0.5);

    // Each word of an item on its row, the first at its left edge, in 10 pt.
    std::set<const PdfWord*> placed;
    for (const Row& row : rows) {
        const std::string text = RaveProjectManager::FindText(page, row.name).text;
        if (row.caption) {
            EXPECT_EQ(text, row.caption);
        }
        double x = row.left * 72 - 1;
        bool first = true;
        for (const QString& part : QString::fromStdString(text).split(QLatin1Char(' '))) {
            const PdfWord* found = nullptr;
            for (const PdfWord& word : words) {
                if (word.text == part && std::abs(word.yMin - row.top * 72) < 1 && word.xMin >= x
                    && (!found || word.xMin < found->xMin))
                    found = &word;
            }
            ASSERT_NE(found, nullptr) << row.name << ": " << part.toStdString();
            if (first) {
                EXPECT_NEAR(found->xMin, row.left * 72, 0.5) << row.name;
            }
            first = false;
            EXPECT_NEAR(found->yMax - found->yMin, 11.17, 0.5) << row.name << " is not in 10 pt";
            x = found->xMax;
            placed.insert(found);
        }
    }

    // Nothing else but the notes, all of them: breaks kept, wrapped within 3 inches.
    const std::vector<const PdfWord*> column = notesColumn(words, pages);
    EXPECT_EQ(words.size(), placed.size() + column.size());
    EXPECT_EQ(textOf(column), QString::fromStdString(notes).simplified());
    std::map<QString, const PdfWord*> notesWords;
    for (const PdfWord* word : column)
        notesWords[word->text] = word;
    EXPECT_NEAR(notesWords["sell"]->xMin, 0.583 * 72, 1.0);
    EXPECT_GT(notesWords["sell"]->yMin, notesWords["Buy"]->yMax - 1);
    EXPECT_GT(notesWords["w30"]->yMin, notesWords["w1"]->yMax - 1) << "the long line did not wrap";
}

// As many lines as 800 characters can make show: on they go, on sheets of
// their own, which the preview's print command can choose by number.
TEST_F(RvProjectTest, NotesBeyondThePageContinueOnSheetsThatThePreviewPrintsByRange)
{
    std::string notes;
    QStringList numbers;
    for (int i = 1; notes.size() + std::to_string(i).size() < 790; ++i) {
        notes.append(std::to_string(i)).append("\n");
        numbers << QString::number(i);
    }
    notes.append("\n\n  \n");  // prints nothing, so starts no sheet
    const RaveProject project = filledPlan(notes);
    const RavePage& page = project.reports[0].pages[0];
    printToFile(page, path("all.pdf"));
    std::vector<QSizeF> pages;
    const std::vector<PdfWord> words = pdfWords(path("all.pdf"), &pages);
    const std::vector<const PdfWord*> column = notesColumn(words, pages);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(textOf(column), numbers.join(' '));
    EXPECT_EQ(column.back()->page + 1, static_cast<int>(pages.size()));
    std::vector<const PdfWord*> secondSheet;
    for (const PdfWord* word : column) {
        if (word->page == 1)
            secondSheet.push_back(word);
    }
    // The first sheet filled down to its margin; the next starts at the top one.
    const auto second = std::find_if(column.begin(), column.end(), [](auto w) { return w->page == 1; });
    EXPECT_GT(second[-1]->yMax, pages[0].height() - 36 - 12);
    EXPECT_NEAR(secondSheet.front()->yMin, 36, 1);

    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    system.outputFileName = QStringLiteral("KVX 2026-12-08.pdf");
    QString suggested;
    bool destinationOffered = true;
    std::unique_ptr<WhenShown> rangeOptions;
    const WhenShown options(QStringLiteral("Output Options"),
                            [](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    const WhenShown preview(QStringLiteral("Report Preview"), [&](QWidget& window) {
        rangeOptions = std::make_unique<WhenShown>(QStringLiteral("Output Options"), [&](QWidget& dialog) {
            destinationOffered = dialog.findChild<QRadioButton*>(QStringLiteral("rbPreview")) != nullptr;
            auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"));
            suggested = file->text();
            file->setText(path("second.pdf"));
            dialog.findChild<QRadioButton*>(QStringLiteral("rbPageRange"))->click();
            dialog.findChild<QSpinBox*>(QStringLiteral("spnToPage"))->setValue(2);
            dialog.findChild<QSpinBox*>(QStringLiteral("spnFromPage"))->setValue(2);
            static_cast<QDialog&>(dialog).accept();
        });
        window.findChild<QAction*>(QStringLiteral("printAction"))->trigger();
    });
    system.Execute({&page}, nullptr);
    ASSERT_TRUE(preview.seen() && rangeOptions && rangeOptions->seen());
    EXPECT_FALSE(destinationOffered) << "the page range stands in place of the destination";
    EXPECT_EQ(suggested, SaveLocation().pathFor(QStringLiteral("KVX 2026-12-08.pdf")));
    pages.clear();
    const std::vector<PdfWord> printed = pdfWords(path("second.pdf"), &pages);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(textOf(notesColumn(printed, pages, true)), textOf(secondSheet));
}

TEST(OutputOptions, OffersPreviewFirstAndThePrinterOptionsOnlyWithAPrinter)
{
    QPrinter printer;
    OutputOptionsDialog none(printer, {}, nullptr);
    EXPECT_EQ(none.choice().destination, ReportDestination::Preview);
    EXPECT_FALSE(none.findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->isEnabled());
    EXPECT_FALSE(none.findChild<QSpinBox*>(QStringLiteral("spnCopies"))->isEnabled());

    const QStringList office{QStringLiteral("Office")};
    OutputOptionsDialog some(printer, {.printerNames = office}, nullptr);
    some.findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->click();
    some.findChild<QSpinBox*>(QStringLiteral("spnCopies"))->setValue(3);
    some.findChild<QCheckBox*>(QStringLiteral("chkDuplex"))->setChecked(true);
    const OutputChoice choice = some.choice();
    EXPECT_EQ(choice.destination, ReportDestination::Printer);
    EXPECT_EQ(choice.printerName, "Office");
    EXPECT_EQ(choice.copies, 3);
    EXPECT_FALSE(choice.collate);
    EXPECT_TRUE(choice.duplex);

    // From the preview, with a printer: the printer and a page range, no file.
    OutputOptionsDialog range(printer, {.printerNames = office, .suggestedFile = "x.pdf", .pageCount = 3},
                              nullptr);
    EXPECT_EQ(range.findChild<QLineEdit*>(QStringLiteral("edtFileName")), nullptr);
    EXPECT_TRUE(range.findChild<QSpinBox*>(QStringLiteral("spnCopies"))->isEnabled());
    EXPECT_EQ(range.choice().destination, ReportDestination::Printer);
    EXPECT_EQ(std::pair(range.choice().fromPage, range.choice().toPage), std::pair(1, 3));
    range.findChild<QRadioButton*>(QStringLiteral("rbPageRange"))->click();
    range.findChild<QSpinBox*>(QStringLiteral("spnFromPage"))->setValue(3);
    EXPECT_EQ(std::pair(range.choice().fromPage, range.choice().toPage), std::pair(3, 3)) << "ran backwards";
}

TEST_F(RvProjectTest, CancelProducesNothingAndAnUnwritableFileIsAnError)
{
    const RaveProject plan = filledPlan("");
    const RavePage& page = plan.reports[0].pages[0];
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    {
        const WhenShown options(QStringLiteral("Output Options"),
                                [](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
        system.Execute({&page}, nullptr);
    }
    const QString file = path("cancelled.pdf");
    {
        const WhenShown options(QStringLiteral("Output Options"), [&](QWidget& dialog) { chooseFile(dialog, file); });
        const WhenShown status(QStringLiteral("Report Status"),
                               [](QWidget& window) { static_cast<QProgressDialog&>(window).cancel(); });
        system.Execute({&page}, nullptr);
        EXPECT_TRUE(status.seen());
    }
    EXPECT_FALSE(QFileInfo::exists(file));
    const QString unwritable = path("no-such-folder/plan.pdf");
    EXPECT_EQ(errorOf([&] { printToFile(page, unwritable); }),
              cannotCreateText(unwritable.toStdString(), "No such file or directory", 3 /* path not found */));
}

TEST_F(RvProjectTest, PreviewShowsThePageInAModalWindow)
{
    const RaveProject plan = filledPlan("");
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    const WhenShown options(QStringLiteral("Output Options"),
                            [](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    bool modal = false;
    const WhenShown preview(QStringLiteral("Report Preview"), [&modal](QWidget& window) {
        modal = window.isModal();
        window.close();
    });
    system.Execute({&plan.reports[0].pages[0]}, nullptr);
    EXPECT_TRUE(preview.seen() && modal);
}

}  // namespace
}  // namespace korvex
