#pragma once

#include "app/files/save_location.h"

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace korvex {

class CompoundSavings;
class ReportWindow;

// Page 3: the profit-projection panel with its Calculate and View Report buttons.
class ProfitProjectionsPage : public QWidget {
    Q_OBJECT
public:
    explicit ProfitProjectionsPage(QWidget* parent);
    ~ProfitProjectionsPage() override;

    // Shows the host document at this path; a missing document leaves the page blank.
    void navigate(const QString& hostDocumentPath);

    CompoundSavings* panel() const { return panel_; }
    ReportWindow* reportWindow() const;

    // Opens the report of the fields as they stand, or refreshes the open one.
    void viewReport();

private:
    void clear();

    QWidget* wbSavingsCalculator;
    QWidget* content_ = nullptr;
    CompoundSavings* panel_ = nullptr;
    QString folder_;
    SaveLocation saves_;
    QPointer<ReportWindow> report_;
};

} // namespace korvex
