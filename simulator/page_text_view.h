#pragma once

#include <QTextBrowser>

#include <optional>

namespace korvex {

// The text of a host document, laid out at a fixed width and as tall as its
// content, so that the page around it does the scrolling. It loads nothing:
// pictures, style sheets and links of the document stay where they are, so
// no reference in a document can make the page read a file.
class PageTextView : public QTextBrowser {
    Q_OBJECT
public:
    PageTextView(const QString& markup, int width, QWidget* parent);

protected:
    // Reads and lays out the markup when first shown, and takes its height.
    void showEvent(QShowEvent* event) override;

private:
    std::optional<QString> markup_;  // until it is read
};

}  // namespace korvex
