#include "projections/border_side.h"
#include "projections/slider_scale.h"
#include "tests/app/message_box_recorder.h"
#include "tests/projections/projections_fixture.h"
#include "tests/scaled_up.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

#include <random>

namespace korvex {

QString ProjectionsPage::bandText() const
{
    return panel->border()->bandText();
}
bool ProjectionsPage::bandIsRed() const
{
    return panel->border()->showsError();
}

namespace {

TEST_F(ProjectionsPage, OpensOnTheDefaults)
{
    EXPECT_EQ(fieldTexts(), (QStringList { "$1,000", "10", "$0", "2.00%" }));
    EXPECT_EQ(bandText(), "Trading Account Profit Projections");
    EXPECT_FALSE(bandIsRed());
    Graph* graph = panel->graph();
    EXPECT_EQ(graph->data().title, "Your total is $1,219 after 10 months");
    EXPECT_EQ(graph->data().values.size(), 10u);
    EXPECT_TRUE(graph->drawsColumns());
    EXPECT_FALSE(graph->showsValueLabels());
    EXPECT_EQ(graph->data().axisTitle, "");
    EXPECT_EQ(graph->axis().increment, 200);
    EXPECT_EQ(graph->axis().end, 1400);
    EXPECT_EQ(panel->size(), QSize(565, 400));
    EXPECT_EQ(panel->monthsSlider()->value(), 10);
    EXPECT_EQ(panel->rateSlider()->value(), 2);
}

TEST_F(ProjectionsPage, LabelsShowTheirColonAndFitTheirText)
{
    auto* label = panel->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Starting amount: ");
    for (QLabel* each : panel->findChildren<QLabel*>())
        EXPECT_GE(each->width(), each->fontMetrics().horizontalAdvance(each->text().trimmed()))
            << each->text().toStdString();
}

TEST_F(ProjectionsPage, OutOfBoundsMonthsShowTheMessageAndKeepTheGraph)
{
    enter(panel->monthsField(), "150");
    EXPECT_TRUE(bandIsRed());
    EXPECT_EQ(bandText(), "Months must be less than or equal to 100.");
    EXPECT_EQ(panel->graph()->data().title, "Your total is $1,219 after 10 months");
    EXPECT_EQ(fieldTexts(), (QStringList { "$1,000", "150", "$0", "2.00%" }));

    enter(panel->monthsField(), "12");
    EXPECT_FALSE(bandIsRed());
    EXPECT_EQ(bandText(), "Trading Account Profit Projections");
    EXPECT_EQ(panel->graph()->data().values.size(), 12u);
}

TEST_F(ProjectionsPage, FieldsReadBeforeTheFaultyOneAreNormalised)
{
    panel->contributionsField()->setText("50");
    paste(panel->rateField(), "2#");
    EXPECT_EQ(bandText(), "Please enter a valid Monthly Rate of return.");
    EXPECT_EQ(panel->contributionsField()->text(), "$50"); // read first, so rewritten
    EXPECT_EQ(panel->graph()->data().title, "Your total is $1,219 after 10 months");
}

TEST_F(ProjectionsPage, TheTypingFilterDropsKeysThatCannotBeANumber)
{
    struct Case {
        Nbr* field;
        const char* typed;
        const char* shown;
    };
    const Case cases[]
        = { { panel->monthsField(), "0.4", "04" }, { panel->startingAmountField(), "a$1,5b00-", "$1,500" },
              { panel->rateField(), "2.5%", "2.5%" }, { panel->startingAmountField(), "(500)", "(500)" } };
    for (const Case& c : cases) {
        c.field->selectAll();
        QTest::keyClicks(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.shown) << c.typed;
    }
}

TEST_F(ProjectionsPage, FieldValuesAreReadByTheirRules)
{
    struct Case {
        const char* field;
        const char* text;
        const char* shown; // the field afterwards
        const char* band;
    };
    const Case cases[] = {
        { "YEARS", "0.4", "0.4", "Months must be greater than or equal to 1." },
        { "RATE_OF_RETURN", "15", "15.00%", "Trading Account Profit Projections" },
        { "STARTING_AMOUNT", "$1,500", "$1,500", "Trading Account Profit Projections" },
        { "STARTING_AMOUNT", "(500)", "(500)", "Starting amount must be greater than or equal to $0." },
        { "ADDITIONAL_CONTRIBUTIONS", "100001", "100001",
            "Additional contributions must be less than or equal to $100,000." },
    };
    for (const Case& c : cases) {
        page->navigate(documentPath());
        panel = page->panel();
        Nbr* field = panel->findChild<Nbr*>(c.field);
        ASSERT_NE(field, nullptr) << c.field;
        paste(field, c.text);
        EXPECT_EQ(field->text().toStdString(), c.shown) << c.text;
        EXPECT_EQ(bandText().toStdString(), c.band) << c.text;
    }
}

TEST_F(ProjectionsPage, RateAboveTheSliderSitsAtItsRightEnd)
{
    enter(panel->rateField(), "15");
    EXPECT_EQ(panel->rateField()->text(), "15.00%");
    Slider* slider = panel->rateSlider();
    EXPECT_EQ(slider->value(), 12);
    EXPECT_EQ(slider->knobX(), slider->width() - kSliderInset);
}

TEST_F(ProjectionsPage, AmountSliderInTheMiddleGivesFiftyThousand)
{
    Slider* slider = panel->startingAmountSlider();
    clickSlider(slider, kSliderInset + (slider->width() - 2 * kSliderInset) / 2);
    EXPECT_EQ(panel->startingAmountField()->text(), "$50,000");
    EXPECT_EQ(panel->graph()->data().title, "Your total is $60,950 after 10 months");
}

TEST_F(ProjectionsPage, SlidersSnapToTheirStepsAndClampAtTheEnds)
{
    struct Case {
        Slider* slider;
        double position; // of the slider's own range
        Nbr* field;
        const char* shown;
    };
    const Case cases[] = { { panel->contributionsSlider(), 100, panel->contributionsField(), "$100,000" },
        { panel->contributionsSlider(), 0, panel->contributionsField(), "$0" },
        { panel->startingAmountSlider(), 100, panel->startingAmountField(), "$1,000,000" },
        { panel->rateSlider(), 12, panel->rateField(), "12.00%" },
        { panel->monthsSlider(), 1, panel->monthsField(), "1" } };
    for (const Case& c : cases) {
        const int x = SliderKnobAt(c.position, c.slider->width(), c.slider->minimum(), c.slider->maximum());
        clickSlider(c.slider, c.position == c.slider->minimum() ? 0 : x + 20); // beyond an end clamps
        EXPECT_EQ(c.field->text(), c.shown) << c.slider->objectName().toStdString();
        EXPECT_FALSE(bandIsRed());
    }
}

TEST_F(ProjectionsPage, MonthsSliderUsesTheWholeMonthsBelowItsValue)
{
    Slider* slider = panel->monthsSlider();
    for (int x = 40; x < 80; ++x) {
        const double value = SliderValueAt(x, slider->width(), 1, 100);
        if (value - static_cast<int>(value) < 0.5)
            continue;
        clickSlider(slider, x); // for example 24.7
        EXPECT_EQ(panel->monthsField()->text(), QString::number(static_cast<int>(value))) << value;
        EXPECT_EQ(panel->graph()->data().values.size(), static_cast<std::size_t>(value));
        return;
    }
    FAIL() << "no fractional slider value found";
}

TEST_F(ProjectionsPage, DraggingRecalculatesAtEveryKnobMove)
{
    Slider* slider = panel->contributionsSlider();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(10, slider->trackY()));
    QStringList titles;
    for (int x = 20; x <= 60; x += 20) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, slider->trackY()),
            slider->mapToGlobal(QPointF(x, slider->trackY())), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        titles << panel->graph()->data().title;
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(60, slider->trackY()));
    EXPECT_EQ(titles.removeDuplicates(), 0) << titles.join(" | ").toStdString();
}

TEST_F(ProjectionsPage, ColumnsUpToFifteenMonthsValueLabelsUpToSix)
{
    struct Case {
        const char* months;
        bool columns;
        bool labels;
    };
    for (const Case& c : { Case { "15", true, false }, Case { "16", false, false }, Case { "6", true, true },
             Case { "7", true, false } }) {
        enter(panel->monthsField(), c.months);
        EXPECT_EQ(panel->graph()->drawsColumns(), c.columns) << c.months;
        EXPECT_EQ(panel->graph()->showsValueLabels(), c.labels) << c.months;
    }
}

TEST_F(ProjectionsPage, AMillionOverThreeMonthsIsShownInThousands)
{
    enter(panel->startingAmountField(), "1000000");
    enter(panel->monthsField(), "3");
    Graph* graph = panel->graph();
    EXPECT_EQ(graph->data().axisTitle, "Thousands of Dollars");
    EXPECT_EQ(graph->valueLabel(0), "$1,020k");
    EXPECT_EQ(graph->valueLabel(1), "$1,040k");
    EXPECT_EQ(graph->valueLabel(2), "$1,061k");
    EXPECT_EQ(graph->data().title, "Your total is $1,061,208 after 3 months");
}

TEST_F(ProjectionsPage, NothingInGivesTheEmptyScale)
{
    enter(panel->startingAmountField(), "0");
    EXPECT_EQ(panel->graph()->data().title, "Your total is $0 after 10 months");
    EXPECT_EQ(panel->graph()->axis().end, 25);
    EXPECT_EQ(panel->graph()->axis().increment, 5);
    EXPECT_FALSE(bandIsRed());
}

TEST_F(ProjectionsPage, TypedMonthsSurviveAReportBeforeTheNextCalculation)
{
    panel->monthsField()->setText("20");  // typed without Enter
    const std::string report = panel->sJavaScriptReport("HTML");
    EXPECT_NE(report.find("<TR><TD>20</TD>"), std::string::npos);
    EXPECT_FALSE(bandIsRed());
    EXPECT_EQ(panel->graph()->data().title, "Your total is $1,219 after 10 months"); // the panel is unchanged
    panel->calculate();
    EXPECT_EQ(panel->monthsField()->text(), "20");
    EXPECT_EQ(panel->graph()->data().values.size(), 20u);
}

TEST_F(ProjectionsPage, LeavingAChangedFieldRecalculates)
{
    QApplication::setActiveWindow(page.get());
    panel->monthsField()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->monthsField()->selectedText(), "10"); // all selected on entry
    QTest::keyClicks(panel->monthsField(), "5");
    panel->rateField()->setFocus();
    EXPECT_EQ(panel->graph()->data().values.size(), 5u);
}

TEST_F(ProjectionsPage, TabGoesThroughTheFourFieldsThenTheButtons)
{
    QApplication::setActiveWindow(page.get());
    panel->startingAmountField()->setFocus();
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order,
        (QStringList { "STARTING_AMOUNT", "YEARS", "ADDITIONAL_CONTRIBUTIONS", "RATE_OF_RETURN",
            "btn_ProjectionsCalculate", "btn_ViewReport" }));
}

TEST_F(ProjectionsPage, CalculateWithUnchangedInputsGivesTheSameResult)
{
    auto* button = page->findChild<QPushButton*>("btn_ProjectionsCalculate");
    ASSERT_NE(button, nullptr);
    panel->monthsField()->setText("12");
    button->click();
    const GraphData before = panel->graph()->data();
    button->click();
    EXPECT_EQ(panel->graph()->data().title, before.title);
    EXPECT_EQ(panel->graph()->data().values, before.values);
    EXPECT_EQ(before.values.size(), 12u);
}

TEST_F(ProjectionsPage, ErrorBandIsRedAndTheGraphShowsColumnsOnThePicture)
{
    enter(panel->monthsField(), "150");
    QImage image(panel->size(), QImage::Format_ARGB32);
    panel->render(&image);
    const int bandMiddle = 2 + panel->border()->bandHeight() / 2;
    EXPECT_EQ(image.pixelColor(10, bandMiddle), QColor(Qt::red));

    Graph* graph = panel->graph();
    QImage chart(graph->size(), QImage::Format_ARGB32);
    QPainter painter(&chart);
    graph->draw(painter);
    painter.end();
    const QRect column = graph->columnRect(9);
    EXPECT_EQ(chart.pixelColor(column.center()), QColor(0x7F, 0x7F, 0xFF));
    EXPECT_EQ(chart.pixelColor(column.x(), column.center().y()), QColor(Qt::black)); // the outline
    // The picture's grey bands sit in the plot's top-left corner.
    const QRect plot = graph->plotRect();
    EXPECT_LT(chart.pixelColor(plot.topLeft() + QPoint(12, 12)).lightness(), 250);
}

TEST_F(ProjectionsPage, At150PercentThePictureBehindThePlotIsScaledOnceToDevicePixels)
{
    QImage noise(300, 200, QImage::Format_RGB32);
    std::mt19937 engine(3);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, static_cast<QRgb>(engine()) | 0xff000000u);
    Graph* graph = panel->graph();
    graph->setBackgroundPicture(noise);
    QImage chart(graph->size() * 1.5, QImage::Format_RGB32);
    chart.setDevicePixelRatio(1.5);
    QPainter painter(&chart);
    graph->draw(painter);
    painter.end();
    // Above the highest column and below the top grid line only the picture shows.
    const QRect plot = graph->plotRect();
    const QRect above(plot.x() + 2, plot.y() + 2, plot.width() - 4, graph->columnRect(9).y() - plot.y() - 4);
    ASSERT_GT(above.height(), 5);
    EXPECT_FALSE(repeatsEveryThird(chart, QRect(above.topLeft() * 1.5, above.size() * 1.5)));
}

// The panel sits in a white frame with a 2-pixel blue border, and its
// fields keep the application's window colour, whose shade their outline
// takes, not the white of the page round it.
TEST_F(ProjectionsPage, FrameIsBlueOnWhiteAndTheFieldsKeepTheApplicationsColours)
{
    QWidget* frame = page->findChild<QWidget*>("frame");
    ASSERT_NE(frame, nullptr);
    const QImage image = frame->grab().toImage();
    const QColor blue(0x7f, 0x7f, 0xff);
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 1), QPoint(frame->width() - 2, frame->height() - 1)})
        EXPECT_EQ(image.pixelColor(at), blue) << at.x() << ", " << at.y();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(frame->width() - 3, frame->height() / 2), QColor(Qt::white));
    const QColor window = QApplication::palette().color(QPalette::Window);
    const QWidget* controls[] = { panel->startingAmountField(), panel->graph() };
    for (const QWidget* control : controls)
        EXPECT_EQ(control->palette().color(QPalette::Window), window) << control->objectName().toStdString();
}

TEST_F(ProjectionsPage, PointingAtAColumnShowsItsValueUntilAClick)
{
    Graph* graph = panel->graph();
    const QPoint onColumn = graph->columnRect(0).center();
    QTest::mouseMove(graph, onColumn);
    QMouseEvent move(QEvent::MouseMove, onColumn, graph->mapToGlobal(onColumn), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
    EXPECT_EQ(graph->hoverText(), "$1,020");
    QTest::mouseClick(graph, Qt::LeftButton, {}, onColumn);
    EXPECT_EQ(graph->hoverText(), "");
}

TEST_F(ProjectionsPage, MissingOrPanellessDocumentsLeaveThePageBlank)
{
    page->navigate(folder.filePath("Nowhere.html"));
    EXPECT_EQ(page->panel(), nullptr);
    EXPECT_EQ(page->findChild<QPushButton*>(), nullptr);

    writeDocuments("<APPLET", "<NOTAPPLET");
    page->navigate(documentPath());
    EXPECT_EQ(page->panel(), nullptr);

    QFile garbage(folder.filePath("garbage.html"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("<applet><param name=YEARS value=\"99999999999999\"><param name=ROR_MAXIMUM value=x"
                  "<param name=FONTSIZE_TITLE value=100000><param name=SIMPLE value=no>");
    garbage.close();
    page->navigate(garbage.fileName());
    ASSERT_NE(page->panel(), nullptr);
    EXPECT_EQ(page->panel()->border()->bandText(), "Months must be less than or equal to 100.");
    EXPECT_EQ(page->panel()->contributionsSlider(), nullptr);
}

TEST_F(ProjectionsPage, ParametersReshapeThePanel)
{
    writeDocuments("<PARAM NAME=\"MSG_YEARS\" VALUE=\"Months\">",
        "<PARAM NAME=\"MSG_YEARS\" VALUE=\"Periods\"><PARAM NAME=\"ROR_MAXIMUM\" VALUE=\"10\">"
        "<PARAM NAME=\"CURRENCY_PREFIX\" VALUE=\"EUR \"><PARAM NAME=\"MSG_GRAPH_TITLE1\" VALUE=\"Total\">");
    page->navigate(documentPath());
    panel = page->panel();
    EXPECT_EQ(panel->startingAmountField()->text(), "EUR 1,000");
    EXPECT_EQ(panel->graph()->data().title, "Total EUR 1,219 after 10 months");
    enter(panel->monthsField(), "0");
    EXPECT_EQ(bandText(), "Periods must be greater than or equal to 1.");
    enter(panel->monthsField(), "10");
    clickSlider(panel->rateSlider(), panel->rateSlider()->width());
    EXPECT_EQ(bandText(), "Monthly Rate of return must be less than or equal to 10.00%.");
}

} // namespace
} // namespace korvex
