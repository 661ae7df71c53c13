#pragma once

#include <QDialog>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace korvex {

// "Report Preview": the pages as they will print, with zoom, page
// navigation and a command to print them from here, which the output
// system answers with its own options.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(QPrinter& printer, QWidget* parent);

    QPrintPreviewWidget* view() const { return view_; }

Q_SIGNALS:
    // The preview needs the pages drawn on this printer.
    void paintRequested(QPrinter* printer);
    void printRequested();

private:
    void buildCommands();
    void showPage(int page);
    void updatePageCommands();

    QPrintPreviewWidget* view_;
    QLabel* pageLabel_ = nullptr;
    QAction* firstAction_ = nullptr;
    QAction* previousAction_ = nullptr;
    QAction* nextAction_ = nullptr;
    QAction* lastAction_ = nullptr;
};

}  // namespace korvex
