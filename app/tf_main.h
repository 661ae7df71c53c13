#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <vector>

class QLabel;
class QTabWidget;

namespace korvex {

class AboutPage;
class LinkLabel;
class PositionSizingPage;
class ProfitProjectionsPage;
class SimulatorPage;
class TradePlannerPage;

// The one main window: a fixed 735 x 630 client area with the five pages,
// the version label and the web-address label under them.
class TfMain : public QWidget {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // RGB(248, 248, 248): the background of a switched-off input.
    static QColor DisabledColor() { return QColor(248, 248, 248); }

    // True once every start-up step has run or one of them failed.
    bool isStartedUp() const { return nextStep_ == startUpSteps_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void btn_CloseClick();
    void lbl_UrlClick();
    void centreOnScreen();
    void putAddressLastInTabOrder();
    void runStartUpSteps(std::size_t end);

    void CreateWorkFolders();
    void LoadHelpDocument();
    void LoadSimulatorPage();
    void LoadProfitProjectionsPage();
    void LoadReportTemplate();

    QTabWidget* pgctrl_ZADuraulator = nullptr;
    TradePlannerPage* ts_TradePlanner = nullptr;
    PositionSizingPage* ts_PositionSizing = nullptr;
    SimulatorPage* ts_Simulator = nullptr;
    ProfitProjectionsPage* ts_SavingsCalculator = nullptr;
    AboutPage* ts_About = nullptr;
    QLabel* lbl_Version = nullptr;
    LinkLabel* lbl_Url3 = nullptr;

    // The user's temporary folder + "ZADura/": where the documents are written,
    // and its sub-folder "bbt/" for the profit projections.
    QString WorkFolder;
    QString ProjectionsFolder;

    std::vector<std::function<void()>> startUpSteps_;
    std::size_t nextStep_ = 0;
    QTimer laterSteps_;
};

}  // namespace korvex
