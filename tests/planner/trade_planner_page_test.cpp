#include "app/widgets/labelled_edit.h"
#include "app/numbers/numbers.h"
#include "app/files/save_location.h"
#include "planner/trade_planner_page.h"
#include "tests/app/message_box_recorder.h"
#include "tests/planner/report_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex {
namespace {

const char* const kResults[] = {"lbl_edt_RiskRewardRatio", "lbl_edt_PotentialProfit",
                                "lbl_edt_PotentialProfitPercent", "lbl_edt_PotentialLoss", "lbl_edt_EquityAtRisk"};

class TradePlannerPageTest : public ::testing::Test {
protected:
    TradePlannerPageTest()
        : page(new TradePlannerPage(&host))
    {
        formatSettings() = FormatSettings{};
        host.resize(718, 570);
        page->resize(host.size());
        host.show();
        QApplication::setActiveWindow(&host);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    template <typename T = QLineEdit>
    T* control(const char* name) const
    {
        T* found = page->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void type(const char* name, const QString& text) const
    {
        QLineEdit* edit = control(name);
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Balance, entry, target, stop and share count.
    void fill(const QStringList& figures) const
    {
        const char* names[] = {"lbl_edt_AccountBalance", "lbl_edt_EntryPrice", "lbl_edt_TargetPrice",
                               "lbl_edt_StopLoss", "lbl_edt_NumberOfShares"};
        for (int i = 0; i < 5; ++i)
            type(names[i], figures[i]);
    }

    QStringList fields(bool inputsToo = false) const
    {
        QStringList texts;
        for (const char* name : kResults)
            texts << control(name)->text();
        if (inputsToo) {
            for (QLineEdit* edit : page->findChildren<QLineEdit*>())
                texts << edit->text();
            texts << control<QComboBox>("cbo_Position")->currentText()
                  << control<QPlainTextEdit>("mem_Note")->toPlainText();
        }
        return texts;
    }

    void click(const char* button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    QWidget host;
    TradePlannerPage* page;
    MessageBoxRecorder boxes;
};

TEST_F(TradePlannerPageTest, IsLaidOutAsDrawn)
{
    const std::tuple<const char*, const char*, QRect> edits[] = {
        {"lbl_edt_AccountBalance", "Account Balance $:", {224, 96, 121, 21}},
        {"lbl_edt_Ticker", "Ticker :", {224, 120, 121, 21}},
        {"lbl_edt_EntryPrice", "Entry Price $:", {224, 168, 121, 21}},
        {"lbl_edt_TargetPrice", "Target Price $:", {224, 192, 121, 21}},
        {"lbl_edt_StopLoss", "Stop Loss $:", {224, 216, 121, 21}},
        {"lbl_edt_NumberOfShares", "Number of Shares :", {224, 240, 121, 21}},
        {"lbl_edt_RiskRewardRatio", "Risk / Reward Ratio :", {488, 96, 121, 21}},
        {"lbl_edt_PotentialProfit", "Potential Profit $:", {488, 120, 121, 21}},
        {"lbl_edt_PotentialProfitPercent", "Potential Profit %:", {488, 144, 121, 21}},
        {"lbl_edt_PotentialLoss", "Equity At Risk $:", {488, 168, 121, 21}},
        {"lbl_edt_EquityAtRisk", "Equity At Risk % :", {488, 192, 122, 21}},
    };
    for (const auto& [name, caption, rect] : edits) {
        auto* edit = control<LabelledEdit>(name);
        EXPECT_EQ(edit->geometry(), rect) << name;
        EXPECT_EQ(edit->caption(), caption);
        const bool result = rect.left() == 488;
        EXPECT_EQ(edit->focusPolicy(), result ? Qt::ClickFocus : Qt::StrongFocus) << name;
        EXPECT_EQ(edit->palette().color(QPalette::Base) == edit->palette().color(QPalette::Button), result) << name;
    }
    const std::tuple<const char*, const char*, QRect> others[] = {
        {"Label24", "Position :", {171, 147, 0, 0}},
        {"Label26", "Notes :", {8, 280, 0, 0}},
        {"Label6", "Use this trade planner to document each of your trades.", {24, 21, 0, 0}},
        {"Label27", "You may print each plan to paper or to PDF file for future reference.", {24, 37, 0, 0}},
        {"Label28", "Keeping a record of trades helps ensure consistency and also prevents emotions from "
                    "effecting your trading plans.", {24, 53, 0, 0}},
        {"Image16", "", {8, 8, 697, 73}},
        {"btn_TradePlannerCalculate", "&Calculate", {264, 512, 75, 25}},
        {"btn_TradePlannerPrint", "&Print", {344, 512, 75, 25}},
    };
    for (const auto& [name, text, rect] : others) {
        QWidget* widget = control<QWidget>(name);
        EXPECT_EQ(widget->property("text").toString(), text);
        EXPECT_EQ(rect.width() ? widget->geometry() : QRect(widget->pos(), widget->size()),
                  rect.width() ? rect : QRect(rect.topLeft(), widget->sizeHint()))
            << name;
        EXPECT_LE(widget->geometry().right(), 705) << name;
    }
    EXPECT_EQ(control<QLabel>("Image16")->pixmap().size(), QSize(709, 113));
    auto* position = control<QComboBox>("cbo_Position");
    EXPECT_EQ(position->geometry(), QRect(224, 144, 121, 21));
    EXPECT_EQ(position->currentText(), "Long");
    EXPECT_EQ(position->itemText(1), "Short");
    EXPECT_EQ(control<QPlainTextEdit>("mem_Note")->geometry(), QRect(8, 296, 694, 193));
}

TEST_F(TradePlannerPageTest, TabVisitsTheInputsThenNotesAndButtons)
{
    control("lbl_edt_AccountBalance")->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"lbl_edt_Ticker", "cbo_Position", "lbl_edt_EntryPrice", "lbl_edt_TargetPrice",
                                    "lbl_edt_StopLoss", "lbl_edt_NumberOfShares", "mem_Note",
                                    "btn_TradePlannerCalculate", "btn_TradePlannerPrint"}));
}

TEST_F(TradePlannerPageTest, CalculateByClickEnterOrAltCButEnterInTheNotesBreaksTheLine)
{
    fill({"5000", "10", "12.5", "9", "100"});
    click("btn_TradePlannerCalculate");
    EXPECT_EQ(fields(), QStringList({"2:1", "$250.00", "5.00 %", "$100.00", "2.00 %"}));

    type("lbl_edt_TargetPrice", QStringLiteral("13.5"));
    QTest::keyClick(control("lbl_edt_TargetPrice"), Qt::Key_Return);
    EXPECT_EQ(fields().front(), "4:1");

    type("lbl_edt_TargetPrice", QStringLiteral("12"));
    auto* notes = control<QPlainTextEdit>("mem_Note");
    notes->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(notes, QStringLiteral("one"));
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(notes->toPlainText(), "one\n");
    EXPECT_EQ(fields().front(), "4:1");

    control<QComboBox>("cbo_Position")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control<QComboBox>("cbo_Position"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(fields().front(), "2:1");

    fill({"", "", "", "", ""});
    QTest::keyClick(control("lbl_edt_PotentialProfit"), Qt::Key_C, Qt::AltModifier);
    // A mnemonic presses its button as a click does, released a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return fields() == QStringList({"", "$0.00", "", "$0.00", ""}); }, 2000));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TradePlannerPageTest, RefusalLeavesEveryFieldAndSelectsTheShareCount)
{
    fill({"1000", "29.5", "30", "29", "10"});
    click("btn_TradePlannerCalculate");
    type("lbl_edt_NumberOfShares", QStringLiteral("34"));
    control("lbl_edt_Ticker")->setFocus(Qt::OtherFocusReason);
    const QStringList before = fields(true);
    click("btn_TradePlannerCalculate");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Error");
    EXPECT_EQ(boxes.boxes[0].text, "You cannot buy more than 33 shares");
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(fields(true), before);
    EXPECT_EQ(QApplication::focusWidget(), control("lbl_edt_NumberOfShares"));
    EXPECT_EQ(control("lbl_edt_NumberOfShares")->selectedText(), "34");

    fill({"100", "0.1", "", "", "1000"});
    click("btn_TradePlannerCalculate");
    EXPECT_EQ(boxes.boxes.size(), 1u) << "a position costing exactly the balance was refused";
}

TEST_F(TradePlannerPageTest, AnArithmeticErrorChangesNoField)
{
    fill({"5000", "10", "12.5", "9", "100"});
    click("btn_TradePlannerCalculate");
    type("lbl_edt_TargetPrice", QStringLiteral("1e400"));
    const QStringList before = fields(true);
    click("btn_TradePlannerCalculate");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Floating point overflow.");
    EXPECT_EQ(fields(true), before);
}

TEST_F(TradePlannerPageTest, NotesHoldAtMostEightHundredCharacters)
{
    auto* notes = control<QPlainTextEdit>("mem_Note");
    notes->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(notes, QString(795, QLatin1Char('a')) + QStringLiteral("bcdefghij"));
    EXPECT_EQ(notes->toPlainText(), QString(795, QLatin1Char('a')) + "bcdef");

    QTextCursor cursor = notes->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(12, QTextCursor::KeepAnchor);
    notes->setTextCursor(cursor);
    notes->insertPlainText(QStringLiteral("XYZW"));  // as a paste does
    EXPECT_EQ(notes->toPlainText().mid(8, 6), "aaXYaa");
    EXPECT_EQ(notes->textCursor().position(), 12);

    notes->setPlainText(QString(900, QLatin1Char('z')));
    EXPECT_EQ(notes->toPlainText(), QString(800, QLatin1Char('z')));
}

TEST_F(TradePlannerPageTest, PrintsThePageAsItStandsFromTheNamedTemplate)
{
    QTest::keyClick(control("lbl_edt_Ticker"), Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.boxes.empty(); }, 2000));
    EXPECT_EQ(boxes.boxes[0].text, "The following reporting project does not exist:\r\"\"");

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("rvReport.rav"));
    page->setReportProjectFile(project);
    page->setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(21, 5)); });
    fill({"5000", "10", "12.5", "9", "100"});
    click("btn_TradePlannerCalculate");
    type("lbl_edt_NumberOfShares", QStringLiteral("1500"));  // not recalculated
    type("lbl_edt_Ticker", QStringLiteral("<b>X</b>"));
    control<QComboBox>("cbo_Position")->setCurrentIndex(1);
    control<QPlainTextEdit>("mem_Note")->setPlainText(QStringLiteral("first\nsecond"));
    const QStringList before = fields(true);

    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    QString suggested;
    auto print = [this, &pdf, &suggested] {
        const WhenShown options(QStringLiteral("Output Options"), [&](QWidget& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("rbFile"))->click();
            auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"));
            suggested = file->text();
            file->setText(pdf);
            static_cast<QDialog&>(dialog).accept();
        });
        click("btn_TradePlannerPrint");
        return options.seen();
    };
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/documents/myReport"), project));
    EXPECT_TRUE(print());
    // Named after the ticker and the day, in the documents folder, then in
    // the folder the last file went to.
    EXPECT_EQ(suggested, SaveLocation().pathFor(QStringLiteral("_b_X__b_ 2026-12-08.pdf")));
    EXPECT_TRUE(print());
    EXPECT_EQ(suggested, dir.filePath(QStringLiteral("_b_X__b_ 2026-12-08.pdf")));
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(fields(true), before);
    QStringList words;
    for (const PdfWord& word : pdfWords(pdf))
        words << word.text;
    EXPECT_EQ(words.join(QLatin1Char(' ')),
              "Tuesday, December 8, 2026 09:05 PM Account Balance $5,000.00 Risk / Reward Ratio 2:1 Ticker <b>X</b> "
              "Potential Profit $ $250.00 Position Short Potential Profit % 5.00 % Entry Price $10.00 Equity At Risk $ "
              "$100.00 Target Price $12.50 Equity At Risk % 2.00 % Stop Loss $9.00 Number Of Shares 1,500 Notes "
              "first second");
    QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace korvex
