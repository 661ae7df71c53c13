#pragma once
// Helpers for the printing tests: answering the report dialogs as a user
// would, and reading back the words of a PDF with their positions.

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QObject>
#include <QSizeF>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "pdf_text.h"

#include <functional>
#include <ostream>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace korvex {

// Watches for a window with the given title and acts on it once, from the
// event loop of whatever modal window is running at the time.
class WhenShown {
public:
    WhenShown(const QString& title, std::function<void(QWidget&)> act)
        : title_(title)
        , act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { look(); });
        timer_.start(0);
    }

    bool seen() const { return seen_; }

private:
    void look()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == title_) {
                timer_.stop();
                seen_ = true;
                act_(*widget);
                return;
            }
        }
    }

    QString title_;
    std::function<void(QWidget&)> act_;
    QTimer timer_;
    bool seen_ = false;
};

// Triggers the action and answers the save dialog of that title with the
// file, after noting the file it suggested, which it gives back.
inline QString answerSaveDialog(QAction& action, const QString& title, const QString& file)
{
    QString suggested;
    const WhenShown dialog(title, [&](QWidget& shown) {
        auto& files = static_cast<QFileDialog&>(shown);
        suggested = files.selectedFiles().value(0);
        files.selectFile(file);
        static_cast<QDialog&>(files).accept();
    });
    action.trigger();
    EXPECT_TRUE(dialog.seen()) << title.toStdString();
    return suggested;
}

struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;  // points from the page's top-left corner
    int page;                       // from 0
};

// Every word of a PDF as pdftotext places it, and the size of each page;
// nothing when the tool fails.
inline std::vector<PdfWord> pdfWords(const QString& path, std::vector<QSizeF>* pages = nullptr)
{
    std::vector<PdfWord> words;
    int page = -1;
    QXmlStreamReader xml(pdfTextBoxes(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        auto number = [&a](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            ++page;
            if (pages)
                pages->emplace_back(number("width"), number("height"));
        }
        if (xml.name() == QLatin1String("word")) {
            words.push_back({QString(), number("xMin"), number("yMin"), number("xMax"), number("yMax"), page});
            words.back().text = xml.readElementText();
        }
    }
    return words;
}

}  // namespace korvex
