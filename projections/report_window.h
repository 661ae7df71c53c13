#pragma once

#include <QDateTime>
#include <QMainWindow>

#include <functional>

class QPrinter;
class QTextBrowser;

namespace korvex {

class SaveLocation;

// The window that shows a profit projection report: the HTML as it was
// filled, with the style sheet next to the host document applied, and the
// commands to print it, save it or open it in a web browser.
class ReportWindow : public QMainWindow {
    Q_OBJECT
public:
    // The folder of the host document, where "Calculators.css" lives; the
    // save dialogs start where the last save of the run went.
    ReportWindow(const QString& folder, SaveLocation& saves, QWidget* parent = nullptr);

    // Replaces the report shown, with its month table as CSV, or the error
    // that left it without one.
    void setReport(const QString& html, const QByteArray& csv, const QString& tableError);
    QString report() const { return html_; }
    QTextBrowser* view() const { return view_; }

    // Where the window goes: 600 x 380, 20 pixels from the top, its left
    // edge at half the screen's width minus 300.
    static QRect placeOnScreen(const QRect& screen);

    // A PDF file is written only when complete.
    void printTo(QPrinter& printer) const;
    // Writes the report as a file, with the style sheet beside it.
    void saveTo(const QString& path) const;
    void saveCsvTo(const QString& path) const;
    // The file written for the web browser.
    QString browserCopyPath() const;

    // The date in the names the save dialogs suggest.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    void print();
    void saveAsHtml();
    void saveAsCsv();
    void openInBrowser();

private:
    void buildCommands();
    // Saves where the user chooses, unless cancelled.
    void saveThroughDialog(const QString& title, const QString& suffix, const QString& filter,
        void (ReportWindow::*save)(const QString&) const);

    QString folder_;
    SaveLocation& saves_;
    QString html_;
    QByteArray csv_;
    QString tableError_;
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
    QTextBrowser* view_;
};

} // namespace korvex
