#pragma once

#include <QWidget>

namespace korvex {

// Page 2: the equity-curve simulator panel and the text of its host document.
class SimulatorPage : public QWidget {
    Q_OBJECT
public:
    explicit SimulatorPage(QWidget* parent);

    // Shows the host document at this path; a missing document leaves the page blank.
    void navigate(const QString& hostDocumentPath);
};

}  // namespace korvex
