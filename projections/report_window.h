#pragma once

#include <QMainWindow>

class QPrinter;
class QTextBrowser;

namespace korvex {

// The window that shows a profit projection report: the HTML as it was
// filled, with the style sheet next to the host document applied, and the
// commands to print it, save it or open it in a web browser.
class ReportWindow : public QMainWindow {
    Q_OBJECT
public:
    // The folder of the host document, where "Calculators.css" lives.
    ReportWindow(const QString& folder, QWidget* parent = nullptr);

    // Replaces the report shown.
    void setReport(const QString& html);
    QString report() const { return html_; }
    QTextBrowser* view() const { return view_; }

    // Where the window goes: 600 x 380, 20 pixels from the top, its left
    // edge at half the screen's width minus 300.
    static QRect placeOnScreen(const QRect& screen);

    void printTo(QPrinter& printer) const;
    // Writes the report as a file, with the style sheet beside it.
    void saveTo(const QString& path) const;
    // The file written for the web browser.
    QString browserCopyPath() const;

    void print();
    void saveAsHtml();
    void openInBrowser();

private:
    void buildCommands();

    QString folder_;
    QString html_;
    QTextBrowser* view_;
};

} // namespace korvex
