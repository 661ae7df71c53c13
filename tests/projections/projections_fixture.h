#pragma once
// The Profit Projections page on a copy of the embedded bbt documents in a
// temporary folder, as start-up would write them.

#include "projections/border_side.h"
#include "projections/compound_savings.h"
#include "projections/graph.h"
#include "projections/nbr.h"
#include "projections/profit_projections_page.h"
#include "projections/slider.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace korvex {

class ProjectionsPage : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        writeDocuments();
        page = std::make_unique<ProfitProjectionsPage>(nullptr);
        page->resize(710, 565);
        page->navigate(documentPath());
        page->show(); // lays the panel out, as opening the page does
        panel = page->panel();
        ASSERT_NE(panel, nullptr);
    }

    void writeDocuments(const QByteArray& replaceFrom = {}, const QByteArray& replaceWith = {})
    {
        const std::pair<const char*, const char*> documents[]
            = { { ":/documents/rcSavCalc0", "background.jpg" },
                  { ":/documents/rcSavCalc1", "Calculators.css" },
                  { ":/documents/rcSavCalc3", "CompoundSavings.html" } };
        for (const auto& [resource, name] : documents) {
            QFile source(resource);
            ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << resource;
            QByteArray bytes = source.readAll();
            if (!replaceFrom.isEmpty() && QByteArray(name) == "CompoundSavings.html")
                bytes.replace(replaceFrom, replaceWith);
            QFile target(folder.filePath(name));
            ASSERT_TRUE(target.open(QIODevice::WriteOnly));
            target.write(bytes);
        }
    }

    QString documentPath() const { return folder.filePath("CompoundSavings.html"); }

    // Types a text as a user would (keys the field refuses are dropped) and presses Enter.
    static void enter(Nbr* field, const QString& typed)
    {
        field->selectAll();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // A text that did not come through the keyboard, as a paste does.
    static void paste(Nbr* field, const QString& text)
    {
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    static void clickSlider(Slider* slider, int x)
    {
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(x, slider->trackY()));
    }

    QString bandText() const;
    bool bandIsRed() const;
    QStringList fieldTexts() const
    {
        return { panel->startingAmountField()->text(), panel->monthsField()->text(),
            panel->contributionsField()->text(), panel->rateField()->text() };
    }

    QTemporaryDir folder;
    std::unique_ptr<ProfitProjectionsPage> page;
    CompoundSavings* panel = nullptr;
};

} // namespace korvex
