#pragma once

#include <QWidget>

class QScrollArea;

namespace korvex {

class My;

// Page 2: the equity-curve simulator panel and the text of its host document.
class SimulatorPage : public QWidget {
    Q_OBJECT
public:
    explicit SimulatorPage(QWidget* parent);

    // Shows the host document at this path; a missing document leaves the page blank.
    void navigate(const QString& hostDocumentPath);

    // The panel of the document shown, if it embeds one.
    My* panel() const { return panel_; }
    // The last status text of the panel; nothing on the page shows it.
    const QString& statusText() const { return statusText_; }

private:
    void clear();
    // What the panel's curves say, under the panel.
    void addFigures(int width, QWidget* content);

    QScrollArea* wbSimulator = nullptr;
    My* panel_ = nullptr;
    QString statusText_;
};

}  // namespace korvex
