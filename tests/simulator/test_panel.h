#pragma once
// A simulator panel as the host document makes it, with fixed draws, a hand
// clock and a host that records what the panel asks for.

#include "simulator/my_panel.h"
#include "tests/simulator/random_sequence.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <memory>

namespace korvex {

struct TestPanel {
    explicit TestPanel(RandomSequence draws = RandomSequence::constant(0.3))
        : random(std::move(draws))
    {
        PanelHost host;
        host.getParameter = [](std::string_view name) -> std::optional<std::string> {
            return name == "text" ? "" : name == "background" ? "FFFFFF" : "0000FF";
        };
        host.showStatus = [this](const QString& text) { statuses << text; };
        host.showDocument = [this](const QString& address, const QString& target) {
            documents << address + QLatin1Char(' ') + target;
        };
        host.random = random.source();
        host.clockMs = [this] { return clock; };
        my = std::make_unique<My>(QSize(653, 408), std::move(host));
        my->show();
    }

    QLineEdit* field(const char* name) const { return my->findChild<QLineEdit*>(name); }
    QPushButton* button() const { return my->findChild<QPushButton*>("btext"); }

    bool generate(const char* winLoss, const char* lines, const char* prob) const
    {
        field("tfStepY")->setText(QString::fromLatin1(winLoss));
        field("tfNumber")->setText(QString::fromLatin1(lines));
        field("tfProb")->setText(QString::fromLatin1(prob));
        return my->action(button(), button()->text());
    }
    QImage paintAfter(std::int64_t ms)
    {
        clock += ms;
        return my->grab().toImage();
    }
    // Starts the build-up of the curves and paints again once it has ended.
    QImage builtUp()
    {
        paintAfter(0);
        return paintAfter(5000);
    }

    RandomSequence random;
    std::int64_t clock = 0;
    QStringList statuses;
    QStringList documents;
    std::unique_ptr<My> my;
};

}  // namespace korvex
