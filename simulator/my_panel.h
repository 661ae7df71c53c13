#pragma once

#include "simulator/curve_statistics.h"
#include "simulator/equity_simulation.h"
#include "simulator/panel_entries.h"
#include "simulator/panel_layout.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex {

class CurvesMenu;

// What the panel asks of the page that hosts it.
struct PanelHost {
    ParameterLookup getParameter;                          // named text parameters
    std::function<void(const QString&)> showStatus;        // one-line status text
    std::function<void(const QString& address, const QString& target)> showDocument;
    std::function<QImage(const QString& name)> getImage;   // a picture next to the host document
    RandomSource random;                                   // uniform doubles in [0, 1)
    std::function<std::int64_t()> clockMs;                 // paces the build-up of the curves
};

// The equity-curve simulator panel: the plot of the curves on the left, the
// parameter box, the legend and the Generate button on the right.
class My : public QWidget {
    Q_OBJECT
public:
    My(QSize size, PanelHost host, QWidget* parent = nullptr);
    ~My() override;

    // A press of a push button; only "GENERATE !" acts. False when the target
    // is no push button or a check stopped the press.
    bool action(QObject* target, const QString& argument);
    // A press on the panel's own surface; always true.
    bool mouseDown(int x, int y, int clickCount);

    const EquitySimulation& simulation() const { return simulation_; }
    // The figures of the curves the table holds, worked out at each generation.
    const CurveStatistics& statistics() const { return statistics_; }
    CurvesMenu* curvesMenu() const { return curvesMenu_; }
    // The panel as it stands on the screen, light colours included, in the
    // screen's device pixels.
    QImage picture();
    const PanelGeometry& panelGeometry() const { return geometry_; }
    const SimulatorPageParams& pageParameters() const { return parameters_; }
    bool isBuildingUp() const { return pause != 1; }

Q_SIGNALS:
    // A generation replaced the curves and their statistics.
    void curvesGenerated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void init();
    void addKey();
    void addParam();
    void applyPageParams();
    void refreshResultFields();
    void startBuildUp();
    void generate();
    std::int64_t now() const;

    PanelHost host_;
    PanelGeometry geometry_;
    EquitySimulation simulation_;
    CurveStatistics statistics_;
    SimulatorPageParams parameters_;
    QImage banner_;

    // The first redraw after a generation builds the curves up while pause
    // is pause1; every later redraw (pause 1) draws them at once.
    int pause = 100;
    int pause1 = 100;
    QTimer buildUpTimer_;
    std::int64_t buildUpStart_ = 0;
    bool buildUpStarted_ = false;
    std::int64_t lastPaintMs_ = 0;  // how long a frame takes to paint
    std::vector<QColor> curveColours_;
    bool holdColours_ = false;
    CurvesMenu* curvesMenu_ = nullptr;

    QWidget* Param = nullptr;
    QWidget* Key = nullptr;
    QPushButton* btext = nullptr;
    QLineEdit* tfStepY = nullptr;
    QLineEdit* tfProb = nullptr;
    QLineEdit* tfNumber = nullptr;
    QLineEdit* tf4 = nullptr;
    QLineEdit* tf5 = nullptr;
};

}  // namespace korvex
