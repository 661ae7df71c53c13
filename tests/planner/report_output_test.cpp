#include "planner/output_options_dialog.h"
#include "planner/rave_project_file.h"
#include "planner/rv_project.h"
#include "planner/trade_plan_report.h"
#include "tests/planner/report_test_support.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace korvex {
namespace {

QByteArray embeddedTemplate()
{
    QFile file(QStringLiteral(":/documents/myReport"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

TEST(ReportTemplate, HoldsTheTradePlanLayout)
{
    struct Row {
        const char* name;
        RaveKind kind;
        const char* text;  // nullptr: the item's own name
        double left, top, width;
    };
    const RaveKind T = RaveKind::Text;
    const Row rows[] = {
        {"txt_Date", T, nullptr, 2.826, 0.389, 2.903},
        {"lbl_AccountBalance", T, "Account Balance", 0.583, 0.860, 1.264},
        {"txt_AccountBalance", T, nullptr, 2.094, 0.860, 1.278},
        {"lblRiskRewardRatio", T, "Risk / Reward Ratio", 4.611, 0.860, 1.264},
        {"txt_RiskRewardRatio", T, nullptr, 6.122, 0.860, 1.278},
        {"lbl_Ticker", T, "Ticker", 0.583, 1.138, 1.264},
        {"txt_Ticker", T, nullptr, 2.094, 1.138, 1.278},
        {"lbl_PotentialProfit", T, "Potential Profit $", 4.611, 1.138, 1.264},
        {"txt_PotentialProfit", T, nullptr, 6.122, 1.138, 1.278},
        {"lbl_Position", T, "Position", 0.583, 1.416, 1.264},
        {"txt_Position", T, nullptr, 2.094, 1.416, 1.278},
        {"lbl_PotentialProfitPercent", T, "Potential Profit %", 4.611, 1.416, 1.264},
        {"txt_PotentialProfitPercent", T, nullptr, 6.122, 1.416, 1.764},
        {"lbl_EntryPrice", T, "Entry Price", 0.583, 1.693, 1.264},
        {"txt_EntryPrice", T, nullptr, 2.094, 1.693, 1.278},
        {"lbl_PotentialLoss", T, "Equity At Risk $", 4.611, 1.693, 1.264},
        {"txt_PotentialLoss", T, nullptr, 6.122, 1.693, 1.278},
        {"lbl_TargetPrice", T, "Target Price", 0.583, 1.971, 1.264},
        {"txt_TargetPrice", T, nullptr, 2.094, 1.971, 1.278},
        {"lbl_EquityAtRisk", T, "Equity At Risk %", 4.611, 1.971, 1.264},
        {"txt_EquityAtRisk", T, nullptr, 6.122, 1.971, 1.278},
        {"lbl_StopLoss", T, "Stop Loss", 0.583, 2.249, 1.264},
        {"txt_StopLoss", T, nullptr, 2.108, 2.249, 1.278},
        {"lbl_NumberOfShares", T, "Number Of Shares", 0.583, 2.527, 1.264},
        {"txt_NumberOfShares", T, nullptr, 2.094, 2.527, 1.278},
        {"lbl_Notes", T, "Notes", 0.597, 2.902, 1.000},
        {"mem_Notes", RaveKind::Memo, nullptr, 0.583, 3.138, 3.000},
    };
    RaveProject project = ReadRaveProject(embeddedTemplate());
    EXPECT_EQ(project.name, "RaveProject");
    const RavePage& page = RaveProjectManager(project).FindPage("Report1.Page1");
    EXPECT_EQ(page.paperName, "A4");
    EXPECT_DOUBLE_EQ(page.paperWidth, 8.268);
    EXPECT_DOUBLE_EQ(page.paperHeight, 11.693);
    EXPECT_EQ(page.orientation, RaveOrientation::PrinterDefault);
    ASSERT_EQ(page.items.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const RaveItem& item = page.items[i];
        EXPECT_EQ(item.name, row.name);
        EXPECT_EQ(item.kind, row.kind) << row.name;
        EXPECT_EQ(item.text, row.text ? row.text : row.name);
        EXPECT_DOUBLE_EQ(item.left, row.left) << row.name;
        EXPECT_DOUBLE_EQ(item.top, row.top) << row.name;
        EXPECT_DOUBLE_EQ(item.width, row.width) << row.name;
        EXPECT_DOUBLE_EQ(item.height, row.kind == RaveKind::Memo ? 2.0 : 12.0 / 72) << row.name;
        EXPECT_EQ(item.font.name, "Arial");
        EXPECT_EQ(item.font.size, 10);
        EXPECT_FALSE(item.font.bold || item.font.italic);
        EXPECT_EQ(item.font.color, 0u);
    }
}

TEST(ReportTemplate, ExplainsWhatIsWrongWithADamagedFile)
{
    QByteArray good = embeddedTemplate();
    auto changed = [&good](const char* from, const char* to) {
        QByteArray copy = good;
        EXPECT_TRUE(copy.contains(from)) << from;
        return copy.replace(from, to);
    };
    const std::pair<QByteArray, const char*> cases[] = {
        {"{\"project\": ", "unterminated object at character 13"},
        {"[]", "the file holds no project"},
        {changed("Korvex report project", "Other"), "it is not a \"Korvex report project\" file"},
        {changed("\"version\": 1", "\"version\": 2"), "its version 2 is not one this program reads"},
        {changed("\"items\"", "\"things\""), "the page \"Page1\" has no \"items\""},
        {changed("\"left\": 2.826", "\"left\": \"2.826\""), "\"left\" of the item \"txt_Date\" is not a number"},
        {changed("\"kind\": \"text\", \"text\": \"txt_Date\"", "\"kind\": \"memo\", \"text\": \"txt_Date\""),
         "the item \"txt_Date\" has no \"height\""},
        {changed("\"kind\": \"memo\"", "\"kind\": \"box\""), "\"kind\" of the item \"mem_Notes\" is neither \"text\" nor \"memo\""},
        {changed("\"color\": \"#000000\"", "\"color\": \"black\""),
         "\"color\" of the font of the page \"Page1\" is not a colour such as \"#000000\""},
        {changed("\"width\": 2.903", "\"width\": -2"),
         "The item \"txt_Date\" of the page \"Report1.Page1\": its width is out of range"},
        {changed("\"orientation\": \"printer default\"", "\"orientation\": \"upright\""),
         "\"orientation\" of the page \"Page1\" is not \"printer default\", \"portrait\" or \"landscape\""},
    };
    for (const auto& [json, message] : cases)
        EXPECT_EQ(errorOf([&json = json] { ReadRaveProject(json); }), message);
}

class RvProjectTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const QString& file, const QByteArray& bytes) const
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QTemporaryDir dir;
    RvProject project;
};

TEST_F(RvProjectTest, SaysWhichProjectDoesNotExist)
{
    EXPECT_EQ(errorOf([&] { project.Open(); }), "The following reporting project does not exist:\r\"\"");
    project.setProjectFile(path("rvReport.rav"));
    EXPECT_EQ(errorOf([&] { project.Open(); }),
              "The following reporting project does not exist:\r\"" + path("rvReport.rav").toStdString() + "\"");
    project.setProjectFile(dir.path());
    EXPECT_EQ(errorOf([&] { project.Open(); }),
              "The following reporting project does not exist:\r\"" + dir.path().toStdString() + "\"");
    EXPECT_FALSE(project.isOpen());
}

TEST_F(RvProjectTest, ReadsTheFileAgainAtEveryOpen)
{
    const QString file = path("rvReport.rav");
    project.setProjectFile(file);
    write(file, "{");
    EXPECT_EQ(errorOf([&] { project.Open(); }),
              "The reporting project \"" + file.toStdString() + "\" cannot be read: unterminated object at character 2");

    write(file, embeddedTemplate());
    {
        const OpenRvProject open(project);
        RavePage& page = project.ProjectManager().FindPage(kTradePlanPage);
        RaveProjectManager::FindText(page, "txt_Ticker").text = "changed";
    }
    EXPECT_FALSE(project.isOpen());
    const OpenRvProject open(project);
    RavePage& page = project.ProjectManager().FindPage(kTradePlanPage);
    EXPECT_EQ(RaveProjectManager::FindText(page, "txt_Ticker").text, "txt_Ticker");
}

// A filled trade plan, as a user's Print would make it.
RaveProject filledPlan(const std::string& notes)
{
    RaveProject project = ReadRaveProject(embeddedTemplate());
    TradePlanSheet sheet{"25000", "KVX", "Long", "12.5", "15", "11", "200", "2:1", "$500.00", "2.00 %",
                         "$300.00", "1.20 %", notes};
    FillTradePlanPage(RaveProjectManager(project).FindPage(kTradePlanPage),
                      TradePlanFill(sheet, "Tuesday, December 8, 2026 09:05 PM"));
    return project;
}

void chooseFile(QWidget& dialog, const QString& file)
{
    dialog.findChild<QRadioButton*>(QStringLiteral("rbFile"))->click();
    dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"))->setText(file);
    static_cast<QDialog&>(dialog).accept();
}

TEST_F(RvProjectTest, PrintsTheFilledPlanToAnA4PdfAtItsPositions)
{
    std::string notes = "Buy on the open\r\nsell half at target\r\n";
    for (int i = 1; i <= 30; ++i)
        notes.append("w").append(std::to_string(i)).append(" ");
    for (int i = 1; i <= 30; ++i)
        notes.append("\r\nrow").append(std::to_string(i));
    const RaveProject project = filledPlan(notes);
    const RavePage& page = project.reports[0].pages[0];
    const QString file = path("plan");
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    const WhenShown options(QStringLiteral("Output Options"), [&](QWidget& dialog) { chooseFile(dialog, file); });
    system.Execute({&page}, nullptr);
    ASSERT_TRUE(options.seen());
    ASSERT_TRUE(QFileInfo::exists(file + ".pdf")) << "no .pdf added";

    EXPECT_EQ(pdfInfo(file + ".pdf", QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_TRUE(pdfInfo(file + ".pdf", QStringLiteral("Page size")).endsWith(QStringLiteral("(A4)")));
    const std::vector<PdfWord> words = pdfWords(file + ".pdf");
    ASSERT_FALSE(words.empty()) << "pdftotext (poppler-utils) failed";

    // Each text item: its first word at the item's top-left corner, in 10 pt.
    std::multimap<QString, const PdfWord*> byText;
    for (const PdfWord& word : words)
        byText.emplace(word.text, &word);
    std::set<const PdfWord*> placed;
    for (const RaveItem& item : page.items) {
        if (item.kind != RaveKind::Text)
            continue;
        const QStringList itemWords = QString::fromStdString(item.text).split(QLatin1Char(' '));
        double x = item.left * 72;
        for (const QString& text : itemWords) {
            const PdfWord* found = nullptr;
            for (auto [it, end] = byText.equal_range(text); it != end; ++it) {
                if (std::abs(it->second->yMin - item.top * 72) < 1.5 && it->second->xMin >= x - 1.5
                    && (!found || it->second->xMin < found->xMin))
                    found = it->second;
            }
            ASSERT_NE(found, nullptr) << item.name << ": " << text.toStdString();
            if (text == itemWords.front()) {
                EXPECT_NEAR(found->xMin, item.left * 72, 1.0) << item.name;
            }
            EXPECT_NEAR(found->yMax - found->yMin, 11.17, 0.5) << item.name << " is not in 10 pt";
            x = found->xMax;
            placed.insert(found);
        }
    }

    // The notes: line breaks kept, wrapped within 3 inches, cut at 2 inches.
    const double left = 0.583 * 72, top = 3.138 * 72;
    std::map<QString, const PdfWord*> notesWords;
    for (const PdfWord& word : words) {
        if (placed.count(&word))
            continue;
        EXPECT_GE(word.xMin, left - 0.5) << word.text.toStdString();
        EXPECT_LE(word.xMax, left + 3 * 72 + 0.5) << word.text.toStdString();
        EXPECT_GE(word.yMin, top - 0.5) << word.text.toStdString();
        EXPECT_LE(word.yMax, top + 2 * 72 + 0.5) << word.text.toStdString();
        notesWords[word.text] = &word;
    }
    ASSERT_TRUE(notesWords.count("Buy") && notesWords.count("sell") && notesWords.count("w1") && notesWords.count("w30"));
    EXPECT_NEAR(notesWords["Buy"]->yMin, top, 1.5);
    EXPECT_NEAR(notesWords["sell"]->xMin, left, 1.0);
    EXPECT_GT(notesWords["sell"]->yMin, notesWords["Buy"]->yMax - 1);
    EXPECT_GT(notesWords["w30"]->yMin, notesWords["w1"]->yMax - 1) << "the long line did not wrap";
    EXPECT_TRUE(notesWords.count("row1"));
    EXPECT_FALSE(notesWords.count("row30")) << "the notes ran past their box";
}

TEST(OutputOptions, OffersPreviewFirstAndPrinterOptionsOnlyWithAPrinter)
{
    QPrinter printer;
    OutputOptionsDialog none(printer, {}, nullptr);
    EXPECT_EQ(none.windowTitle(), "Output Options");
    EXPECT_EQ(none.choice().destination, ReportDestination::Preview);
    EXPECT_FALSE(none.findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->isEnabled());
    EXPECT_FALSE(none.findChild<QSpinBox*>(QStringLiteral("spnCopies"))->isEnabled());
    EXPECT_FALSE(none.findChild<QPushButton*>(QStringLiteral("btnSetup"))->isEnabled());

    OutputOptionsDialog some(printer, {QStringLiteral("Office")}, nullptr);
    some.findChild<QRadioButton*>(QStringLiteral("rbPrinter"))->click();
    some.findChild<QSpinBox*>(QStringLiteral("spnCopies"))->setValue(3);
    some.findChild<QCheckBox*>(QStringLiteral("chkCollate"))->setChecked(true);
    some.findChild<QCheckBox*>(QStringLiteral("chkDuplex"))->setChecked(true);
    const OutputChoice choice = some.choice();
    EXPECT_EQ(choice.destination, ReportDestination::Printer);
    EXPECT_EQ(choice.printerName, "Office");
    EXPECT_EQ(choice.copies, 3);
    EXPECT_TRUE(choice.collate);
    EXPECT_TRUE(choice.duplex);
}

TEST(OutputOptions, WantsAFileNameForTheFile)
{
    QPrinter printer;
    OutputOptionsDialog dialog(printer, {}, nullptr);
    dialog.findChild<QRadioButton*>(QStringLiteral("rbFile"))->click();
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"))->setText(QStringLiteral("/tmp/plan.v2.pdf"));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.choice().fileName, "/tmp/plan.v2.pdf");
    dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"))->setText(QStringLiteral(" /tmp/plan "));
    EXPECT_EQ(dialog.choice().fileName, "/tmp/plan.pdf");
}

TEST_F(RvProjectTest, CancelProducesNothing)
{
    const RaveProject project = filledPlan("");
    const RavePage& page = project.reports[0].pages[0];
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    {
        const WhenShown options(QStringLiteral("Output Options"),
                                [](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
        system.Execute({&page}, nullptr);
        EXPECT_TRUE(options.seen());
    }
    const QString file = path("cancelled.pdf");
    const WhenShown options(QStringLiteral("Output Options"), [&](QWidget& dialog) { chooseFile(dialog, file); });
    const WhenShown status(QStringLiteral("Report Status"), [](QWidget& window) {
        static_cast<QProgressDialog&>(window).cancel();
    });
    system.Execute({&page}, nullptr);
    EXPECT_TRUE(status.seen());
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(RvProjectTest, AFileThatCannotBeWrittenIsAnError)
{
    const RaveProject project = filledPlan("");
    const RavePage& page = project.reports[0].pages[0];
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    const QString file = path("missing-folder/plan.pdf");
    const WhenShown options(QStringLiteral("Output Options"), [&](QWidget& dialog) { chooseFile(dialog, file); });
    EXPECT_EQ(errorOf([&] { system.Execute({&page}, nullptr); }), "Cannot create file \"" + file.toStdString() + "\"");
}

TEST_F(RvProjectTest, PreviewShowsThePageInAModalWindow)
{
    const RaveProject project = filledPlan("");
    const RavePage& page = project.reports[0].pages[0];
    RvSystem system;
    system.printerNames = [] { return QStringList(); };
    const WhenShown options(QStringLiteral("Output Options"),
                            [](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    bool modal = false;
    const WhenShown preview(QStringLiteral("Report Preview"), [&modal](QWidget& window) {
        modal = window.isModal();
        window.close();
    });
    system.Execute({&page}, nullptr);
    EXPECT_TRUE(preview.seen());
    EXPECT_TRUE(modal);
}

}  // namespace
}  // namespace korvex
