#include "app/labelled_edit.h"
#include "app/numbers.h"
#include "planner/trade_planner_page.h"
#include "tests/app/message_box_recorder.h"
#include "tests/planner/report_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
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

const char* const kInputs[] = {"lbl_edt_AccountBalance", "lbl_edt_Ticker", "lbl_edt_EntryPrice",
                               "lbl_edt_TargetPrice", "lbl_edt_StopLoss", "lbl_edt_NumberOfShares"};
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
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void fill(const QStringList& figures) const  // balance, entry, target, stop, shares
    {
        const char* names[] = {"lbl_edt_AccountBalance", "lbl_edt_EntryPrice", "lbl_edt_TargetPrice",
                               "lbl_edt_StopLoss", "lbl_edt_NumberOfShares"};
        for (int i = 0; i < 5; ++i)
            type(names[i], figures[i]);
    }

    QStringList results() const
    {
        QStringList texts;
        for (const char* name : kResults)
            texts << control(name)->text();
        return texts;
    }

    QStringList everyField() const
    {
        QStringList texts = results();
        for (const char* name : kInputs)
            texts << control(name)->text();
        texts << control<QComboBox>("cbo_Position")->currentText()
              << control<QPlainTextEdit>("mem_Note")->toPlainText();
        return texts;
    }

    void clickCalculate() const
    {
        QTest::mouseClick(control<QPushButton>("btn_TradePlannerCalculate"), Qt::LeftButton);
    }

    QWidget host;
    TradePlannerPage* page;
    MessageBoxRecorder boxes;
};

TEST_F(TradePlannerPageTest, IsLaidOutAsDrawn)
{
    struct Field {
        const char* name;
        const char* caption;
        QRect rect;
    };
    const Field fields[] = {
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
    for (const Field& field : fields) {
        auto* edit = control<LabelledEdit>(field.name);
        EXPECT_EQ(edit->geometry(), field.rect) << field.name;
        EXPECT_EQ(edit->caption(), field.caption);
        EXPECT_EQ(edit->label()->geometry().right() + 1, field.rect.left() - 10) << field.name;
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_FALSE(edit->isReadOnly());
    }
    for (const char* name : kResults) {
        QLineEdit* result = control(name);
        EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus) << name;
        EXPECT_EQ(result->palette().color(QPalette::Base), result->palette().color(QPalette::Button)) << name;
    }
    EXPECT_NE(control("lbl_edt_Ticker")->palette().color(QPalette::Base),
              control("lbl_edt_Ticker")->palette().color(QPalette::Button));

    auto* position = control<QComboBox>("cbo_Position");
    EXPECT_EQ(position->geometry(), QRect(224, 144, 121, 21));
    EXPECT_FALSE(position->isEditable());
    ASSERT_EQ(position->count(), 2);
    EXPECT_EQ(position->itemText(0), "Long");
    EXPECT_EQ(position->itemText(1), "Short");
    EXPECT_EQ(position->currentIndex(), 0);
    auto* notes = control<QPlainTextEdit>("mem_Note");
    EXPECT_EQ(notes->geometry(), QRect(8, 296, 694, 193));
    EXPECT_EQ(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const std::tuple<const char*, const char*, QPoint> labels[] = {
        {"Label24", "Position :", {171, 147}},
        {"Label26", "Notes :", {8, 280}},
        {"Label6", "Use this trade planner to document each of your trades.", {24, 21}},
        {"Label27", "You may print each plan to paper or to PDF file for future reference.", {24, 37}},
        {"Label28",
         "Keeping a record of trades helps ensure consistency and also prevents emotions from effecting your "
         "trading plans.",
         {24, 53}},
    };
    for (const auto& [name, text, at] : labels) {
        auto* label = control<QLabel>(name);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->pos(), at) << name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << name << " is cut";
        EXPECT_LE(label->geometry().right(), 705) << name << " runs off the banner";
    }
    EXPECT_EQ(control<QLabel>("Label6")->palette().color(QPalette::WindowText), QColor(Qt::white));
    auto* banner = control<QLabel>("Image16");
    EXPECT_EQ(banner->geometry(), QRect(8, 8, 697, 73));
    EXPECT_EQ(banner->pixmap().size(), QSize(709, 113));
    EXPECT_FALSE(banner->hasScaledContents());

    const std::tuple<const char*, const char*, QRect> buttons[] = {
        {"btn_TradePlannerCalculate", "&Calculate", {264, 512, 75, 25}},
        {"btn_TradePlannerPrint", "&Print", {344, 512, 75, 25}},
    };
    for (const auto& [name, text, rect] : buttons) {
        auto* button = control<QPushButton>(name);
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->geometry(), rect);
    }
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

TEST_F(TradePlannerPageTest, KeyboardFocusSelectsTheWholeText)
{
    type("lbl_edt_EntryPrice", QStringLiteral("12.5"));
    control("lbl_edt_AccountBalance")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control("lbl_edt_EntryPrice"));
    EXPECT_EQ(control("lbl_edt_EntryPrice")->selectedText(), "12.5");
}

TEST_F(TradePlannerPageTest, CalculateWritesTheFiveResults)
{
    fill({"5000", "10", "12.5", "9", "100"});
    clickCalculate();
    EXPECT_EQ(results(), QStringList({"2:1", "$250.00", "5.00 %", "$100.00", "2.00 %"}));
    EXPECT_TRUE(boxes.boxes.empty());

    fill({"", "", "", "", ""});
    clickCalculate();
    EXPECT_EQ(results(), QStringList({"", "$0.00", "", "$0.00", ""}));
}

TEST_F(TradePlannerPageTest, EnterAndAltCPressCalculateButEnterInTheNotesBreaksTheLine)
{
    fill({"5000", "10", "13.5", "9", "100"});
    QTest::keyClick(control("lbl_edt_NumberOfShares"), Qt::Key_Return);
    EXPECT_EQ(results().front(), "4:1");

    type("lbl_edt_TargetPrice", QStringLiteral("12"));
    auto* notes = control<QPlainTextEdit>("mem_Note");
    notes->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(notes, QStringLiteral("one"));
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("two"));
    EXPECT_EQ(notes->toPlainText(), "one\ntwo");
    EXPECT_EQ(results().front(), "4:1");

    auto* position = control<QComboBox>("cbo_Position");
    position->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(position, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(results().front(), "2:1");

    type("lbl_edt_TargetPrice", QStringLiteral("14"));
    QTest::keyClick(control("lbl_edt_PotentialProfit"), Qt::Key_C, Qt::AltModifier);
    // A mnemonic presses its button as a click does, released a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return results().front() == "4:1"; }, 2000));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TradePlannerPageTest, RefusalLeavesTheResultsAndSelectsTheShareCount)
{
    fill({"1000", "10", "12", "9", "50"});
    clickCalculate();
    const QStringList before = results();
    type("lbl_edt_EntryPrice", QStringLiteral("29.5"));
    type("lbl_edt_NumberOfShares", QStringLiteral("34"));
    control("lbl_edt_Ticker")->setFocus(Qt::OtherFocusReason);
    clickCalculate();

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Error");
    EXPECT_EQ(boxes.boxes[0].text, "You cannot buy more than 33 shares");
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(QApplication::focusWidget(), control("lbl_edt_NumberOfShares"));
    EXPECT_EQ(control("lbl_edt_NumberOfShares")->selectedText(), "34");

    type("lbl_edt_NumberOfShares", QStringLiteral("1000"));
    type("lbl_edt_AccountBalance", QStringLiteral("100"));
    type("lbl_edt_EntryPrice", QStringLiteral("0.1"));
    clickCalculate();
    EXPECT_EQ(boxes.boxes.size(), 1u) << "a position costing exactly the balance was refused";
}

TEST_F(TradePlannerPageTest, AnArithmeticErrorChangesNoField)
{
    fill({"5000", "10", "12.5", "9", "100"});
    clickCalculate();
    const QStringList before = everyField();
    type("lbl_edt_TargetPrice", QStringLiteral("1e400"));
    clickCalculate();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Korvex Trading Calculator");
    EXPECT_EQ(boxes.boxes[0].text, "Floating point overflow.");
    QStringList after = everyField();
    after[8] = before[8];  // the target price just typed
    EXPECT_EQ(after, before);
}

TEST_F(TradePlannerPageTest, NotesHoldAtMostEightHundredCharacters)
{
    auto* notes = control<QPlainTextEdit>("mem_Note");
    notes->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(notes, QString(795, QLatin1Char('a')));
    QTest::keyClicks(notes, QStringLiteral("bcdefghij"));
    EXPECT_EQ(notes->toPlainText(), QString(795, QLatin1Char('a')) + "bcdef");

    QTextCursor cursor = notes->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(12, QTextCursor::KeepAnchor);
    notes->setTextCursor(cursor);
    notes->insertPlainText(QStringLiteral("XYZW"));
    EXPECT_EQ(notes->toPlainText().size(), 800);
    EXPECT_EQ(notes->toPlainText().mid(8, 6), "aaXYaa");
    EXPECT_EQ(notes->textCursor().position(), 12);

    notes->setPlainText(QString(900, QLatin1Char('z')));
    EXPECT_EQ(notes->toPlainText(), QString(800, QLatin1Char('z')));
}

TEST_F(TradePlannerPageTest, PrintWithoutANamedTemplateSaysSo)
{
    const QStringList before = everyField();
    QTest::keyClick(control("lbl_edt_Ticker"), Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.boxes.empty(); }, 2000));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Korvex Trading Calculator");
    EXPECT_EQ(boxes.boxes[0].text, "The following reporting project does not exist:\r\"\"");
    EXPECT_EQ(everyField(), before);
}

TEST_F(TradePlannerPageTest, PrintsThePageAsItStands)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("rvReport.rav"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/documents/myReport"), project));
    page->setReportProjectFile(project);
    page->setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(21, 5)); });

    fill({"5000", "10", "12.5", "9", "100"});
    clickCalculate();
    type("lbl_edt_NumberOfShares", QStringLiteral("1500"));  // not recalculated
    type("lbl_edt_Ticker", QStringLiteral("<b>X</b>"));
    control<QComboBox>("cbo_Position")->setCurrentIndex(1);
    control<QPlainTextEdit>("mem_Note")->setPlainText(QStringLiteral("first\nsecond"));
    const QStringList before = everyField();

    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    auto printTo = [&](const QString& file) {
        return std::make_unique<WhenShown>(QStringLiteral("Output Options"), [file](QWidget& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("rbFile"))->click();
            dialog.findChild<QLineEdit*>(QStringLiteral("edtFileName"))->setText(file);
            static_cast<QDialog&>(dialog).accept();
        });
    };
    {
        const auto options = printTo(pdf);
        QTest::mouseClick(control<QPushButton>("btn_TradePlannerPrint"), Qt::LeftButton);
        EXPECT_TRUE(options->seen());
    }
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(everyField(), before);
    QStringList words;
    for (const PdfWord& word : pdfWords(pdf))
        words << word.text;
    const QString printed = words.join(QLatin1Char(' '));
    for (const char* expected :
         {"Tuesday, December 8, 2026 09:05 PM", "Account Balance $5,000.00", "Ticker <b>X</b>", "Position Short",
          "Number Of Shares 1,500", "Risk / Reward Ratio 2:1", "Potential Profit $ $250.00",
          "Potential Profit % 5.00 %", "Equity At Risk $ $100.00", "Equity At Risk % 2.00 %", "Notes first second"})
        EXPECT_TRUE(printed.contains(QString::fromLatin1(expected))) << expected << " not in " << printed.toStdString();

    // Gone from the work folder: the message names it; back again: it prints.
    ASSERT_TRUE(QFile::remove(project));
    {
        const auto options = printTo(pdf);
        QTest::mouseClick(control<QPushButton>("btn_TradePlannerPrint"), Qt::LeftButton);
        EXPECT_FALSE(options->seen());
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "The following reporting project does not exist:\r\"" + project + "\"");
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/documents/myReport"), project));
    const QString again = dir.filePath(QStringLiteral("again.pdf"));
    {
        const auto options = printTo(again);
        QTest::mouseClick(control<QPushButton>("btn_TradePlannerPrint"), Qt::LeftButton);
    }
    EXPECT_TRUE(QFileInfo::exists(again));
    EXPECT_EQ(boxes.boxes.size(), 1u);
    QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace korvex
