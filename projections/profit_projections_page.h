#pragma once

#include <QWidget>

namespace korvex {

// Page 3: the profit-projection panel with its Calculate and View Report buttons.
class ProfitProjectionsPage : public QWidget {
    Q_OBJECT
public:
    explicit ProfitProjectionsPage(QWidget* parent);

    // Shows the host document at this path; a missing document leaves the page blank.
    void navigate(const QString& hostDocumentPath);
};

} // namespace korvex
